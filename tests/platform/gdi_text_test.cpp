// DrawTextA on the software GDI: face choice, size, centring by the line metrics, blending and clipping.
#include "platform/gdi/gdi_internal.h"
#include "platform/gdi_surface.h"
#include "platform/gdi_testing.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr COLORREF White = 0x00FFFFFF;
constexpr COLORREF Black = 0x00000000;
constexpr COLORREF Red = 0x000000FF;
constexpr UINT Centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

HFONT MakeFont(const char* face, LONG height) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfQuality = ANTIALIASED_QUALITY;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

struct TextFixture : ::testing::Test {
    static constexpr int Size = 64;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(Size * Size, 0x00FFFFFF);
    HDC dc = nullptr;
    HFONT font = nullptr;
    HGDIOBJ oldFont = nullptr;

    void SetUp() override {
        dc = GdiCreateSurfaceDC(GdiSurface{pixels.data(), Size, Size, Size});
        font = MakeFont("Arial", -30);
        oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
    }
    void TearDown() override {
        SelectObject(dc, oldFont);
        DeleteObject(font);
        GdiDeleteSurfaceDC(dc);
    }
    void Clear(COLORREF colour) { std::fill(pixels.begin(), pixels.end(), GdiPixelFromColour(colour)); }
    COLORREF At(int x, int y) const { return GdiGetPixel(dc, x, y); }
    int Draw(const char* text, RECT r) { return DrawTextA(dc, text, -1, &r, Centred); }

    // The bounding box of every pixel that differs from background.
    RECT Ink(COLORREF background) const {
        RECT box{Size, Size, -1, -1};
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x)
                if (At(x, y) != background) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }
};

TEST_F(TextFixture, EveryDigitIsCentredInItsRectangleAndAntialiased) {
    for (char digit = '1'; digit <= '9'; ++digit) {
        Clear(White);
        const char text[2] = {digit, 0};
        Draw(text, RECT{10, 12, 40, 42});
        const RECT ink = Ink(White);
        ASSERT_LT(ink.left, ink.right) << digit << " drew nothing";
        // Digits stand on the baseline and reach the cap height; the line's ascent and descent put their middle
        // at the rectangle's middle to within a pixel.
        EXPECT_NEAR((ink.left + ink.right) / 2.0, 25.0, 1.5) << digit;
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 27.0, 1.5) << digit;
        EXPECT_GE(ink.bottom - ink.top, 20) << digit << ": a 30-pixel em makes digits about 21 pixels tall";
        EXPECT_LE(ink.bottom - ink.top, 23) << digit;
        int solid = 0, partial = 0;
        for (int y = ink.top; y < ink.bottom; ++y)
            for (int x = ink.left; x < ink.right; ++x) {
                const COLORREF c = At(x, y);
                solid += c == Black;
                partial += c != Black && c != White;
                ASSERT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c)) << "black over white stays grey";
            }
        EXPECT_GT(solid, 10) << digit;
        EXPECT_GT(partial, 5) << digit << " is not anti-aliased";
    }
}

TEST_F(TextFixture, MovingTheRectangleMovesTheTextExactly) {
    Draw("47", RECT{0, 0, 30, 30});
    const std::vector<std::uint32_t> first = pixels;
    Clear(White);
    Draw("47", RECT{7, 11, 37, 41});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(pixels[(y + 11) * Size + x + 7], first[y * Size + x]) << x << "," << y;
}

TEST_F(TextFixture, CentringUsesTheWholeRectangle) {
    // One pixel less of height moves the line, because the line's height is odd or even against it:
    // a digit centred on a 29 x 29 box is not the digit centred on the 30 x 30 cell.
    Draw("5", RECT{0, 0, 30, 30});
    const std::vector<std::uint32_t> full = pixels;
    Clear(White);
    Draw("5", RECT{0, 0, 29, 29});
    EXPECT_NE(pixels, full);
}

TEST_F(TextFixture, TextIsClippedToItsRectangleAndToTheDCsClip) {
    Clear(Red);
    const RECT box{20, 20, 34, 30};
    Draw("888", box);
    int inside = 0;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const bool in = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            if (!in) {
                ASSERT_EQ(At(x, y), Red) << "ink outside the rectangle at " << x << "," << y;
            }
            inside += in && At(x, y) != Red;
        }
    EXPECT_GT(inside, 0);

    Clear(Red);
    const RECT clip{0, 0, 25, 64};
    GdiSetSurfaceClip(dc, &clip);
    Draw("888", RECT{0, 0, 64, 64});
    GdiSetSurfaceClip(dc, nullptr);
    for (int y = 0; y < Size; ++y)
        for (int x = 25; x < Size; ++x) ASSERT_EQ(At(x, y), Red) << x << "," << y;
    EXPECT_NE(Ink(Red).right, -1);
}

TEST_F(TextFixture, TransparentLeavesTheBackgroundAndOpaqueFillsTheLine) {
    Clear(Red);
    Draw("1", RECT{0, 0, 64, 64});
    EXPECT_EQ(At(1, 1), Red);
    EXPECT_EQ(At(32, 16), Red) << "above the digit, inside its line";
    SetTextColor(dc, 0x00FF0000);
    Clear(Red);
    Draw("1", RECT{0, 0, 64, 64});
    bool blue = false;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) blue = blue || At(x, y) == 0x00FF0000;
    EXPECT_TRUE(blue) << "fully covered pixels take the text colour exactly";

    SetBkMode(dc, OPAQUE);
    Clear(Red);
    const int lineHeight = Draw("1", RECT{0, 0, 64, 64});
    EXPECT_EQ(At(1, 1), Red) << "outside the text's box";
    EXPECT_EQ(At(32, 32 - lineHeight / 2 + 1), White) << "inside the line, above the digit: the background colour";
}

TEST_F(TextFixture, ArialIsTheMetricCompatibleLiberationSans) {
    Draw("1234567890", RECT{0, 0, 64, 64});
    const std::vector<std::uint32_t> arial = pixels;
    HFONT liberation = MakeFont("Liberation Sans", -30);
    SelectObject(dc, liberation);
    Clear(White);
    Draw("1234567890", RECT{0, 0, 64, 64});
    SelectObject(dc, font);
    DeleteObject(liberation);
    EXPECT_EQ(pixels, arial);
}

TEST_F(TextFixture, HeightSetsTheEmOrTheLine) {
    HFONT small = MakeFont("Arial", -15);
    HFONT cell = MakeFont("Arial", 34);  // a positive height is the whole line: ascent plus descent
    SelectObject(dc, small);
    Draw("8", RECT{0, 0, 64, 64});
    const RECT smallInk = Ink(White);
    SelectObject(dc, cell);
    Clear(White);
    const int cellLine = Draw("8", RECT{0, 0, 64, 64});
    SelectObject(dc, font);
    Clear(White);
    const int emLine = Draw("8", RECT{0, 0, 64, 64});
    const RECT ink = Ink(White);
    DeleteObject(small);
    DeleteObject(cell);
    EXPECT_NEAR(smallInk.bottom - smallInk.top, (ink.bottom - ink.top) / 2.0, 1.5);
    EXPECT_GT(emLine, 30) << "a 30-pixel em has a taller line";
    EXPECT_LE(cellLine, 34);
    EXPECT_GE(cellLine, 32);
}

TEST_F(TextFixture, EmptyHandlesAndTextDoNothing) {
    RECT r{0, 0, 64, 64};
    EXPECT_EQ(DrawTextA(nullptr, "1", -1, &r, Centred), 0);
    EXPECT_EQ(DrawTextA(dc, nullptr, -1, &r, Centred), 0);
    EXPECT_EQ(DrawTextA(dc, "1", -1, nullptr, Centred), 0);
    EXPECT_GT(DrawTextA(dc, "", -1, &r, Centred), 0);
    EXPECT_GT(DrawTextA(dc, "123", 0, &r, Centred), 0);
    EXPECT_EQ(Ink(White).right, -1);
    // The DC's own font, before any is selected, still draws.
    HDC fresh = GdiCreateSurfaceDC(GdiSurface{pixels.data(), Size, Size, Size});
    EXPECT_GT(DrawTextA(fresh, "7", -1, &r, Centred), 0);
    GdiDeleteSurfaceDC(fresh);
    EXPECT_NE(Ink(White).right, -1);
}

}  // namespace
