// The program's entry and its one window.
#pragma once

#include "platform/win32.h"

constexpr UINT_PTR IdRules = 104;
constexpr UINT_PTR IdNewGame = 102;
constexpr UINT_PTR IdExit = 103;
constexpr UINT_PTR TimerId = 100;
constexpr UINT TimerPeriod = 1000;  // ms: the title clock shows whole seconds

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showState);
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
