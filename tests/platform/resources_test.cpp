// LoadImageA over a table of resources of the test's own, sound and damaged, linked in place of the pictures.
#include "platform/gdi/gdi_internal.h"
#include "platform/gdi_surface.h"
#include "platform/gdi_testing.h"
#include "platform/resources/embedded_bitmaps.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}
void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<unsigned char>(v);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}

// The colour of palette entry i in the test pictures, as a COLORREF: distinct in every channel.
COLORREF EntryColour(int i) { return RGB(i, 255 - i, (i * 5) & 0xFF); }
// The index of pixel (x, y), counted from the top row.
std::uint8_t IndexAt(int x, int y) { return static_cast<std::uint8_t>(17 + 31 * y + 3 * x); }

// A packed DIB in the stored form: 40-byte header, colour table, rows padded to four bytes.
Bytes PackedDib(int width, int height, int entries = 256, bool topDown = false) {
    const int stride = (width + 3) & ~3;
    Bytes b(40 + 4 * static_cast<std::size_t>(entries) + static_cast<std::size_t>(stride) * height, 0);
    Put32(b, 0, 40);
    Put32(b, 4, static_cast<std::uint32_t>(width));
    Put32(b, 8, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(b, 12, 1);
    Put16(b, 14, 8);
    Put32(b, 24, 2834);
    Put32(b, 28, 2834);
    Put32(b, 32, entries == 256 ? 0 : static_cast<std::uint32_t>(entries));
    for (int i = 0; i < entries; ++i) {
        const COLORREF c = EntryColour(i);
        b[40 + 4 * i] = GetBValue(c);
        b[41 + 4 * i] = GetGValue(c);
        b[42 + 4 * i] = GetRValue(c);
    }
    const std::size_t pixels = 40 + 4 * static_cast<std::size_t>(entries);
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) b[pixels + static_cast<std::size_t>(stored) * stride + x] = IndexAt(x, y);
        for (int x = width; x < stride; ++x) b[pixels + static_cast<std::size_t>(stored) * stride + x] = 0xEE;
    }
    return b;
}

Bytes With32(Bytes b, std::size_t at, std::uint32_t v) {
    Put32(b, at, v);
    return b;
}
Bytes With16(Bytes b, std::size_t at, std::uint16_t v) {
    Put16(b, at, v);
    return b;
}
Bytes Truncated(Bytes b, std::size_t by) {
    b.resize(b.size() - by);
    return b;
}

struct Resource {
    int id;
    const char* what;
    Bytes bytes;
    bool loads;
    int width, height;
};

const std::vector<Resource> resources = {
    {1, "bottom-up 4 x 3", PackedDib(4, 3), true, 4, 3},
    {2, "top-down 4 x 3", PackedDib(4, 3, 256, true), true, 4, 3},
    {3, "5 wide: rows padded to 8 bytes", PackedDib(5, 2), true, 5, 2},
    {4, "a colour table of 120 entries", PackedDib(5, 2, 120), true, 5, 2},
    {5, "300 x 300 as the pictures are", PackedDib(300, 300), true, 300, 300},
    {20, "one byte short", Truncated(PackedDib(4, 3), 1), false, 0, 0},
    {21, "the header alone", Truncated(PackedDib(4, 3), 4 * 3 + 1024), false, 0, 0},
    {22, "shorter than a header", Bytes(39, 0), false, 0, 0},
    {23, "empty", Bytes{}, false, 0, 0},
    {24, "an older 12-byte header", With32(PackedDib(4, 3), 0, 12), false, 0, 0},
    {25, "a newer 108-byte header", With32(PackedDib(4, 3), 0, 108), false, 0, 0},
    {26, "24 bits per pixel", With16(PackedDib(4, 3), 14, 24), false, 0, 0},
    {27, "4 bits per pixel", With16(PackedDib(4, 3), 14, 4), false, 0, 0},
    {28, "run-length compressed", With32(PackedDib(4, 3), 16, 1), false, 0, 0},
    {29, "two planes", With16(PackedDib(4, 3), 12, 2), false, 0, 0},
    {30, "width 0", With32(PackedDib(4, 3), 4, 0), false, 0, 0},
    {31, "negative width", With32(PackedDib(4, 3), 4, static_cast<std::uint32_t>(-4)), false, 0, 0},
    {32, "height 0", With32(PackedDib(4, 3), 8, 0), false, 0, 0},
    {33, "a width that would overflow", With32(PackedDib(4, 3), 4, 0x7FFFFFFF), false, 0, 0},
    {34, "the most negative height", With32(PackedDib(4, 3), 8, 0x80000000), false, 0, 0},
    {35, "a height past the data", With32(PackedDib(4, 3), 8, 4), false, 0, 0},
    {36, "257 colours", With32(PackedDib(4, 3), 32, 257), false, 0, 0},
    {37, "a colour count past the data", With32(PackedDib(4, 3), 32, 0xFFFFFFFF), false, 0, 0},
};

std::vector<EmbeddedBitmap> MakeTable() {
    std::vector<EmbeddedBitmap> table;
    for (const Resource& r : resources)
        table.push_back({r.id, r.bytes.empty() ? nullptr : r.bytes.data(), r.bytes.size()});
    table.push_back({40, nullptr, 1064});  // an entry with no bytes behind it
    return table;
}

}  // namespace

// The seam: this table stands in for the one the pictures' library defines.
std::span<const EmbeddedBitmap> EmbeddedBitmaps() {
    static const std::vector<EmbeddedBitmap> table = MakeTable();
    return table;
}

namespace {

HBITMAP Load(int id, int width = 0, int height = 0, UINT flags = LR_CREATEDIBSECTION, UINT type = IMAGE_BITMAP) {
    return static_cast<HBITMAP>(LoadImageA(nullptr, MAKEINTRESOURCEA(id), type, width, height, flags));
}

// The pixels of a loaded bitmap, read through a memory DC as the renderer would hold it.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int width, int height) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GdiGetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    return pixels;
}

TEST(LoadImageTest, SoundBitmapsLoadWithTheirColourTableAndDamagedOnesGiveNothing) {
    const int before = GdiLiveObjectCount();
    for (const Resource& r : resources) {
        SCOPED_TRACE(r.what);
        HBITMAP bitmap = Load(r.id);
        if (!r.loads) {
            EXPECT_EQ(bitmap, nullptr);
            continue;
        }
        ASSERT_NE(bitmap, nullptr);
        const GdiBitmap* b = GdiLookupBitmap(bitmap);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->bitCount, 8) << "a DIB section keeps its 8-bit indices";
        EXPECT_EQ(b->width, r.width);
        EXPECT_EQ(b->height, r.height);
        const int entries = r.id == 4 ? 120 : 256;
        const std::vector<COLORREF> pixels = PixelsOf(bitmap, r.width, r.height);
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x) {
                const int index = IndexAt(x, y);
                const COLORREF expected = index < entries ? EntryColour(index) : 0;
                ASSERT_EQ(pixels[static_cast<std::size_t>(y) * r.width + x], expected) << x << "," << y;
            }
        EXPECT_TRUE(DeleteObject(bitmap));
    }
    EXPECT_EQ(Load(40), nullptr);
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

TEST(LoadImageTest, OnlyBitmapsByIntegerIdentifierAsDibSectionsOfTheirOwnSize) {
    const int before = GdiLiveObjectCount();
    EXPECT_EQ(Load(99), nullptr) << "no such identifier";
    EXPECT_EQ(Load(0), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, "picture", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION), nullptr);
    EXPECT_EQ(Load(5, 300, 300, 0), nullptr) << "only DIB sections are made";
    EXPECT_EQ(Load(5, 300, 300, LR_CREATEDIBSECTION, 1), nullptr) << "an icon was asked for";
    EXPECT_EQ(Load(5, 299, 300), nullptr) << "nothing is stretched";
    EXPECT_EQ(Load(5, 300, 301), nullptr);
    EXPECT_EQ(GdiLiveObjectCount(), before) << "a refused size leaves nothing behind";
    HBITMAP exact = Load(5, 300, 300);
    EXPECT_NE(exact, nullptr);
    DeleteObject(exact);
}

TEST(LoadImageTest, ConvertsThroughTheColourTableAtEveryCopy) {
    HBITMAP bitmap = Load(1);
    std::vector<std::uint32_t> surface(8 * 8, 0);
    HDC screen = GdiCreateSurfaceDC(GdiSurface{surface.data(), 8, 8, 8});
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(screen, 2, 3, 4, 3, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(GdiGetPixel(screen, x + 2, y + 3), EntryColour(IndexAt(x, y)));
    GdiDeleteSurfaceDC(screen);
    DeleteObject(bitmap);
}

}  // namespace
