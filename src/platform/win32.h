// The subset of the Win32 API that the game calls, spelled as the platform spells it.
// On Windows this header would only include the system one; on Linux our own layer implements it.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else

#include <cstdint>

#define WINAPI
#define CALLBACK

// ---- Basic types -----------------------------------------------------------------------------

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef unsigned int UINT;
typedef std::int32_t LONG;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef std::uintptr_t UINT_PTR;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef WORD ATOM;
typedef DWORD COLORREF;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Handles are opaque: each kind is a distinct pointer type; GDI objects all convert to HGDIOBJ.
struct HWND__;
struct HDC__;
struct HMENU__;
struct HICON__;
struct HINSTANCE__;
struct HBRUSH__;
struct HFONT__;
struct HBITMAP__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HMENU__* HMENU;
typedef HICON__* HICON;
typedef HICON HCURSOR;
typedef HINSTANCE__* HINSTANCE;
typedef void* HGDIOBJ;
typedef void* HANDLE;
typedef HBRUSH__* HBRUSH;
typedef HFONT__* HFONT;
typedef HBITMAP__* HBITMAP;

#define LOWORD(l) (static_cast<WORD>(static_cast<std::uintptr_t>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<std::uintptr_t>(l) >> 16) & 0xFFFF))
#define MAKELPARAM(lo, hi) \
    (static_cast<LPARAM>(static_cast<DWORD>((static_cast<WORD>(lo)) | (static_cast<DWORD>(static_cast<WORD>(hi)) << 16))))
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define RGB(r, g, b) (static_cast<COLORREF>((BYTE)(r) | ((WORD)(BYTE)(g) << 8) | ((DWORD)(BYTE)(b) << 16)))
#define GetRValue(c) (static_cast<BYTE>((c) & 0xFF))
#define GetGValue(c) (static_cast<BYTE>(((c) >> 8) & 0xFF))
#define GetBValue(c) (static_cast<BYTE>(((c) >> 16) & 0xFF))

// ---- Records ---------------------------------------------------------------------------------

struct POINT {
    LONG x;
    LONG y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

#define LF_FACESIZE 32

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};

// ---- Constants -------------------------------------------------------------------------------

// Window messages.
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_LBUTTONDOWN 0x0201

// Window styles.
#define WS_VISIBLE 0x10000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_EX_APPWINDOW 0x00040000L
#define CW_USEDEFAULT (static_cast<int>(0x80000000))
#define SW_SHOWNORMAL 1

// Menus and message boxes.
#define MF_STRING 0x00000000L
#define MB_OK 0x00000000L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONINFORMATION 0x00000040L

// System icon and cursor.
#define IDI_INFORMATION MAKEINTRESOURCEA(32516)
#define IDC_ARROW MAKEINTRESOURCEA(32512)

// Images.
#define IMAGE_BITMAP 0
#define LR_CREATEDIBSECTION 0x00002000

// GDI.
#define HS_DIAGCROSS 5
#define TRANSPARENT 1
#define OPAQUE 2
#define DT_CENTER 0x00000001
#define DT_VCENTER 0x00000004
#define DT_SINGLELINE 0x00000020
#define SRCCOPY static_cast<DWORD>(0x00CC0020)
#define FW_DONTCARE 0
#define ANSI_CHARSET 0
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define ANTIALIASED_QUALITY 4
#define DEFAULT_PITCH 0
#define FF_DONTCARE 0

// ---- KERNEL32 --------------------------------------------------------------------------------

DWORD WINAPI GetTickCount();
void WINAPI GetLocalTime(SYSTEMTIME* time);

// ---- GDI32 (with USER32's FillRect, DrawTextA, GetDC, ReleaseDC) -----------------------------

HDC WINAPI GetDC(HWND window);
int WINAPI ReleaseDC(HWND window, HDC dc);
HDC WINAPI CreateCompatibleDC(HDC dc);
HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height);
HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object);
HBRUSH WINAPI CreateSolidBrush(COLORREF colour);
HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF colour);
HFONT WINAPI CreateFontIndirectA(const LOGFONTA* font);
int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom);
COLORREF WINAPI SetTextColor(HDC dc, COLORREF colour);
int WINAPI SetBkMode(HDC dc, int mode);
int WINAPI DrawTextA(HDC dc, LPCSTR text, int length, RECT* rect, UINT format);
BOOL WINAPI BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                   DWORD rop);
BOOL WINAPI DeleteObject(HGDIOBJ object);
BOOL WINAPI DeleteDC(HDC dc);

// USER32's formatter; knows the directives the game uses ("%d", "%02d", "%s").
int wsprintfA(LPSTR buffer, LPCSTR format, ...);

// ---- Resources -------------------------------------------------------------------------------

HANDLE WINAPI LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags);

// ---- USER32 ----------------------------------------------------------------------------------

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name);
ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass);
BOOL WINAPI AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
HMENU WINAPI CreateMenu();
BOOL WINAPI AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR label);
HWND WINAPI GetDesktopWindow();
HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
BOOL WINAPI ShowWindow(HWND window, int show);
BOOL WINAPI UpdateWindow(HWND window);
BOOL WINAPI GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax);
BOOL WINAPI TranslateMessage(const MSG* message);
LRESULT WINAPI DispatchMessageA(const MSG* message);
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL WINAPI GetUpdateRect(HWND window, RECT* rect, BOOL erase);
HDC WINAPI BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase);
UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT period, void* timerProc);
BOOL WINAPI KillTimer(HWND window, UINT_PTR id);
BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text);
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
BOOL WINAPI DestroyWindow(HWND window);
void WINAPI PostQuitMessage(int exitCode);

#endif  // _WIN32
