// USER as both back ends have it: classes, windows, menus, the message queue, painting and timers.
#include "platform/user_common.h"

#include "platform/gdi_surface.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>

namespace {

struct WindowClass {
    std::string name;
    WNDPROC proc;
};

struct QueuedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The classic frame of a captioned window without a sizing border: a 3-pixel fixed frame, a 19-pixel
// caption and, with a menu, a 19-pixel menu bar. The client area is what is left of the outer size.
constexpr int FixedFrame = 3;
constexpr int CaptionHeight = 19;
constexpr int MenuBarHeight = 19;

struct State {
    std::vector<WindowClass> classes;
    std::vector<UserWindow*> windows;
    std::vector<std::unique_ptr<UserMenu>> menus;  // menus not (yet) owned by a window
    std::deque<QueuedMessage> queue;
    bool quitPosted = false;
    int quitCode = 0;
    int modalDepth = 0;
    ATOM nextAtom = 0xC000;
};

State& Global() {
    static State state;
    return state;
}

// The desktop: a handle that is no window of ours, given as parent to make a top-level window.
int desktopWindow;
// The system's information icon and arrow cursor; nothing draws them, the class only holds them.
int systemIcon;
int systemCursor;

bool SameClassName(const std::string& a, const char* b) {
    // Class names are compared without regard to case.
    if (a.size() != std::strlen(b)) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

RECT FrameInsets(DWORD style, bool menu) {
    RECT insets{0, 0, 0, 0};
    if ((style & WS_CAPTION) == WS_CAPTION) {
        insets = RECT{FixedFrame, FixedFrame + CaptionHeight, FixedFrame, FixedFrame};
    }
    if (menu) insets.top += MenuBarHeight;
    return insets;
}

bool IsEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

bool IsInput(UINT message) {
    // What the user does to a window; a window under an open message box takes none of it.
    return message == WM_LBUTTONDOWN || message == WM_COMMAND || message == WM_CLOSE;
}

void DropWindow(UserWindow* window) {
    State& state = Global();
    HWND handle = UserHandle(window);
    std::erase_if(state.queue, [&](const QueuedMessage& m) { return m.window == handle; });
    state.windows.erase(std::find(state.windows.begin(), state.windows.end(), window));
    delete window->menu;
    delete window;
}

}  // namespace

// ---- Shared with the back ends ---------------------------------------------------------------

UserWindow* UserFindWindow(HWND window) {
    for (UserWindow* w : Global().windows) {
        if (UserHandle(w) == window) return w;
    }
    return nullptr;
}

HWND UserHandle(UserWindow* window) { return reinterpret_cast<HWND>(window); }

const std::vector<UserWindow*>& UserWindows() { return Global().windows; }

void UserPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Global().queue.push_back(QueuedMessage{window, message, wParam, lParam});
}

bool UserModalActive() { return Global().modalDepth > 0; }

void UserTimerDue(HWND window, UINT_PTR id) {
    UserWindow* w = UserFindWindow(window);
    if (!w) return;
    for (UserTimer& t : w->timers) {
        if (t.id == id) t.due = true;
    }
}

bool UserTakeMessage(MSG* message, bool modal) {
    State& state = Global();
    *message = MSG{};
    while (!state.queue.empty()) {
        QueuedMessage m = state.queue.front();
        state.queue.pop_front();
        if (modal && IsInput(m.message)) continue;
        *message = MSG{m.window, m.message, m.wParam, m.lParam, 0, POINT{0, 0}};
        return true;
    }
    if (state.quitPosted && !modal) {
        state.quitPosted = false;
        *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(state.quitCode), 0, 0, POINT{0, 0}};
        return true;
    }
    for (UserWindow* w : state.windows) {
        if (!IsEmpty(w->invalid)) {
            *message = MSG{UserHandle(w), WM_PAINT, 0, 0, 0, POINT{0, 0}};
            return true;
        }
    }
    for (UserWindow* w : state.windows) {
        for (UserTimer& t : w->timers) {
            if (t.due) {
                t.due = false;
                *message = MSG{UserHandle(w), WM_TIMER, t.id, 0, 0, POINT{0, 0}};
                return true;
            }
        }
    }
    return false;
}

bool UserHasMessage() {
    const State& state = Global();
    if (!state.queue.empty() || state.quitPosted) return true;
    for (const UserWindow* w : state.windows) {
        if (!IsEmpty(w->invalid)) return true;
        for (const UserTimer& t : w->timers) {
            if (t.due) return true;
        }
    }
    return false;
}

GdiSurface UserClientSurface(UserWindow& window) {
    return GdiSurface{window.pixels.data(), window.clientWidth, window.clientHeight, window.clientWidth};
}

void UserResetState() {
    State& state = Global();
    while (!state.windows.empty()) {
        UserWindow* w = state.windows.back();
        for (UserTimer& t : w->timers) BackendStopTimer(*w, t);
        BackendDestroyWindow(*w);
        DropWindow(w);
    }
    state = State{};
}

// ---- USER32 ----------------------------------------------------------------------------------

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance == nullptr && name == IDI_INFORMATION) return reinterpret_cast<HICON>(&systemIcon);
    return nullptr;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance == nullptr && name == IDC_ARROW) return reinterpret_cast<HCURSOR>(&systemCursor);
    return nullptr;
}

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    State& state = Global();
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc) return 0;
    for (const WindowClass& c : state.classes) {
        if (SameClassName(c.name, windowClass->lpszClassName)) return 0;  // already registered
    }
    state.classes.push_back(WindowClass{windowClass->lpszClassName, windowClass->lpfnWndProc});
    return state.nextAtom++;
}

BOOL WINAPI AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD /*exStyle*/) {
    if (!rect) return FALSE;
    RECT insets = FrameInsets(style, menu != FALSE);
    rect->left -= insets.left;
    rect->top -= insets.top;
    rect->right += insets.right;
    rect->bottom += insets.bottom;
    return TRUE;
}

HMENU WINAPI CreateMenu() {
    State& state = Global();
    state.menus.push_back(std::make_unique<UserMenu>());
    return reinterpret_cast<HMENU>(state.menus.back().get());
}

static UserMenu* FindFreeMenu(HMENU menu) {
    for (auto& m : Global().menus) {
        if (reinterpret_cast<HMENU>(m.get()) == menu) return m.get();
    }
    return nullptr;
}

BOOL WINAPI AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR label) {
    UserMenu* m = FindFreeMenu(menu);
    if (!m) {
        for (UserWindow* w : Global().windows) {
            if (reinterpret_cast<HMENU>(w->menu) == menu) m = w->menu;
        }
    }
    // Command items with a text are all the bar has: no pop-ups, separators or bitmaps.
    if (!m || flags != MF_STRING || !label) return FALSE;
    m->items.push_back(UserMenuItem{id, label});
    return TRUE;
}

HWND WINAPI GetDesktopWindow() { return reinterpret_cast<HWND>(&desktopWindow); }

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int /*x*/,
                            int /*y*/, int width, int height, HWND /*parent*/, HMENU menu,
                            HINSTANCE /*instance*/, void* /*param*/) {
    State& state = Global();
    if (!className) return nullptr;
    const WindowClass* windowClass = nullptr;
    for (const WindowClass& c : state.classes) {
        if (SameClassName(c.name, className)) windowClass = &c;
    }
    if (!windowClass) return nullptr;
    UserMenu* ownMenu = nullptr;
    if (menu) {
        auto it = std::find_if(state.menus.begin(), state.menus.end(),
                               [&](auto& m) { return reinterpret_cast<HMENU>(m.get()) == menu; });
        if (it == state.menus.end()) return nullptr;
        ownMenu = it->release();
        state.menus.erase(it);
    }

    auto* w = new UserWindow{};
    w->proc = windowClass->proc;
    w->style = style;
    w->exStyle = exStyle;
    w->title = windowName ? windowName : "";
    w->menu = ownMenu;
    RECT insets = FrameInsets(style, ownMenu != nullptr);
    w->clientWidth = std::max(0, width - insets.left - insets.right);
    w->clientHeight = std::max(0, height - insets.top - insets.bottom);
    w->pixels.assign(static_cast<std::size_t>(w->clientWidth) * static_cast<std::size_t>(w->clientHeight), 0);
    // A new window has all of its client area still to paint.
    w->invalid = RECT{0, 0, w->clientWidth, w->clientHeight};
    w->eraseRequested = true;
    state.windows.push_back(w);
    if (!BackendCreateWindow(*w)) {
        DropWindow(w);
        return nullptr;
    }

    HWND handle = UserHandle(w);
    if (w->proc(handle, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (UserFindWindow(handle) && (style & WS_VISIBLE)) ShowWindow(handle, SW_SHOWNORMAL);
    return UserFindWindow(handle) ? handle : nullptr;
}

BOOL WINAPI ShowWindow(HWND window, int /*show*/) {
    UserWindow* w = UserFindWindow(window);
    if (!w) return FALSE;
    bool wasVisible = w->visible;
    w->visible = true;
    BackendShowWindow(*w);
    return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI UpdateWindow(HWND window) {
    UserWindow* w = UserFindWindow(window);
    if (!w) return FALSE;
    if (!IsEmpty(w->invalid)) w->proc(window, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL WINAPI GetMessageA(MSG* message, HWND /*window*/, UINT /*filterMin*/, UINT /*filterMax*/) {
    while (!UserTakeMessage(message, false)) BackendWait();
    return message->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* /*message*/) {
    // Keys never reach the window procedure: the back ends give the keyboard to the menu bar themselves.
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    if (!message) return 0;
    UserWindow* w = UserFindWindow(message->hwnd);
    if (!w) return 0;
    return w->proc(message->hwnd, message->message, message->wParam, message->lParam);
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    if (message == WM_CLOSE) DestroyWindow(window);
    return 0;
}

BOOL WINAPI GetUpdateRect(HWND window, RECT* rect, BOOL /*erase*/) {
    UserWindow* w = UserFindWindow(window);
    if (!w) return FALSE;
    bool waiting = !IsEmpty(w->invalid);
    if (rect) *rect = waiting ? w->invalid : RECT{0, 0, 0, 0};
    return waiting ? TRUE : FALSE;
}

HDC WINAPI BeginPaint(HWND window, PAINTSTRUCT* paint) {
    UserWindow* w = UserFindWindow(window);
    if (!w || !paint) return nullptr;
    *paint = PAINTSTRUCT{};
    paint->rcPaint = w->invalid;
    paint->hdc = GdiCreateSurfaceDC(UserClientSurface(*w));
    GdiSetSurfaceClip(paint->hdc, &paint->rcPaint);
    // What waits counts as painted from here on: a later InvalidateRect asks for another WM_PAINT.
    w->invalid = RECT{0, 0, 0, 0};
    bool erase = w->eraseRequested;
    w->eraseRequested = false;
    if (erase) {
        // The window procedure may erase; if it leaves the message to the default handling, nothing is
        // painted (no background brush) and the paint record says the background still needs erasing.
        LRESULT erased = w->proc(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0);
        paint->fErase = erased ? FALSE : TRUE;
    }
    return paint->hdc;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    GdiDeleteSurfaceDC(paint->hdc);
    if (UserWindow* w = UserFindWindow(window)) BackendSurfaceChanged(*w, paint->rcPaint);
    return TRUE;
}

BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    UserWindow* w = UserFindWindow(window);
    if (!w) return FALSE;
    RECT client{0, 0, w->clientWidth, w->clientHeight};
    RECT r = rect ? *rect : client;
    r.left = std::max(r.left, client.left);
    r.top = std::max(r.top, client.top);
    r.right = std::min(r.right, client.right);
    r.bottom = std::min(r.bottom, client.bottom);
    if (IsEmpty(r)) return TRUE;
    if (IsEmpty(w->invalid)) {
        w->invalid = r;
    } else {
        w->invalid.left = std::min(w->invalid.left, r.left);
        w->invalid.top = std::min(w->invalid.top, r.top);
        w->invalid.right = std::max(w->invalid.right, r.right);
        w->invalid.bottom = std::max(w->invalid.bottom, r.bottom);
    }
    if (erase) w->eraseRequested = true;
    return TRUE;
}

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT period, void* /*timerProc*/) {
    UserWindow* w = UserFindWindow(window);
    if (!w || id == 0) return 0;
    for (UserTimer& t : w->timers) {
        if (t.id == id) {
            // Setting a timer again restarts it with the new period.
            BackendStopTimer(*w, t);
            t.period = period;
            t.due = false;
            BackendStartTimer(*w, t);
            return id;
        }
    }
    w->timers.push_back(UserTimer{id, period, false, 0});
    BackendStartTimer(*w, w->timers.back());
    return id;
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    UserWindow* w = UserFindWindow(window);
    if (!w) return FALSE;
    auto it = std::find_if(w->timers.begin(), w->timers.end(), [&](const UserTimer& t) { return t.id == id; });
    if (it == w->timers.end()) return FALSE;
    BackendStopTimer(*w, *it);
    w->timers.erase(it);
    return TRUE;
}

BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    UserWindow* w = UserFindWindow(window);
    if (!w) return FALSE;
    w->title = text ? text : "";
    BackendTitleChanged(*w);
    return TRUE;
}

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    State& state = Global();
    ++state.modalDepth;
    BackendMessageBox(UserFindWindow(owner), text ? text : "", caption ? caption : "", type);
    --state.modalDepth;
    return 1;  // IDOK: the only button
}

BOOL WINAPI DestroyWindow(HWND window) {
    UserWindow* w = UserFindWindow(window);
    if (!w || w->destroying) return FALSE;
    w->destroying = true;
    w->proc(window, WM_DESTROY, 0, 0);
    BackendDestroyWindow(*w);
    // Timers the window procedure left running die with the window.
    for (UserTimer& t : w->timers) BackendStopTimer(*w, t);
    w->timers.clear();
    DropWindow(w);
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    State& state = Global();
    state.quitPosted = true;
    state.quitCode = exitCode;
}

HDC WINAPI GetDC(HWND window) {
    UserWindow* w = UserFindWindow(window);
    if (!w) return nullptr;
    return GdiCreateSurfaceDC(UserClientSurface(*w));
}

int WINAPI ReleaseDC(HWND window, HDC dc) {
    if (!dc) return 0;
    GdiDeleteSurfaceDC(dc);
    // Whatever was drawn through it lies on the client surface now.
    if (UserWindow* w = UserFindWindow(window)) {
        BackendSurfaceChanged(*w, RECT{0, 0, w->clientWidth, w->clientHeight});
    }
    return 1;
}
