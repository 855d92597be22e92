// A stand-in for the USER layer's GetDC/ReleaseDC, linked into the renderer's tests and benchmarks.
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <vector>

constexpr int WindowPixels = 299;  // the client area: the back buffer's last column and row never show
extern std::vector<std::uint32_t> windowPixels;
extern int windowDCsHeld;  // GetDC calls not yet matched by ReleaseDC
