// LoadImageA for the bitmap resources compiled into the program: packed 8-bit DIBs become DIB sections.
#include "platform/gdi/gdi_internal.h"
#include "platform/resources/embedded_bitmaps.h"
#include "platform/win32.h"

#include <cstdint>
#include <vector>

namespace {

std::uint32_t Read32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t Read16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

const EmbeddedBitmap* Find(int id) {
    for (const EmbeddedBitmap& bitmap : EmbeddedBitmaps())
        if (bitmap.id == id) return &bitmap;
    return nullptr;
}

// Reads a packed DIB with a BITMAPINFOHEADER, 8 bits per pixel, uncompressed, either row order. Every size is
// checked against the bytes present before anything is read, so a damaged resource gives no bitmap, never a
// read past its end.
HBITMAP FromPackedDib(const unsigned char* data, std::size_t size) {
    constexpr std::size_t HeaderSize = 40;
    constexpr std::int64_t MaxSide = 16384;
    if (!data || size < HeaderSize || Read32(data) != HeaderSize) return nullptr;
    const auto width = static_cast<std::int32_t>(Read32(data + 4));
    const auto height = static_cast<std::int32_t>(Read32(data + 8));
    const std::uint16_t planes = Read16(data + 12);
    const std::uint16_t bitCount = Read16(data + 14);
    const std::uint32_t compression = Read32(data + 16);
    const std::uint32_t coloursUsed = Read32(data + 32);
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (planes != 1 || bitCount != 8 || compression != 0 || width <= 0 || width > MaxSide || rows == 0 ||
        rows > MaxSide || coloursUsed > 256)
        return nullptr;
    const std::int64_t entries = coloursUsed == 0 ? 256 : coloursUsed;
    const std::int64_t stride = (static_cast<std::int64_t>(width) + 3) & ~std::int64_t{3};
    const std::int64_t pixelsAt = static_cast<std::int64_t>(HeaderSize) + 4 * entries;
    if (pixelsAt + stride * rows > static_cast<std::int64_t>(size)) return nullptr;

    // Entries beyond the table's length are black, like an index past the platform's colour table.
    std::uint32_t palette[256] = {};
    for (std::int64_t i = 0; i < entries; ++i) {
        const unsigned char* e = data + HeaderSize + 4 * i;
        palette[i] = static_cast<std::uint32_t>(e[2]) << 16 | static_cast<std::uint32_t>(e[1]) << 8 | e[0];
    }
    std::vector<std::uint8_t> topDown(static_cast<std::size_t>(width * rows));
    for (std::int64_t y = 0; y < rows; ++y) {
        // A positive height stores the bottom row first.
        const std::int64_t stored = height > 0 ? rows - 1 - y : y;
        const unsigned char* row = data + pixelsAt + stored * stride;
        std::copy(row, row + width, topDown.begin() + y * width);
    }
    return GdiCreateIndexedBitmap(width, static_cast<int>(rows), palette, topDown.data());
}

}  // namespace

HANDLE WINAPI LoadImageA(HINSTANCE, LPCSTR name, UINT type, int width, int height, UINT flags) {
    // Only integer identifiers name our resources; only DIB sections are made (the pictures keep their own
    // colour table and are converted at every copy); and nothing is stretched, so a size asked must be the
    // bitmap's own (or 0 for "as stored").
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    if (type != IMAGE_BITMAP || value == 0 || value > 0xFFFF || !(flags & LR_CREATEDIBSECTION)) return nullptr;
    const EmbeddedBitmap* resource = Find(static_cast<int>(value));
    if (!resource) return nullptr;
    HBITMAP bitmap = FromPackedDib(resource->data, resource->size);
    const GdiBitmap* b = GdiLookupBitmap(bitmap);
    if (b && ((width != 0 && width != b->width) || (height != 0 && height != b->height))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}
