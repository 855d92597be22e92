// How the window back ends hand their client pixels to the software GDI: a DC drawn straight into a
// surface that the back end owns. Used by the USER back ends and by the layer's own tests, never by the game.
#pragma once

#include "platform/win32.h"

#include <cstdint>

// A surface of 32-bit pixels, 0x00RRGGBB in each uint32_t (blue in the lowest byte in memory, as a
// 32-bit device bitmap and cairo's RGB24 both lay them out). stride is in pixels.
struct GdiSurface {
    std::uint32_t* pixels;
    int width;
    int height;
    int stride;
};

// A DC with the platform's defaults that draws into surface (not copied: the memory must outlive the DC).
// Its clip rectangle is the whole surface until GdiSetSurfaceClip narrows it.
HDC GdiCreateSurfaceDC(GdiSurface surface);
// Clip every later drawing on dc to clip (intersected with the surface); nullptr restores the whole surface.
void GdiSetSurfaceClip(HDC dc, const RECT* clip);
// Frees a DC made by GdiCreateSurfaceDC (the surface itself belongs to the caller).
void GdiDeleteSurfaceDC(HDC dc);
