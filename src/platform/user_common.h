// What the two USER back ends share: the window record, the class table, the message queue, the update
// region and the timers. The back ends only put windows on a screen (or not) and turn input into messages.
#pragma once

#include "platform/gdi_surface.h"
#include "platform/win32.h"

#include <cstdint>
#include <string>
#include <vector>

struct UserMenuItem {
    UINT_PTR id;
    std::string label;  // Windows-1251, with the '&' that marks the mnemonic
};

struct UserMenu {
    std::vector<UserMenuItem> items;
};

struct UserTimer {
    UINT_PTR id;
    UINT period;
    bool due;            // came due since the last WM_TIMER for it; several expiries make one message
    unsigned source;     // the back end's handle for the periodic source, 0 when it has none
};

struct UserWindow {
    WNDPROC proc;
    DWORD style;
    DWORD exStyle;
    std::string title;  // Windows-1251
    UserMenu* menu;     // owned by the window from creation on; nullptr when it has none
    bool visible;
    bool destroying;
    // The retained client surface, 0x00RRGGBB per pixel, row after row without padding.
    std::vector<std::uint32_t> pixels;
    int clientWidth;
    int clientHeight;
    RECT invalid;  // bounding box of what waits to be painted; empty when left >= right
    bool eraseRequested;
    std::vector<UserTimer> timers;
    void* backend;  // the back end's own data for this window
};

// ---- For the back ends -----------------------------------------------------------------------

// The live window behind a handle, or nullptr for a handle that names no (or no longer a) window.
UserWindow* UserFindWindow(HWND window);
HWND UserHandle(UserWindow* window);
// The live windows, oldest first.
const std::vector<UserWindow*>& UserWindows();

// Puts a message at the end of the thread's queue, as PostMessage does.
void UserPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// True while a message box is open: the windows take no input then.
bool UserModalActive();
// Marks a timer as due; the next GetMessageA with nothing else waiting turns it into WM_TIMER.
void UserTimerDue(HWND window, UINT_PTR id);
// Takes the next message as GetMessageA would, without waiting: posted messages first, then the quit
// message, then WM_PAINT for a window with something to paint, then WM_TIMER for a due timer. Inside a
// message box (modal) input messages are thrown away and the quit message is left for later.
bool UserTakeMessage(MSG* message, bool modal);
// Whether UserTakeMessage (not modal) would find something.
bool UserHasMessage();
// The client surface of a window as the software GDI sees it.
GdiSurface UserClientSurface(UserWindow& window);
// Forgets every window, class, menu, timer and queued message: the state of a fresh process.
void UserResetState();

// ---- Provided by each back end ---------------------------------------------------------------

// Builds what shows the window (not yet shown); false when that fails.
bool BackendCreateWindow(UserWindow& window);
void BackendShowWindow(UserWindow& window);
void BackendDestroyWindow(UserWindow& window);
void BackendTitleChanged(UserWindow& window);
// Starts and stops the periodic source that calls UserTimerDue.
void BackendStartTimer(UserWindow& window, UserTimer& timer);
void BackendStopTimer(UserWindow& window, UserTimer& timer);
// Part of the client surface was drawn: show it.
void BackendSurfaceChanged(UserWindow& window, const RECT& area);
// GetMessageA found nothing to take: wait until something happens.
void BackendWait();
// Shows a modal message box and returns once it is dismissed; meanwhile timer and paint messages go on
// being dispatched (through UserTakeMessage with modal true).
void BackendMessageBox(UserWindow* owner, const char* text, const char* caption, UINT type);
