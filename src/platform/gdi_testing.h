// What tests may ask of the software GDI: live counts, refused deletions and pixels.
#pragma once

#include "platform/win32.h"

#include <cstdint>

// Live GDI objects (brushes, fonts, bitmaps) and live DCs, memory and surface DCs alike.
int GdiLiveObjectCount();
int GdiLiveDCCount();
// How many DeleteObject/DeleteDC calls were refused because the object was still selected
// (or the DC still held a bitmap other than its first one).
int GdiRefusedDeleteCount();

// The pixel at (x, y) of the bitmap selected into dc, as a COLORREF (0x00BBGGRR); 0xFFFFFFFF when
// dc holds no readable pixels there.
COLORREF GdiGetPixel(HDC dc, int x, int y);
