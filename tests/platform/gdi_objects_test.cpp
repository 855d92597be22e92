// Pixel-exact checks of the software GDI: fills, outlines, hatch phase, block copies, selection and deletion.
#include "platform/gdi/gdi_internal.h"
#include "platform/gdi_surface.h"
#include "platform/gdi_testing.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr COLORREF White = 0x00FFFFFF;
constexpr COLORREF Red = 0x000000FF;
constexpr COLORREF Blue = 0x00FF0000;
constexpr COLORREF Black = 0x00000000;
constexpr COLORREF Marker = 0x00123456;  // what the buffer holds before a draw

// A plain 32-bit surface with a DC on it, filled with Marker, so that untouched pixels show.
struct SurfaceFixture : ::testing::Test {
    static constexpr int Width = 24;
    static constexpr int Height = 20;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(Width * Height, GdiPixelFromColour(Marker));
    HDC dc = nullptr;
    int objectsBefore = 0;
    int dcsBefore = 0;

    void SetUp() override {
        objectsBefore = GdiLiveObjectCount();
        dcsBefore = GdiLiveDCCount();
        dc = GdiCreateSurfaceDC(GdiSurface{pixels.data(), Width, Height, Width});
        ASSERT_NE(dc, nullptr);
    }
    void TearDown() override {
        GdiDeleteSurfaceDC(dc);
        EXPECT_EQ(GdiLiveObjectCount(), objectsBefore) << "a test leaked a GDI object";
        EXPECT_EQ(GdiLiveDCCount(), dcsBefore) << "a test leaked a DC";
    }
    COLORREF At(int x, int y) const { return GdiGetPixel(dc, x, y); }
};

bool InRect(int x, int y, RECT r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

bool OnHatchLine(int x, int y) { return ((x - y) % 8 + 8) % 8 == 0 || (x + y) % 8 == 7; }

using FillTest = SurfaceFixture;

TEST_F(FillTest, FillRectCoversLeftToRightMinusOneAndTopToBottomMinusOne) {
    const RECT cases[] = {
        {2, 3, 7, 9},       // inside
        {-5, -4, 3, 2},     // off the top-left corner
        {20, 15, 40, 30},   // off the bottom-right corner
        {5, 5, 5, 9},       // empty: no columns
        {9, 9, 4, 4},       // inverted: nothing
        {0, 0, Width, Height},
    };
    for (const RECT& r : cases) {
        std::fill(pixels.begin(), pixels.end(), GdiPixelFromColour(Marker));
        HBRUSH red = CreateSolidBrush(Red);
        FillRect(dc, &r, red);
        DeleteObject(red);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                ASSERT_EQ(At(x, y), InRect(x, y, r) ? Red : Marker)
                    << "rect " << r.left << "," << r.top << "," << r.right << "," << r.bottom << " at " << x << ","
                    << y;
    }
}

TEST_F(FillTest, RectanglePutsThePenOnTheEdgesAndTheBrushInside) {
    HBRUSH blue = CreateSolidBrush(Blue);
    HGDIOBJ old = SelectObject(dc, blue);
    Rectangle(dc, 2, 3, 9, 8);
    SelectObject(dc, old);
    DeleteObject(blue);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            COLORREF expected = Marker;
            if (InRect(x, y, {2, 3, 9, 8}))
                expected = (x == 2 || x == 8 || y == 3 || y == 7) ? Black : Blue;
            ASSERT_EQ(At(x, y), expected) << x << "," << y;
        }
}

TEST_F(FillTest, RectangleWithTheDefaultBrushIsWhiteInside) {
    Rectangle(dc, 0, 0, 4, 4);
    EXPECT_EQ(At(0, 0), Black);
    EXPECT_EQ(At(1, 1), White);
    EXPECT_EQ(At(2, 2), White);
    EXPECT_EQ(At(3, 3), Black);
    EXPECT_EQ(At(4, 4), Marker);
}

TEST_F(FillTest, HatchIsLaidFromTheDeviceOriginWithTheBackgroundBetweenTheLines) {
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, Blue);
    // Two fills that start at different corners must join into one pattern.
    const RECT first{0, 0, 11, Height};
    const RECT second{11, 3, Width, 17};
    FillRect(dc, &first, hatch);
    FillRect(dc, &second, hatch);
    DeleteObject(hatch);
    int lines = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            COLORREF expected = Marker;
            if (InRect(x, y, first) || InRect(x, y, second)) expected = OnHatchLine(x, y) ? Blue : White;
            lines += expected == Blue;
            ASSERT_EQ(At(x, y), expected) << x << "," << y;
        }
    EXPECT_GT(lines, 0);
}

TEST_F(FillTest, HatchLeavesTheDestinationBetweenTheLinesInTransparentMode) {
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, Blue);
    SetBkMode(dc, TRANSPARENT);
    const RECT all{0, 0, Width, Height};
    FillRect(dc, &all, hatch);
    DeleteObject(hatch);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) ASSERT_EQ(At(x, y), OnHatchLine(x, y) ? Blue : Marker) << x << "," << y;
}

TEST_F(FillTest, SurfaceClipLimitsEveryDraw) {
    const RECT clip{4, 5, 10, 12};
    GdiSetSurfaceClip(dc, &clip);
    HBRUSH red = CreateSolidBrush(Red);
    const RECT all{0, 0, Width, Height};
    FillRect(dc, &all, red);
    DeleteObject(red);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) ASSERT_EQ(At(x, y), InRect(x, y, clip) ? Red : Marker) << x << "," << y;
    GdiSetSurfaceClip(dc, nullptr);
    Rectangle(dc, 0, 0, Width, Height);
    EXPECT_EQ(At(0, 0), Black);
    EXPECT_EQ(At(Width - 1, Height - 1), Black);
}

// ---- Block copies ----------------------------------------------------------------------------------

// A 5 x 4 picture whose every index maps to a colour of its own, so a misplaced pixel or a colour taken from
// the wrong table entry shows.
constexpr int PicW = 5, PicH = 4;
std::uint32_t PaletteEntry(int i) {  // 0x00RRGGBB, distinct in every channel
    return static_cast<std::uint32_t>(((i * 7) & 0xFF) << 16 | ((255 - i) & 0xFF) << 8 | ((i * 3 + 1) & 0xFF));
}
std::uint8_t IndexAt(int x, int y) { return static_cast<std::uint8_t>(200 + y * PicW + x); }

HBITMAP MakeTestPicture() {
    std::uint32_t palette[256];
    for (int i = 0; i < 256; ++i) palette[i] = PaletteEntry(i);
    std::uint8_t indices[PicW * PicH];
    for (int y = 0; y < PicH; ++y)
        for (int x = 0; x < PicW; ++x) indices[y * PicW + x] = IndexAt(x, y);
    return GdiCreateIndexedBitmap(PicW, PicH, palette, indices);
}

using BlitTest = SurfaceFixture;

TEST_F(BlitTest, EightBitPictureArrivesThroughItsColourTableClippedAtBothEnds) {
    struct Case {
        int x, y, w, h, sx, sy;
    };
    const Case cases[] = {
        {3, 2, PicW, PicH, 0, 0},        // whole picture inside
        {-2, -1, PicW, PicH, 0, 0},      // off the destination's top-left
        {21, 18, PicW, PicH, 0, 0},      // off the destination's bottom-right
        {6, 6, 10, 10, -3, -2},          // source rectangle larger than the picture on every side
        {6, 6, 3, 2, 2, 1},              // an inner part
        {0, 0, 300, 300, 4, 3},          // the last source pixel only
        {0, 0, 5, 5, PicW, 0},           // nothing: the source starts past its right edge
        {0, 0, -5, 5, 0, 0},             // nothing: negative width
    };
    HBITMAP picture = MakeTestPicture();
    ASSERT_NE(picture, nullptr);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    ASSERT_NE(old, nullptr);
    for (const Case& c : cases) {
        std::fill(pixels.begin(), pixels.end(), GdiPixelFromColour(Marker));
        BitBlt(dc, c.x, c.y, c.w, c.h, memory, c.sx, c.sy, SRCCOPY);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                const int px = x - c.x + c.sx, py = y - c.y + c.sy;
                const bool copied =
                    InRect(x, y, {c.x, c.y, c.x + c.w, c.y + c.h}) && px >= 0 && py >= 0 && px < PicW && py < PicH;
                const COLORREF expected = copied ? GdiColourFromPixel(PaletteEntry(IndexAt(px, py))) : Marker;
                ASSERT_EQ(At(x, y), expected) << "case at " << c.x << "," << c.y << " pixel " << x << "," << y;
            }
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(picture);
}

TEST_F(BlitTest, CompatibleBitmapCopiesBackAndForth) {
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 6);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH red = CreateSolidBrush(Red);
    const RECT r{1, 1, 3, 2};
    FillRect(memory, &r, red);
    EXPECT_EQ(GdiGetPixel(memory, 0, 0), Black) << "a new compatible bitmap starts black";
    EXPECT_EQ(GdiGetPixel(memory, 2, 1), Red);
    BitBlt(dc, 10, 10, 8, 6, memory, 0, 0, SRCCOPY);
    EXPECT_EQ(At(12, 11), Red);
    EXPECT_EQ(At(13, 11), Black);
    EXPECT_EQ(At(18, 11), Marker);
    BitBlt(memory, 0, 0, 8, 6, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GdiGetPixel(memory, 2, 1), Marker);
    SelectObject(memory, old);
    DeleteObject(red);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

TEST_F(BlitTest, FreshMemoryDCHasNothingToCopyOrDrawOn) {
    HDC memory = CreateCompatibleDC(dc);
    EXPECT_FALSE(BitBlt(dc, 0, 0, 4, 4, memory, 0, 0, SRCCOPY));
    EXPECT_EQ(At(0, 0), Marker);
    EXPECT_EQ(CreateCompatibleBitmap(memory, 4, 4), nullptr) << "it would be monochrome";
    HBRUSH red = CreateSolidBrush(Red);
    const RECT r{0, 0, 1, 1};
    EXPECT_EQ(FillRect(memory, &r, red), 0);
    EXPECT_EQ(GdiGetPixel(memory, 0, 0), 0xFFFFFFFFu);
    DeleteObject(red);
    DeleteDC(memory);
}

// ---- Selection, deletion and counts -----------------------------------------------------------------

using SelectionTest = SurfaceFixture;

TEST_F(SelectionTest, SelectObjectReturnsThePreviousObjectOfTheSameKind) {
    HDC memory = CreateCompatibleDC(dc);
    HBRUSH a = CreateSolidBrush(Red);
    HBRUSH b = CreateSolidBrush(Blue);
    LOGFONTA lf{};
    lf.lfHeight = -12;
    HFONT font = CreateFontIndirectA(&lf);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);

    HGDIOBJ defaultBrush = SelectObject(memory, a);
    ASSERT_NE(defaultBrush, nullptr);
    HGDIOBJ defaultFont = SelectObject(memory, font);
    ASSERT_NE(defaultFont, nullptr);
    HGDIOBJ defaultBitmap = SelectObject(memory, bitmap);
    ASSERT_NE(defaultBitmap, nullptr);
    EXPECT_NE(defaultBrush, defaultFont);
    EXPECT_EQ(SelectObject(memory, b), a) << "a font and a bitmap went in since, but the brush before b was a";
    EXPECT_EQ(SelectObject(memory, defaultBrush), b);
    EXPECT_EQ(SelectObject(memory, defaultFont), font);
    EXPECT_EQ(SelectObject(memory, defaultBitmap), bitmap);

    EXPECT_TRUE(DeleteObject(a));
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(memory));
}

TEST_F(SelectionTest, ABitmapSitsInOneDCAtATimeAndNeverInAWindowsDC) {
    HDC first = CreateCompatibleDC(dc);
    HDC second = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ old = SelectObject(first, bitmap);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr);
    SelectObject(first, old);
    HGDIOBJ old2 = SelectObject(second, bitmap);
    EXPECT_NE(old2, nullptr) << "free again once the first DC let it go";
    SelectObject(second, old2);
    DeleteDC(first);
    DeleteDC(second);
    DeleteObject(bitmap);
}

TEST_F(SelectionTest, DeletingWhatIsSelectedIsRefusedAndCounted) {
    const int refused = GdiRefusedDeleteCount();
    HDC memory = CreateCompatibleDC(dc);
    HBRUSH brush = CreateSolidBrush(Red);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    EXPECT_EQ(GdiLiveObjectCount(), objectsBefore + 2);
    EXPECT_EQ(GdiLiveDCCount(), dcsBefore + 2);

    HGDIOBJ oldBrush = SelectObject(memory, brush);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteDC(memory)) << "it still holds the caller's bitmap";
    EXPECT_EQ(GdiRefusedDeleteCount(), refused + 3);
    EXPECT_EQ(GdiLiveObjectCount(), objectsBefore + 2);
    EXPECT_EQ(GdiLiveDCCount(), dcsBefore + 2);

    SelectObject(memory, oldBrush);
    SelectObject(memory, oldBitmap);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GdiRefusedDeleteCount(), refused + 3);
    EXPECT_EQ(GdiLiveObjectCount(), objectsBefore);
    EXPECT_EQ(GdiLiveDCCount(), dcsBefore + 1);
}

TEST_F(SelectionTest, ABrushMayBeDeletedOnceItsDCIsGone) {
    HDC memory = CreateCompatibleDC(dc);
    HBRUSH brush = CreateSolidBrush(Red);
    SelectObject(memory, brush);
    EXPECT_TRUE(DeleteDC(memory)) << "a DC may go with a brush in it; only bitmaps must be put back";
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(SelectionTest, EmptyAndStaleHandlesDoNothing) {
    HBRUSH stale = CreateSolidBrush(Red);
    DeleteObject(stale);
    HDC staleDC = CreateCompatibleDC(dc);
    DeleteDC(staleDC);
    const RECT r{0, 0, Width, Height};
    const int refused = GdiRefusedDeleteCount();
    for (HDC target : {static_cast<HDC>(nullptr), staleDC}) {
        EXPECT_EQ(SelectObject(target, stale), nullptr);
        EXPECT_EQ(FillRect(target, &r, stale), 0);
        EXPECT_FALSE(Rectangle(target, 0, 0, 4, 4));
        EXPECT_FALSE(BitBlt(target, 0, 0, 4, 4, dc, 0, 0, SRCCOPY));
        EXPECT_FALSE(BitBlt(dc, 0, 0, 4, 4, target, 0, 0, SRCCOPY));
        EXPECT_EQ(SetBkMode(target, TRANSPARENT), 0);
        EXPECT_EQ(SetTextColor(target, Red), 0xFFFFFFFFu);
        EXPECT_EQ(CreateCompatibleBitmap(target, 4, 4), nullptr);
        EXPECT_FALSE(DeleteDC(target));
        EXPECT_EQ(GdiGetPixel(target, 0, 0), 0xFFFFFFFFu);
    }
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(dc, stale), nullptr);
    EXPECT_EQ(FillRect(dc, &r, nullptr), 0);
    EXPECT_EQ(FillRect(dc, nullptr, stale), 0);
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteObject(stale));
    EXPECT_EQ(CreateCompatibleDC(staleDC), nullptr);
    HDC screenCompatible = CreateCompatibleDC(nullptr);
    EXPECT_NE(screenCompatible, nullptr) << "no DC at all means compatible with the screen";
    DeleteDC(screenCompatible);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
    EXPECT_EQ(CreateHatchBrush(3, Red), nullptr) << "only the diagonal cross is made";
    EXPECT_EQ(GdiCreateSurfaceDC(GdiSurface{nullptr, 4, 4, 4}), nullptr);
    GdiDeleteSurfaceDC(nullptr);
    GdiSetSurfaceClip(nullptr, &r);
    EXPECT_EQ(GdiRefusedDeleteCount(), refused) << "an empty handle is not a refused deletion";
    EXPECT_EQ(At(0, 0), Marker);
}

TEST_F(SelectionTest, TextColourAndBackgroundModeReturnWhatWasThere) {
    EXPECT_EQ(SetTextColor(dc, Red), Black);
    EXPECT_EQ(SetTextColor(dc, Blue), Red);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE) << "a new DC is opaque";
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT) << "an unknown mode changes nothing";
}

// ---- wsprintfA ------------------------------------------------------------------------------------

TEST(WsprintfTest, FormatsTheDirectivesTheGameUses) {
    struct Case {
        const char* format;
        int a;
        int b;
        const char* expected;
    };
    const Case cases[] = {
        {"%d", 7, 0, "7"},
        {"%d", -42, 0, "-42"},
        {"%02d:%02d", 3, 5, "03:05"},
        {"%02d:%02d", 1439, 59, "1439:59"},
        {"%02d", -3, 0, "-3"},
        {"%04d!", 12, 0, "0012!"},
        {"no directives", 0, 0, "no directives"},
        {"100%% %d", 9, 0, "100% 9"},
        {"%q%d", 5, 0, "%q5"},
    };
    for (const Case& c : cases) {
        char buffer[64];
        const int n = wsprintfA(buffer, c.format, c.a, c.b);
        EXPECT_STREQ(buffer, c.expected) << c.format;
        EXPECT_EQ(n, static_cast<int>(std::string(c.expected).size()));
    }
    char buffer[64];
    wsprintfA(buffer, "%s \xc8\xe3\xf0\xe0 %02d:%02d", "\xca\xe2\xee\xf0\xe8\xed\xea\xe0", 0, 7);
    EXPECT_STREQ(buffer, "\xca\xe2\xee\xf0\xe8\xed\xea\xe0 \xc8\xe3\xf0\xe0 00:07") << "Windows-1251 bytes pass as they are";
}

}  // namespace
