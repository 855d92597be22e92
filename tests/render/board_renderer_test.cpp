// The board renderer checked pixel by pixel on the software GDI: boxes, hatch, digits, pictures and the DC's state.
#include "render/board_renderer.h"

#include "game/board.h"
#include "platform/gdi_surface.h"
#include "platform/gdi_testing.h"
#include "render/pictures.h"
#include "tests/render/window_dc_double.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF White = 0x00FFFFFF;
constexpr COLORREF Black = 0x00000000;
constexpr COLORREF Red = 0x000000FF;
HWND const mainWindow = reinterpret_cast<HWND>(0x1234);

using Image = std::vector<COLORREF>;

bool OnHatchLine(int x, int y) { return ((x - y) % 8 + 8) % 8 == 0 || (x + y) % 8 == 7; }

// The renderer as the window's create handler leaves it, over a board of known digits.
struct RendererTest : ::testing::Test {
    int objectsBefore = 0, dcsBefore = 0, refusedBefore = 0;

    void SetUp() override {
        objectsBefore = GdiLiveObjectCount();
        dcsBefore = GdiLiveDCCount();
        refusedBefore = GdiRefusedDeleteCount();
        LoadPictures(nullptr);
        ASSERT_NE(pictures[0], nullptr);
        CreateDrawingObjects(mainWindow);
        pictureCounter = 0;
        gameState = GameState{};
        for (int r = 0; r < BoardSize; ++r)
            for (int c = 0; c < BoardSize; ++c) gameState.board[r][c] = Cell{(r * 3 + c * 7) % 9 + 1, Open};
    }
    void TearDown() override {
        DestroyDrawingObjects();
        ReleasePictures();
        EXPECT_EQ(GdiLiveObjectCount(), objectsBefore) << "a brush, font or bitmap outlived its owner";
        EXPECT_EQ(GdiLiveDCCount(), dcsBefore) << "a DC outlived its owner";
        EXPECT_EQ(GdiRefusedDeleteCount(), refusedBefore) << "something was deleted while still selected";
        EXPECT_EQ(windowDCsHeld, 0) << "the window's DC was not released";
    }

    static COLORREF At(int x, int y) { return GdiGetPixel(backBufferDC, x, y); }
    static Image BackBuffer() {
        Image image;
        for (int y = 0; y < BoardPixels; ++y)
            for (int x = 0; x < BoardPixels; ++x) image.push_back(At(x, y));
        return image;
    }
    // The current picture's pixels, read from the bitmap itself.
    static Image Picture() {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, CurrentPicture());
        Image image;
        for (int y = 0; y < BoardPixels; ++y)
            for (int x = 0; x < BoardPixels; ++x) image.push_back(GdiGetPixel(dc, x, y));
        SelectObject(dc, old);
        DeleteDC(dc);
        return image;
    }
    // A digit as DrawTextA draws it in cellFont, black on white, centred in a size x size square.
    static Image Digit(int value, int size = CellPixels) {
        std::vector<std::uint32_t> pixels(CellPixels * CellPixels, 0x00FFFFFF);
        HDC dc = GdiCreateSurfaceDC(GdiSurface{pixels.data(), CellPixels, CellPixels, CellPixels});
        HGDIOBJ old = SelectObject(dc, cellFont);
        SetBkMode(dc, TRANSPARENT);
        char text[2] = {static_cast<char>('0' + value), 0};
        RECT r{0, 0, size, size};
        DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        Image image;
        for (int y = 0; y < CellPixels; ++y)
            for (int x = 0; x < CellPixels; ++x) image.push_back(GdiGetPixel(dc, x, y));
        SelectObject(dc, old);
        GdiDeleteSurfaceDC(dc);
        return image;
    }
    // Fills the whole back buffer with red, so a cell that leaves any pixel unpainted shows it.
    static void Scribble() {
        HBRUSH red = CreateSolidBrush(Red);
        const RECT all{0, 0, BoardPixels, BoardPixels};
        FillRect(backBufferDC, &all, red);
        DeleteObject(red);
    }

    // Every pixel of cell (row, col) as its state says it must look.
    static void ExpectCell(int row, int col) {
        const Cell cell = gameState.board[row][col];
        const Image picture = Picture();
        const Image digit = Digit(cell.value);
        const int left = col * CellPixels, top = row * CellPixels;
        for (int j = 0; j < CellPixels; ++j)
            for (int i = 0; i < CellPixels; ++i) {
                const int x = left + i, y = top + j;
                const COLORREF under = picture[y * BoardPixels + x];
                const COLORREF ink = digit[j * CellPixels + i];
                COLORREF expected;
                if (cell.state == Closed || i == 29 || j == 29)
                    expected = under;  // the picture shows through
                else if (i == 0 || i == 28 || j == 0 || j == 28)
                    expected = Black;  // the outline
                else if (cell.state == Open || ink != White)
                    expected = ink;  // the digit on white, exactly as on a white square
                else
                    expected = OnHatchLine(x, y) ? BackdropColour : White;
                if (cell.state == Selected && ink != White && ink != Black) continue;  // blended over the hatch
                ASSERT_EQ(At(x, y), expected) << "cell " << row << "," << col << " state " << cell.state << " pixel +"
                                              << i << ",+" << j;
            }
    }
};

TEST_F(RendererTest, EachStateDrawsItsBoxDigitAndPicture) {
    struct Case {
        int row, col;
        CellState state;
    };
    const Case cases[] = {{0, 0, Open},     {4, 7, Selected}, {9, 9, Closed}, {9, 0, Selected},
                          {0, 9, Open},     {5, 5, Closed},   {3, 1, Selected}, {9, 9, Open}};
    for (const Case& c : cases) {
        gameState.board[c.row][c.col].state = c.state;
        Scribble();
        DrawCell(c.row, c.col);
        ExpectCell(c.row, c.col);
    }
}

TEST_F(RendererTest, DrawBoardPaintsEveryCellByItsState) {
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) gameState.board[r][c].state = static_cast<CellState>((r + 2 * c) % 3);
    Scribble();
    DrawBoard();
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) ExpectCell(r, c);
}

TEST_F(RendererTest, SelectedThenOpenLeavesNoTraceOfTheHatch) {
    DrawBoard();
    const Image open = BackBuffer();
    gameState.board[3][4].state = Selected;
    DrawCell(3, 4);
    EXPECT_NE(BackBuffer(), open);
    gameState.board[3][4].state = Open;
    DrawCell(3, 4);
    EXPECT_EQ(BackBuffer(), open);
}

TEST_F(RendererTest, AFullyClosedBoardIsThePictureAlone) {
    for (auto& row : gameState.board)
        for (Cell& cell : row) cell.state = Closed;
    for (int counter : {0, 1, 2, 4}) {
        SCOPED_TRACE(counter);
        pictureCounter = counter;
        DrawBoard();
        EXPECT_EQ(BackBuffer(), Picture());
    }
    EXPECT_EQ(CurrentPicture(), pictures[1]);
}

TEST_F(RendererTest, TheDigitIsCentredOnTheCellNotOnTheBox) {
    for (int value = 1; value <= 9; ++value) {
        SCOPED_TRACE(value);
        gameState.board[2][3] = Cell{value, Open};
        DrawCell(2, 3);
        ExpectCell(2, 3);  // the inside equals the digit centred on a 30 x 30 square
        const Image onBox = Digit(value, CellPixels - 1);
        bool differs = false;
        int left = CellPixels, right = -1, top = CellPixels, bottom = -1;
        for (int j = 1; j < 28; ++j)
            for (int i = 1; i < 28; ++i) {
                const COLORREF c = At(90 + i, 60 + j);
                differs = differs || c != onBox[j * CellPixels + i];
                if (c != White) {
                    left = std::min(left, i), right = std::max(right, i + 1);
                    top = std::min(top, j), bottom = std::max(bottom, j + 1);
                }
            }
        EXPECT_TRUE(differs) << "the digit sits where centring on the 29 x 29 box would put it";
        EXPECT_NEAR((left + right) / 2.0, 15.0, 1.5);
        EXPECT_NEAR((top + bottom) / 2.0, 15.0, 1.5);
    }
}

TEST_F(RendererTest, DrawCellLeavesBrushFontAndModeAndMakesTheTextBlack) {
    for (CellState state : {Open, Selected, Closed}) {
        SCOPED_TRACE(state);
        gameState.board[6][2].state = state;
        HGDIOBJ brush = SelectObject(backBufferDC, brushBackdrop);
        SelectObject(backBufferDC, brush);
        HGDIOBJ font = SelectObject(backBufferDC, cellFont);
        SelectObject(backBufferDC, font);
        SetTextColor(backBufferDC, Red);

        DrawCell(6, 2);

        HGDIOBJ brushAfter = SelectObject(backBufferDC, brushBackdrop);
        SelectObject(backBufferDC, brushAfter);
        HGDIOBJ fontAfter = SelectObject(backBufferDC, cellFont);
        SelectObject(backBufferDC, fontAfter);
        EXPECT_EQ(brushAfter, brush);
        EXPECT_EQ(fontAfter, font);
        EXPECT_NE(fontAfter, cellFont);
        EXPECT_EQ(SetBkMode(backBufferDC, OPAQUE), OPAQUE);
        // A closed cell draws no text and so does not touch the colour.
        EXPECT_EQ(SetTextColor(backBufferDC, Red), state == Closed ? Red : Black);
    }
}

TEST_F(RendererTest, TheObjectsLiveFromCreationToDestructionAndNoneInBetween) {
    // Three pictures, three brushes, a font and the back buffer's bitmap; one DC, the back buffer's own.
    EXPECT_EQ(GdiLiveObjectCount(), objectsBefore + 8);
    EXPECT_EQ(GdiLiveDCCount(), dcsBefore + 1);
    gameState.board[1][1].state = Selected;
    gameState.board[1][2].state = Closed;
    for (int counter = 0; counter < 4; ++counter) {
        pictureCounter = counter;
        DrawBoard();
        HDC window = GetDC(mainWindow);
        PresentBackBuffer(window);
        EXPECT_EQ(GdiLiveDCCount(), dcsBefore + 2) << "DrawPictureRegion leaves no DC behind";
        ReleaseDC(mainWindow, window);
    }
    EXPECT_EQ(GdiLiveObjectCount(), objectsBefore + 8);
    EXPECT_EQ(GdiRefusedDeleteCount(), refusedBefore);
}

TEST_F(RendererTest, AnEmptyPictureSlotDrawsAsTheBackdrop) {
    DeleteObject(pictures[1]);
    pictures[1] = nullptr;
    pictureCounter = 1;
    gameState.board[0][0].state = Closed;
    DrawBoard();
    for (int y = 0; y < CellPixels; ++y)
        for (int x = 0; x < CellPixels; ++x) ASSERT_EQ(At(x, y), BackdropColour) << x << "," << y;
    EXPECT_EQ(At(59, 40), BackdropColour) << "the last column of an open cell";
    EXPECT_EQ(At(58, 40), Black);
}

TEST_F(RendererTest, PresentBackBufferCopiesWhatTheWindowCanShow) {
    gameState.board[9][9].state = Selected;
    DrawBoard();
    std::vector<std::uint32_t> window(WindowPixels * WindowPixels, 0);
    HDC paint = GdiCreateSurfaceDC(GdiSurface{window.data(), WindowPixels, WindowPixels, WindowPixels});
    PresentBackBuffer(paint);
    for (int y = 0; y < WindowPixels; ++y)
        for (int x = 0; x < WindowPixels; ++x) ASSERT_EQ(GdiGetPixel(paint, x, y), At(x, y)) << x << "," << y;
    EXPECT_EQ(GdiGetPixel(paint, 298, 298), Black) << "the window ends on the last box's outline";

    // Only the part waiting to be painted changes.
    std::fill(window.begin(), window.end(), 0u);
    const RECT clip{100, 120, 160, 150};
    GdiSetSurfaceClip(paint, &clip);
    PresentBackBuffer(paint);
    for (int y = 0; y < WindowPixels; ++y)
        for (int x = 0; x < WindowPixels; ++x) {
            const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
            ASSERT_EQ(GdiGetPixel(paint, x, y), inside ? At(x, y) : Black) << x << "," << y;
        }
    GdiDeleteSurfaceDC(paint);
}

TEST(PictureSetTest, TheCounterChoosesThePictureInTurn) {
    const int before = GdiLiveObjectCount();
    LoadPictures(nullptr);
    EXPECT_EQ(GdiLiveObjectCount(), before + 3);
    for (HBITMAP p : pictures) EXPECT_NE(p, nullptr);
    const struct {
        int counter, index;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {7, 1}, {300, 0}};
    for (const auto& c : cases) {
        pictureCounter = c.counter;
        EXPECT_EQ(CurrentPicture(), pictures[c.index]) << c.counter;
    }
    ReleasePictures();
    EXPECT_EQ(GdiLiveObjectCount(), before);
    ReleasePictures();  // releasing again, or releasing empty slots, is harmless
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

}  // namespace
