// The USER back end without a display: the window lives in memory and a test plays the user.
#include "platform/headless.h"
#include "platform/user_common.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct Headless {
    std::function<void()> idle;
    std::function<void(const HeadlessMessageBox&)> boxHandler;
    std::vector<HeadlessMessageBox> boxes;
    int openBoxes = 0;
    int paints = 0;
    int timersAtDestroy = -1;
    bool refuseWindows = false;
};

Headless& Global() {
    static Headless headless;
    return headless;
}

// The main window: the first top-level window still alive.
UserWindow* MainWindow() {
    const auto& windows = UserWindows();
    return windows.empty() ? nullptr : windows.front();
}

bool PostInput(UINT message, WPARAM wParam, LPARAM lParam) {
    UserWindow* w = MainWindow();
    if (!w || UserModalActive()) return false;
    UserPostMessage(UserHandle(w), message, wParam, lParam);
    return true;
}

}  // namespace

// ---- The back end ----------------------------------------------------------------------------

bool BackendCreateWindow(UserWindow& /*window*/) { return !Global().refuseWindows; }
void BackendShowWindow(UserWindow& /*window*/) {}
void BackendDestroyWindow(UserWindow& window) { Global().timersAtDestroy = static_cast<int>(window.timers.size()); }
void BackendTitleChanged(UserWindow& /*window*/) {}
void BackendStartTimer(UserWindow& /*window*/, UserTimer& /*timer*/) {}
void BackendStopTimer(UserWindow& /*window*/, UserTimer& /*timer*/) {}
void BackendSurfaceChanged(UserWindow& /*window*/, const RECT& /*area*/) { ++Global().paints; }

void BackendWait() {
    Headless& h = Global();
    if (h.idle) h.idle();
    // The idle handler must have given the program something to do.
    if (!UserHasMessage()) {
        std::fprintf(stderr, "headless: the program waits for input and the test gives none\n");
        std::abort();
    }
}

void BackendMessageBox(UserWindow* /*owner*/, const char* text, const char* caption, UINT type) {
    Headless& h = Global();
    h.boxes.push_back(HeadlessMessageBox{text, caption, type});
    HeadlessMessageBox box = h.boxes.back();
    ++h.openBoxes;
    if (h.boxHandler) h.boxHandler(box);
    HeadlessDispatchPending();
    --h.openBoxes;
}

// ---- The test API ----------------------------------------------------------------------------

void HeadlessReset() {
    UserResetState();
    Global() = Headless{};
}

void HeadlessRefuseWindows() { Global().refuseWindows = true; }

void HeadlessSetIdleHandler(std::function<void()> handler) { Global().idle = std::move(handler); }

void HeadlessSetMessageBoxHandler(std::function<void(const HeadlessMessageBox&)> handler) {
    Global().boxHandler = std::move(handler);
}

const std::vector<HeadlessMessageBox>& HeadlessMessageBoxes() { return Global().boxes; }
bool HeadlessMessageBoxOpen() { return Global().openBoxes > 0; }

bool HeadlessClick(int x, int y) {
    // MK_LBUTTON in wParam: the left button is down.
    return PostInput(WM_LBUTTONDOWN, 0x0001, MAKELPARAM(x, y));
}

bool HeadlessMenuCommand(UINT_PTR id) {
    // A menu sends its identifier with notification code 0 in the high word and no control.
    return PostInput(WM_COMMAND, static_cast<WPARAM>(LOWORD(id)), 0);
}

bool HeadlessCloseRequest() { return PostInput(WM_CLOSE, 0, 0); }

bool HeadlessPostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    UserWindow* w = MainWindow();
    if (!w) return false;
    UserPostMessage(UserHandle(w), message, wParam, lParam);
    return true;
}

void HeadlessTimerTick() {
    UserWindow* w = MainWindow();
    if (!w) return;
    for (UserTimer& t : w->timers) t.due = true;
}

bool HeadlessMessageWaiting() { return UserHasMessage(); }

void HeadlessDispatchPending() {
    MSG message;
    while (UserTakeMessage(&message, UserModalActive())) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // left for GetMessageA
            return;
        }
        DispatchMessageA(&message);
    }
}

bool HeadlessWindowExists() { return MainWindow() != nullptr; }

bool HeadlessWindowVisible() {
    UserWindow* w = MainWindow();
    return w && w->visible;
}

std::string HeadlessTitle() {
    UserWindow* w = MainWindow();
    return w ? w->title : std::string();
}

int HeadlessClientWidth() {
    UserWindow* w = MainWindow();
    return w ? w->clientWidth : 0;
}

int HeadlessClientHeight() {
    UserWindow* w = MainWindow();
    return w ? w->clientHeight : 0;
}

COLORREF HeadlessClientPixel(int x, int y) {
    UserWindow* w = MainWindow();
    if (!w || x < 0 || y < 0 || x >= w->clientWidth || y >= w->clientHeight) return 0xFFFFFFFF;
    std::uint32_t p = w->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w->clientWidth) +
                                static_cast<std::size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int HeadlessTimerCount() {
    UserWindow* w = MainWindow();
    return w ? static_cast<int>(w->timers.size()) : 0;
}

std::vector<std::pair<UINT_PTR, std::string>> HeadlessMenuItems() {
    std::vector<std::pair<UINT_PTR, std::string>> items;
    if (UserWindow* w = MainWindow(); w && w->menu) {
        for (const UserMenuItem& item : w->menu->items) items.emplace_back(item.id, item.label);
    }
    return items;
}

int HeadlessPaintCount() { return Global().paints; }

int HeadlessTimersAtDestroy() { return Global().timersAtDestroy; }
