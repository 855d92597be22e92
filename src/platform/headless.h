// How tests drive the window-less USER back end (kv_platform_user_headless): they act as the player and
// the desktop, posting input, ticking timers, reading the window and answering its message boxes.
#pragma once

#include "platform/win32.h"

#include <functional>
#include <string>
#include <vector>

struct HeadlessMessageBox {
    std::string text;     // Windows-1251, as given to MessageBoxA
    std::string caption;  // Windows-1251
    UINT type;
};

// Forgets every window, class, menu, timer, queued message, message box and handler, as a new process
// would start. Call it before each run of WinMain.
void HeadlessReset();

// From now on windows cannot be made, as when the display is gone: CreateWindowExA returns NULL.
void HeadlessRefuseWindows();

// Called by GetMessageA whenever nothing is waiting. The handler plays the user: it posts input or ticks
// timers. If it leaves nothing to take, the program would wait for ever: the run is aborted instead.
void HeadlessSetIdleHandler(std::function<void()> handler);
// Called while a message box is open, with the box. Until it returns the box stays open; whatever it posts
// is dispatched inside the box before the box is dismissed. Without a handler a box is dismissed at once.
void HeadlessSetMessageBoxHandler(std::function<void(const HeadlessMessageBox&)> handler);
// Every message box opened since the last reset, in order.
const std::vector<HeadlessMessageBox>& HeadlessMessageBoxes();
bool HeadlessMessageBoxOpen();

// Input as the player gives it to the main window. Each returns false, and posts nothing, when there is no
// window or a message box is open (the window takes no input then).
bool HeadlessClick(int x, int y);              // left button pressed at client pixel (x, y)
bool HeadlessMenuCommand(UINT_PTR id);          // a menu item chosen
bool HeadlessCloseRequest();                    // the close box, Alt+F4 or the system menu's Close
// A message posted to the main window by another program: it takes any values. False without a window.
bool HeadlessPostMessage(UINT message, WPARAM wParam, LPARAM lParam);
// One period of every timer of the main window passes.
void HeadlessTimerTick();
// Whether GetMessageA would find a message now, without waiting.
bool HeadlessMessageWaiting();
// Dispatches what waits (inside an open box: paint and timer messages) before returning.
void HeadlessDispatchPending();

// What the main window shows; empty or zero values when there is no window.
bool HeadlessWindowExists();
bool HeadlessWindowVisible();
std::string HeadlessTitle();  // Windows-1251
int HeadlessClientWidth();
int HeadlessClientHeight();
// A client pixel as a COLORREF (0x00BBGGRR); 0xFFFFFFFF outside the client area.
COLORREF HeadlessClientPixel(int x, int y);
int HeadlessTimerCount();
// The menu bar's items, left to right: identifier and Windows-1251 label.
std::vector<std::pair<UINT_PTR, std::string>> HeadlessMenuItems();
// How many times something was drawn on the client surface (EndPaint, ReleaseDC) since the last reset.
int HeadlessPaintCount();
// How many timers the last destroyed window still had after its WM_DESTROY; -1 before any was destroyed.
int HeadlessTimersAtDestroy();
