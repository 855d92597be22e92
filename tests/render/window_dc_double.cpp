// The window's DC for the renderer's tests: a surface DC on a plain 299 x 299 buffer, like the real client area.
#include "tests/render/window_dc_double.h"

#include "platform/gdi_surface.h"

std::vector<std::uint32_t> windowPixels(WindowPixels * WindowPixels);
int windowDCsHeld = 0;

HDC WINAPI GetDC(HWND) {
    ++windowDCsHeld;
    return GdiCreateSurfaceDC(GdiSurface{windowPixels.data(), WindowPixels, WindowPixels, WindowPixels});
}

int WINAPI ReleaseDC(HWND, HDC dc) {
    --windowDCsHeld;
    GdiDeleteSurfaceDC(dc);
    return 1;
}
