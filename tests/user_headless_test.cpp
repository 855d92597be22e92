// The USER layer on its own, through the headless back end: creation, the queue's order, painting, timers,
// message boxes and destruction, seen from a window procedure that records what reaches it.
#include "platform/gdi_testing.h"
#include "platform/headless.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Received> received;
// What the procedure does besides recording; the default handling when empty.
std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> behaviour;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    received.push_back(Received{message, wParam, lParam});
    if (behaviour) return behaviour(window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

std::vector<UINT> Messages() {
    std::vector<UINT> ids;
    for (const Received& r : received) ids.push_back(r.message);
    return ids;
}

constexpr DWORD Style = 0x16CA0000;
constexpr char ClassName[] = "TestClass";

class UserLayer : public ::testing::Test {
protected:
    void SetUp() override {
        HeadlessReset();
        received.clear();
        behaviour = nullptr;
    }
    void TearDown() override {
        HeadlessReset();
        behaviour = nullptr;
    }

    static ATOM Register(const char* name = ClassName) {
        WNDCLASSEXA c{};
        c.cbSize = sizeof(WNDCLASSEXA);
        c.lpfnWndProc = RecordingProc;
        c.lpszClassName = name;
        return RegisterClassExA(&c);
    }

    // A window with a 299 x 299 client area under a menu bar, as the game makes it.
    static HWND Create(const char* className = ClassName) {
        RECT frame{0, 0, 299, 299};
        AdjustWindowRectEx(&frame, Style, TRUE, WS_EX_APPWINDOW);
        HMENU menu = CreateMenu();
        AppendMenuA(menu, MF_STRING, 104, "&A");
        return CreateWindowExA(WS_EX_APPWINDOW, className, "Title", Style, CW_USEDEFAULT, CW_USEDEFAULT,
                               frame.right - frame.left, frame.bottom - frame.top, GetDesktopWindow(), menu,
                               nullptr, nullptr);
    }

    // Paints whatever waits with a plain BeginPaint/EndPaint, as a window procedure does.
    static LRESULT PaintNothing(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

TEST_F(UserLayer, CreationSendsCreateBeforeReturningAndNeedsARegisteredClass) {
    EXPECT_EQ(Create("NoSuchClass"), nullptr);
    EXPECT_TRUE(received.empty());

    ASSERT_NE(Register(), 0);
    EXPECT_EQ(Register("testclass"), 0) << "class names are one name whatever their case";
    HWND created = nullptr;
    behaviour = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_CREATE) created = window;
        return DefWindowProcA(window, message, wParam, lParam);
    };
    HWND window = Create();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(created, window);
    EXPECT_EQ(Messages(), std::vector<UINT>{WM_CREATE});
    EXPECT_EQ(HeadlessClientWidth(), 299);
    EXPECT_EQ(HeadlessClientHeight(), 299);
    EXPECT_TRUE(HeadlessWindowVisible()) << "WS_VISIBLE shows the window once it is created";
    ASSERT_EQ(HeadlessMenuItems().size(), 1u);
    EXPECT_EQ(HeadlessMenuItems()[0].first, 104u);
    EXPECT_EQ(HeadlessMenuItems()[0].second, "&A");
}

TEST_F(UserLayer, CreateHandlerThatFailsLeavesNoWindow) {
    Register();
    behaviour = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_CREATE) return -1;
        return DefWindowProcA(window, message, wParam, lParam);
    };
    EXPECT_EQ(Create(), nullptr);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
    EXPECT_FALSE(HeadlessWindowExists());
}

TEST_F(UserLayer, MenuBarTakesOnlyTextCommands) {
    HMENU menu = CreateMenu();
    EXPECT_TRUE(AppendMenuA(menu, MF_STRING, 1, "one"));
    EXPECT_FALSE(AppendMenuA(menu, 0x10 /* MF_POPUP */, 2, "two"));
    EXPECT_FALSE(AppendMenuA(nullptr, MF_STRING, 3, "three"));
}

TEST_F(UserLayer, QueueGivesPostedMessagesThenPaintThenTimerAndQuitLast) {
    Register();
    behaviour = PaintNothing;
    HWND window = Create();
    SetTimer(window, 7, 1000, nullptr);
    HeadlessTimerTick();
    HeadlessTimerTick();  // two periods passed unseen: still one WM_TIMER
    HeadlessClick(10, 20);
    HeadlessMenuCommand(104);
    received.clear();

    MSG message;
    std::vector<UINT> order;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
        order.push_back(message.message);
        if (message.message == WM_LBUTTONDOWN) {
            EXPECT_EQ(LOWORD(message.lParam), 10);
            EXPECT_EQ(HIWORD(message.lParam), 20);
        }
        if (message.message == WM_COMMAND) {
            EXPECT_EQ(message.wParam, 104u);
        }
        if (message.message == WM_TIMER) {
            EXPECT_EQ(message.wParam, 7u);
        }
        DispatchMessageA(&message);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_LBUTTONDOWN, WM_COMMAND, WM_PAINT, WM_TIMER}));

    PostQuitMessage(0);
    HeadlessPostMessage(WM_COMMAND, 102, 0);
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_COMMAND)) << "posted messages come before the quit";
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(UserLayer, UpdateWindowPaintsAtOnceOnlyWhenSomethingWaits) {
    Register();
    behaviour = PaintNothing;
    HWND window = Create();
    RECT waiting;
    EXPECT_TRUE(GetUpdateRect(window, &waiting, FALSE)) << "a new window has everything to paint";
    received.clear();
    UpdateWindow(window);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND})) << "a new window's first paint erases";
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));

    received.clear();
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(Messages(), std::vector<UINT>{WM_PAINT}) << "no erase asked, so no WM_ERASEBKGND";

    received.clear();
    UpdateWindow(window);
    EXPECT_TRUE(received.empty());

    received.clear();
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
}

TEST_F(UserLayer, PaintDeviceContextIsClippedToWhatWaits) {
    Register();
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    HBRUSH fill = red;
    bool erasedFlag = false;
    behaviour = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        erasedFlag = paint.fErase != FALSE;
        RECT all{0, 0, 400, 400};
        FillRect(dc, &all, fill);
        EndPaint(window, &paint);
        return 0;
    };
    HWND window = Create();
    UpdateWindow(window);
    EXPECT_TRUE(erasedFlag) << "left to the default handling, the background is still to be erased";
    EXPECT_EQ(HeadlessClientPixel(298, 298), RGB(255, 0, 0));

    fill = blue;
    RECT part{30, 60, 60, 90};
    InvalidateRect(window, &part, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(HeadlessClientPixel(30, 60), RGB(0, 0, 255));
    EXPECT_EQ(HeadlessClientPixel(59, 89), RGB(0, 0, 255));
    EXPECT_EQ(HeadlessClientPixel(29, 60), RGB(255, 0, 0));
    EXPECT_EQ(HeadlessClientPixel(60, 89), RGB(255, 0, 0));
    EXPECT_EQ(HeadlessClientPixel(59, 90), RGB(255, 0, 0));
    EXPECT_EQ(HeadlessClientPixel(299, 0), 0xFFFFFFFFu) << "the client area ends at 298";

    EXPECT_EQ(GdiLiveDCCount(), 0) << "the paint DC is gone after EndPaint";
    DestroyWindow(window);
    DeleteObject(red);
    DeleteObject(blue);
}

TEST_F(UserLayer, WindowDeviceContextDrawsOnTheClientSurface) {
    Register();
    behaviour = PaintNothing;
    HWND window = Create();
    HDC dc = GetDC(window);
    ASSERT_NE(dc, nullptr);
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    RECT r{5, 5, 6, 6};
    FillRect(dc, &r, green);
    ReleaseDC(window, dc);
    EXPECT_EQ(HeadlessClientPixel(5, 5), RGB(0, 255, 0));
    EXPECT_EQ(GdiLiveDCCount(), 0);
    DeleteObject(green);
}

TEST_F(UserLayer, DestroySendsDestroyFirstAndTakesQueueAndTimersAlong) {
    Register();
    behaviour = PaintNothing;
    HWND window = Create();
    SetTimer(window, 1, 1000, nullptr);
    HeadlessTimerTick();
    HeadlessClick(1, 1);
    received.clear();
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(Messages(), std::vector<UINT>{WM_DESTROY});
    EXPECT_FALSE(HeadlessWindowExists());
    EXPECT_EQ(HeadlessTimersAtDestroy(), 1) << "the procedure left its timer running";
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_FALSE(SetWindowTextA(window, "gone"));

    PostQuitMessage(3);
    MSG message;
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0)) << "nothing of the dead window is left before the quit";
    EXPECT_EQ(message.wParam, 3u);
}

TEST_F(UserLayer, CloseRequestDestroysThroughTheDefaultHandling) {
    Register();
    behaviour = PaintNothing;
    HWND window = Create();
    UpdateWindow(window);
    HeadlessCloseRequest();
    MSG message;
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_CLOSE));
    received.clear();
    EXPECT_EQ(DispatchMessageA(&message), 0);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(HeadlessWindowExists());
}

TEST_F(UserLayer, TimersFireOnlyWhileSetAndSettingAgainKeepsOne) {
    Register();
    behaviour = PaintNothing;
    HWND window = Create();
    UpdateWindow(window);
    EXPECT_EQ(SetTimer(window, 5, 1000, nullptr), 5u);
    EXPECT_EQ(SetTimer(window, 5, 500, nullptr), 5u);
    EXPECT_EQ(HeadlessTimerCount(), 1);
    EXPECT_TRUE(KillTimer(window, 5));
    EXPECT_FALSE(KillTimer(window, 5));
    HeadlessTimerTick();
    HeadlessClick(3, 3);
    MSG message;
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_LBUTTONDOWN));
    // Nothing else is left: the idle handler is asked, and ends the run.
    HeadlessSetIdleHandler([] { PostQuitMessage(0); });
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
}

TEST_F(UserLayer, MessageBoxKeepsTimerAndPaintGoingAndRefusesInput) {
    Register();
    behaviour = PaintNothing;
    HWND window = Create();
    UpdateWindow(window);
    SetTimer(window, 9, 1000, nullptr);
    HeadlessPostMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(5, 5));  // already queued when the box opens
    std::vector<UINT> insideBox;
    HeadlessSetMessageBoxHandler([&](const HeadlessMessageBox& box) {
        EXPECT_EQ(box.text, "text");
        EXPECT_EQ(box.caption, "caption");
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_TRUE(HeadlessMessageBoxOpen());
        EXPECT_FALSE(HeadlessClick(10, 10));
        EXPECT_FALSE(HeadlessMenuCommand(102));
        EXPECT_FALSE(HeadlessCloseRequest());
        received.clear();
        HeadlessTimerTick();
        InvalidateRect(window, nullptr, FALSE);
        HeadlessDispatchPending();
        insideBox = Messages();
    });
    EXPECT_EQ(MessageBoxA(window, "text", "caption", MB_OK | MB_ICONINFORMATION), 1);
    EXPECT_EQ(insideBox, (std::vector<UINT>{WM_PAINT, WM_TIMER}));
    EXPECT_FALSE(HeadlessMessageBoxOpen());
    ASSERT_EQ(HeadlessMessageBoxes().size(), 1u);
    EXPECT_TRUE(HeadlessClick(10, 10)) << "the window takes input again once the box is gone";
}

TEST_F(UserLayer, SystemIconAndCursorExistForTheClass) {
    EXPECT_NE(LoadIconA(nullptr, IDI_INFORMATION), nullptr);
    EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
    RECT r{0, 0, 299, 299};
    AdjustWindowRectEx(&r, Style, TRUE, WS_EX_APPWINDOW);
    EXPECT_LT(r.left, 0);
    EXPECT_LT(r.top, 0);
    EXPECT_GT(r.right, 299);
    EXPECT_GT(r.bottom, 299);
}

using UserLayerDeathTest = UserLayer;

TEST_F(UserLayerDeathTest, WaitingForInputThatNeverComesEndsTheRun) {
    Register();
    behaviour = PaintNothing;
    EXPECT_DEATH(
        {
            HWND window = Create();
            UpdateWindow(window);
            MSG message;
            GetMessageA(&message, nullptr, 0, 0);
        },
        "waits for input");
}

}  // namespace
