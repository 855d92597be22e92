// How long the renderer takes: a whole board, and one click's redraw (two cells and the copy to the window).
#include "game/board.h"
#include "game/rules.h"
#include "platform/gdi_surface.h"
#include "render/board_renderer.h"
#include "render/pictures.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int ClientPixels = 299;
std::vector<std::uint32_t> windowPixels(ClientPixels * ClientPixels);
HWND const mainWindow = reinterpret_cast<HWND>(1);

// The renderer as the window's create handler leaves it, with a fresh board drawn.
struct Renderer {
    Renderer() {
        LoadPictures(nullptr);
        CreateDrawingObjects(mainWindow);
        pictureCounter = 0;
        NewGame();
    }
    ~Renderer() {
        DestroyDrawingObjects();
        ReleasePictures();
    }
};

void BM_DrawBoard(benchmark::State& state) {
    Renderer renderer;
    for (auto _ : state) {
        DrawBoard();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawBoard)->Unit(benchmark::kMicrosecond);

// A click that closes a pair redraws two cells, then the paint handler copies the back buffer to the window.
// The pair is opened and closed in turn, so half the redraws draw digits and half only the picture.
void BM_ClickRedraw(benchmark::State& state) {
    Renderer renderer;
    HDC window = GdiCreateSurfaceDC(GdiSurface{windowPixels.data(), ClientPixels, ClientPixels, ClientPixels});
    bool closed = false;
    for (auto _ : state) {
        closed = !closed;
        gameState.board[4][5].state = closed ? Closed : Open;
        gameState.board[4][6].state = closed ? Closed : Open;
        DrawCell(4, 5);
        DrawCell(4, 6);
        PresentBackBuffer(window);
        benchmark::ClobberMemory();
    }
    GdiDeleteSurfaceDC(window);
}
BENCHMARK(BM_ClickRedraw)->Unit(benchmark::kMicrosecond);

// A click that selects a cell: one cell with its hatch and digit, then the copy.
void BM_SelectRedraw(benchmark::State& state) {
    Renderer renderer;
    HDC window = GdiCreateSurfaceDC(GdiSurface{windowPixels.data(), ClientPixels, ClientPixels, ClientPixels});
    bool selected = false;
    for (auto _ : state) {
        selected = !selected;
        gameState.board[2][2].state = selected ? Selected : Open;
        DrawCell(2, 2);
        PresentBackBuffer(window);
        benchmark::ClobberMemory();
    }
    GdiDeleteSurfaceDC(window);
}
BENCHMARK(BM_SelectRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

// The window's DC while the back buffer is made: a plain client-sized surface, as no window is opened here.
HDC WINAPI GetDC(HWND) {
    return GdiCreateSurfaceDC(GdiSurface{windowPixels.data(), ClientPixels, ClientPixels, ClientPixels});
}
int WINAPI ReleaseDC(HWND, HDC dc) {
    GdiDeleteSurfaceDC(dc);
    return 1;
}

BENCHMARK_MAIN();
