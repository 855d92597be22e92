// The three pictures as the program carries them: stored form, identifiers, and pixels equal to the .bmp files.
#include "platform/gdi_testing.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
std::uint32_t Read32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Read16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(EmbeddedPicturesTest, EachFileHasTheStoredForm) {
    const std::uint32_t pelsPerMeter[] = {2834, 2677, 2952};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const auto file = ReadFile(std::string(KV_RES_DIR) + "/picture" + std::to_string(i + 1) + ".bmp");
        ASSERT_EQ(file.size(), 14u + 91064u);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(Read32(file, 2), 91078u);
        EXPECT_EQ(Read32(file, 10), 14u + 40u + 1024u);
        const std::size_t h = 14;  // the packed bitmap starts here
        EXPECT_EQ(Read32(file, h + 0), 40u);
        EXPECT_EQ(Read32(file, h + 4), 300u);
        EXPECT_EQ(Read32(file, h + 8), 300u) << "positive: bottom row first";
        EXPECT_EQ(Read16(file, h + 12), 1);
        EXPECT_EQ(Read16(file, h + 14), 8);
        EXPECT_EQ(Read32(file, h + 16), 0u);
        EXPECT_EQ(Read32(file, h + 20), 0u);
        EXPECT_EQ(Read32(file, h + 24), pelsPerMeter[i]);
        EXPECT_EQ(Read32(file, h + 28), pelsPerMeter[i]);
        EXPECT_EQ(Read32(file, h + 32), 0u);
        EXPECT_EQ(Read32(file, h + 36), 0u);
        for (int e = 0; e < 256; ++e) EXPECT_EQ(file[h + 40 + 4 * e + 3], 0) << "entry " << e;
        // A picture, not a test pattern: the palette is put to use.
        std::set<unsigned char> used(file.begin() + h + 1064, file.end());
        EXPECT_GT(used.size(), 200u);
    }
}

TEST(EmbeddedPicturesTest, LoadImageGivesEveryPixelThroughTheColourTable) {
    const int before = GdiLiveObjectCount();
    std::vector<std::vector<COLORREF>> seen;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(101 + i);
        const auto file = ReadFile(std::string(KV_RES_DIR) + "/picture" + std::to_string(i + 1) + ".bmp");
        ASSERT_EQ(file.size(), 91078u);
        auto picture = static_cast<HBITMAP>(
            LoadImageA(nullptr, MAKEINTRESOURCEA(101 + i), IMAGE_BITMAP, 300, 300, LR_CREATEDIBSECTION));
        ASSERT_NE(picture, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, picture);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 300; ++x) {
                const std::size_t index = file[14 + 1064 + static_cast<std::size_t>(299 - y) * 300 + x];
                const std::size_t entry = 14 + 40 + 4 * index;
                const COLORREF expected = RGB(file[entry + 2], file[entry + 1], file[entry]);
                const COLORREF pixel = GdiGetPixel(dc, x, y);
                ASSERT_EQ(pixel, expected) << x << "," << y;
                pixels.push_back(pixel);
            }
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(picture);
        seen.push_back(std::move(pixels));
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);
    EXPECT_NE(seen[0], seen[2]);
    EXPECT_EQ(LoadImageA(nullptr, MAKEINTRESOURCEA(104), IMAGE_BITMAP, 300, 300, LR_CREATEDIBSECTION), nullptr);
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

}  // namespace
