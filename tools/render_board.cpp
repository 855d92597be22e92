// Renders a game in progress into the back buffer and saves it as a .bmp, to look at: render_board out.bmp [picture]
// The board is the one of tick count 0; the first dozen pairs found are closed and one more cell is selected.
#include "game/board.h"
#include "game/rules.h"
#include "platform/gdi_surface.h"
#include "platform/gdi_testing.h"
#include "render/board_renderer.h"
#include "render/pictures.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::vector<std::uint32_t> windowPixels(299 * 299);

void Put(std::vector<unsigned char>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

}  // namespace

// The window's DC: a plain client-sized surface, as no window is opened here.
HDC WINAPI GetDC(HWND) { return GdiCreateSurfaceDC(GdiSurface{windowPixels.data(), 299, 299, 299}); }
int WINAPI ReleaseDC(HWND, HDC dc) {
    GdiDeleteSurfaceDC(dc);
    return 1;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_board out.bmp [picture 0..2]\n");
        return 2;
    }
    LoadPictures(nullptr);
    CreateDrawingObjects(reinterpret_cast<HWND>(1));
    pictureCounter = argc > 2 ? std::atoi(argv[2]) : 0;
    NewGame();
    int pairs = 0;
    for (int r = 0; r < BoardSize && pairs < 12; ++r)
        for (int c = 0; c + 1 < BoardSize && pairs < 12; ++c) {
            const Cell& a = gameState.board[r][c];
            const Cell& b = gameState.board[r][c + 1];
            if (a.state == Open && b.state == Open && a.value + b.value == PairSum) {
                ClickCell(r, c);
                ClickCell(r, c + 1);
                ++pairs;
            }
        }
    ClickCell(6, 4);

    // A 24-bit bottom-up .bmp of the whole 300 x 300 back buffer.
    std::vector<unsigned char> out;
    const std::uint32_t size = 54 + 300 * 300 * 3;
    out.push_back('B');
    out.push_back('M');
    for (std::uint32_t v : {size, 0u, 54u, 40u, 300u, 300u}) Put(out, v, 4);
    Put(out, 1, 2);
    Put(out, 24, 2);
    for (int i = 0; i < 6; ++i) Put(out, 0, 4);
    for (int y = 299; y >= 0; --y)
        for (int x = 0; x < 300; ++x) {
            const COLORREF c = GdiGetPixel(backBufferDC, x, y);
            out.push_back(GetBValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetRValue(c));
        }
    DestroyDrawingObjects();
    ReleasePictures();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
        std::fprintf(stderr, "render_board: cannot write %s\n", argv[1]);
        return 1;
    }
    return GdiLiveObjectCount() == 0 && GdiLiveDCCount() == 0 ? 0 : 3;
}
