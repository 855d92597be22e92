// WinMain and the window procedure: the menu, the title clock, clicks on the board and the two message boxes.
#include "app/main_window.h"

#include "app/texts.h"
#include "game/board.h"
#include "game/clock.h"
#include "game/rules.h"
#include "render/board_renderer.h"
#include "render/pictures.h"

namespace {

constexpr char WindowClassName[] = "mv395068";
// Caption, system menu and minimize box; no sizing border and no maximize box: the board has one size.
constexpr DWORD WindowStyle = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
static_assert(WindowStyle == 0x16CA0000);
// One pixel short of the 300-pixel board image each way: its last column and row never show.
constexpr int ClientPixels = 299;
constexpr int TextBufferSize = 256;

LRESULT OnCreate(HWND window) {
    // The drawing objects and the picture must be ready before the first board is drawn.
    CreateDrawingObjects(window);
    pictureCounter = 0;
    NewGame();
    SetTimer(window, TimerId, TimerPeriod, nullptr);
    return 0;
}

LRESULT OnDestroy(HWND window) {
    KillTimer(window, TimerId);
    DestroyDrawingObjects();
    PostQuitMessage(0);
    return 0;
}

LRESULT OnPaint(HWND window) {
    if (!GetUpdateRect(window, nullptr, FALSE)) return 0;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PresentBackBuffer(dc);
    EndPaint(window, &paint);
    return 0;
}

LRESULT OnTimer(HWND window, WPARAM wParam, LPARAM lParam, char* text) {
    // The time is read afresh at every tick, so late or lost ticks never make the clock drift.
    if (gameState.gameWon) {
        SetWindowTextA(window, TitleText);
    } else {
        TimeDisplay shown = SplitElapsed(ElapsedSeconds());
        wsprintfA(text, TitleClockFormat, TitleText, shown.minutes, shown.seconds);
        SetWindowTextA(window, text);
    }
    return DefWindowProcA(window, WM_TIMER, wParam, lParam);
}

LRESULT OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam, char* text) {
    auto x = static_cast<short>(LOWORD(lParam));
    auto y = static_cast<short>(HIWORD(lParam));
    // The mouse only clicks inside the 299 x 299 client area, but another program may post any position;
    // ClickCell indexes the board unchecked, so such a message goes to the default handling alone.
    if (x < 0 || y < 0 || x >= ClientPixels || y >= ClientPixels) {
        return DefWindowProcA(window, WM_LBUTTONDOWN, wParam, lParam);
    }
    gameState.gameWon = ClickCell(y / CellPixels, x / CellPixels);
    // The changed cells reach the screen before anything else happens, the win box included.
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    if (gameState.gameWon) {
        TimeDisplay shown = SplitElapsed(ElapsedSeconds());
        wsprintfA(text, WinMessageFormat, shown.minutes, shown.seconds);
        MessageBoxA(window, text, TitleText, MB_OK | MB_ICONEXCLAMATION);
        ++pictureCounter;
        NewGame();
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    return DefWindowProcA(window, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    // Only the identifier counts, whoever sent it: the notification code and the control are ignored.
    switch (LOWORD(wParam)) {
        case IdNewGame:
            NewGame();  // the picture stays: pictureCounter moves only on a win
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
            return 0;
        case IdExit:
            DestroyWindow(window);
            return 0;
        case IdRules:
            MessageBoxA(window, RulesText, TitleText, MB_OK | MB_ICONINFORMATION);
            return 0;
        default:
            return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The title clock and the win message share this buffer; the longest text is under 100 characters.
    char text[TextBufferSize];
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_DESTROY:
            return OnDestroy(window);
        case WM_PAINT:
            return OnPaint(window);
        case WM_COMMAND:
            return OnCommand(window, wParam, lParam);
        case WM_TIMER:
            return OnTimer(window, wParam, lParam, text);
        case WM_LBUTTONDOWN:
            return OnLButtonDown(window, wParam, lParam, text);
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPSTR /*commandLine*/, int /*showState*/) {
    // The create handler draws the first board, so the pictures come first of all.
    LoadPictures(instance);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = 0;  // no CS_DBLCLKS: a double click is two clicks
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_INFORMATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;  // never erased before a paint, so the board does not flicker
    windowClass.lpszClassName = WindowClassName;
    if (RegisterClassExA(&windowClass) != 0) {
        RECT frame{0, 0, ClientPixels, ClientPixels};
        AdjustWindowRectEx(&frame, WindowStyle, TRUE, WS_EX_APPWINDOW);

        HMENU menu = CreateMenu();
        AppendMenuA(menu, MF_STRING, IdRules, RulesMenuLabel);
        AppendMenuA(menu, MF_STRING, IdNewGame, NewGameMenuLabel);
        AppendMenuA(menu, MF_STRING, IdExit, ExitMenuLabel);

        HWND window = CreateWindowExA(WS_EX_APPWINDOW, WindowClassName, TitleText, WindowStyle, CW_USEDEFAULT,
                                      CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                      GetDesktopWindow(), menu, instance, nullptr);
        if (window) {
            // Whatever show state the starter asked for, the window opens at its one size.
            ShowWindow(window, SW_SHOWNORMAL);
            UpdateWindow(window);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
    ReleasePictures();
    return 0;
}
