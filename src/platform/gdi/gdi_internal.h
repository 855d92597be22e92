// The software GDI's object model, shared by the files of the layer (objects, text, resources) and by no one else.
#pragma once

#include "platform/gdi_surface.h"
#include "platform/win32.h"

#include <array>
#include <cstdint>
#include <vector>

struct GdiFace;  // a realised FreeType face at one pixel size; owned by the text code's cache

struct GdiBrush {
    bool hatched;
    int hatch;
    COLORREF colour;
};

struct GdiFont {
    LOGFONTA logFont;
    GdiFace* face;  // realised on first use; nullptr until then (and when no face can be found)
    bool realised;
};

// 32-bit bitmaps keep 0x00RRGGBB pixels; 8-bit ones keep palette indices and their own colour table.
// Both are stored top row first, whatever order the source had.
struct GdiBitmap {
    int width;
    int height;
    int bitCount;  // 32, 8, or 1 for the stock 1 x 1 bitmap of a fresh memory DC (which holds no pixels)
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint8_t> indices;
    std::array<std::uint32_t, 256> palette;  // 0x00RRGGBB
    HDC selectedInto;
};

struct GdiDC {
    bool onSurface;  // made by GdiCreateSurfaceDC: draws into a surface owned by a window back end
    GdiSurface surface;
    RECT surfaceClip;
    HBITMAP bitmap;
    HBITMAP firstBitmap;
    HBRUSH brush;
    HFONT font;
    COLORREF textColour;
    COLORREF bkColour;
    int bkMode;
};

// Where a DC's drawing lands: 0x00RRGGBB pixels and the rectangle that drawing may touch.
struct GdiTarget {
    std::uint32_t* pixels;
    int stride;
    RECT clip;  // already inside the pixels; empty when nothing may be drawn
};

GdiDC* GdiLookupDC(HDC dc);
GdiBrush* GdiLookupBrush(HBRUSH brush);
GdiFont* GdiLookupFont(HFONT font);
GdiBitmap* GdiLookupBitmap(HBITMAP bitmap);

// The pixels a DC draws into; pixels is nullptr when it has none (a fresh memory DC, an 8-bit bitmap).
GdiTarget GdiTargetOf(const GdiDC& dc);
RECT GdiIntersect(const RECT& a, const RECT& b);
bool GdiIsEmpty(const RECT& r);

inline std::uint32_t GdiPixelFromColour(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF GdiColourFromPixel(std::uint32_t p) {
    return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

// An 8-bit device-independent bitmap with its colour table (256 entries of 0x00RRGGBB) and its indices given
// top row first; the result counts as a live object like any other bitmap.
HBITMAP GdiCreateIndexedBitmap(int width, int height, const std::uint32_t* palette,
                               const std::uint8_t* topDownIndices);
