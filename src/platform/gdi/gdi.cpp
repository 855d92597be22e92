// The software GDI: a table of handles, memory and surface DCs, brushes, bitmaps, fills, outlines and block copies.
#include "platform/gdi/gdi_internal.h"
#include "platform/gdi_surface.h"
#include "platform/gdi_testing.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <variant>

namespace {

// A slot of the handle table. A handle carries its slot's index and generation, so a stale or forged handle
// finds nothing instead of another object; slots live in a deque, so lookups stay valid while others are made.
struct Slot {
    std::uint32_t index = 0;  // its own place in the table
    std::uint32_t generation = 0;
    bool stock = false;
    int selections = 0;  // how many DCs hold this object now
    std::variant<std::monostate, GdiBrush, GdiFont, GdiBitmap, GdiDC> object;
};

std::deque<Slot> slots;
std::vector<std::uint32_t> freeSlots;
int refusedDeletes = 0;

std::uintptr_t HandleOf(std::size_t index) {
    return (static_cast<std::uintptr_t>(slots[index].generation) << 32) | (index + 1);
}

Slot* SlotOf(const void* handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    const std::uintptr_t index = (value & 0xFFFFFFFFu);
    if (index == 0 || index > slots.size()) return nullptr;
    Slot& slot = slots[index - 1];
    if ((value >> 32) != slot.generation || std::holds_alternative<std::monostate>(slot.object)) return nullptr;
    return &slot;
}

template <typename Object>
Object* Lookup(const void* handle) {
    Slot* slot = SlotOf(handle);
    return slot ? std::get_if<Object>(&slot->object) : nullptr;
}

template <typename Handle, typename Object>
Handle Add(Object object, bool stock = false) {
    std::size_t index;
    if (!freeSlots.empty()) {
        index = freeSlots.back();
        freeSlots.pop_back();
    } else {
        index = slots.size();
        slots.emplace_back();
        slots.back().index = static_cast<std::uint32_t>(index);
    }
    slots[index].object = std::move(object);
    slots[index].stock = stock;
    slots[index].selections = 0;
    return reinterpret_cast<Handle>(HandleOf(index));
}

void Free(Slot& slot) {
    slot.object = std::monostate{};
    ++slot.generation;
    freeSlots.push_back(slot.index);
}

// The defaults of every new DC, as the platform has them: a white brush, the system font and, in a memory DC,
// a 1 x 1 bitmap with no usable pixels. They are shared and never deleted.
struct StockObjects {
    HBRUSH whiteBrush;
    HFONT systemFont;
    HBITMAP emptyBitmap;
};

const StockObjects& Stock() {
    static const StockObjects stock = [] {
        StockObjects s{};
        s.whiteBrush = Add<HBRUSH>(GdiBrush{false, 0, 0x00FFFFFF}, true);
        LOGFONTA systemFont{};
        systemFont.lfHeight = 16;
        s.systemFont = Add<HFONT>(GdiFont{systemFont, nullptr, false}, true);
        GdiBitmap empty{};
        empty.width = 1;
        empty.height = 1;
        empty.bitCount = 1;
        s.emptyBitmap = Add<HBITMAP>(std::move(empty), true);
        return s;
    }();
    return stock;
}

GdiDC DefaultDC() {
    const StockObjects& stock = Stock();
    GdiDC dc{};
    dc.brush = stock.whiteBrush;
    dc.font = stock.systemFont;
    dc.textColour = 0x00000000;
    dc.bkColour = 0x00FFFFFF;
    dc.bkMode = OPAQUE;
    return dc;
}

void Deselect(const void* handle) {
    if (Slot* slot = SlotOf(handle); slot && slot->selections > 0) --slot->selections;
}

// Lays a brush over r (already clipped). The hatch is laid from the device's origin, so neighbouring fills join
// up; between its lines the background colour shows while the mode is opaque, the destination otherwise.
void Paint(const GdiTarget& target, const RECT& r, const GdiBrush& brush, const GdiDC& dc) {
    const std::uint32_t colour = GdiPixelFromColour(brush.colour);
    const std::uint32_t background = GdiPixelFromColour(dc.bkColour);
    for (LONG y = r.top; y < r.bottom; ++y) {
        std::uint32_t* row = target.pixels + static_cast<std::ptrdiff_t>(y) * target.stride;
        if (!brush.hatched) {
            std::fill(row + r.left, row + r.right, colour);
            continue;
        }
        for (LONG x = r.left; x < r.right; ++x) {
            // HS_DIAGCROSS: both diagonals of an 8 x 8 cell.
            const bool line = ((x - y) & 7) == 0 || ((x + y) & 7) == 7;
            if (line)
                row[x] = colour;
            else if (dc.bkMode == OPAQUE)
                row[x] = background;
        }
    }
}

}  // namespace

// ---- Internal services -------------------------------------------------------------------------

GdiDC* GdiLookupDC(HDC dc) { return Lookup<GdiDC>(dc); }
GdiBrush* GdiLookupBrush(HBRUSH brush) { return Lookup<GdiBrush>(brush); }
GdiFont* GdiLookupFont(HFONT font) { return Lookup<GdiFont>(font); }
GdiBitmap* GdiLookupBitmap(HBITMAP bitmap) { return Lookup<GdiBitmap>(bitmap); }

bool GdiIsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT GdiIntersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (GdiIsEmpty(r)) r = RECT{0, 0, 0, 0};
    return r;
}

GdiTarget GdiTargetOf(const GdiDC& dc) {
    if (dc.onSurface) return GdiTarget{dc.surface.pixels, dc.surface.stride, dc.surfaceClip};
    const GdiBitmap* bitmap = Lookup<GdiBitmap>(dc.bitmap);
    if (!bitmap || bitmap->bitCount != 32) return GdiTarget{nullptr, 0, RECT{0, 0, 0, 0}};
    return GdiTarget{const_cast<std::uint32_t*>(bitmap->pixels.data()), bitmap->width,
                     RECT{0, 0, bitmap->width, bitmap->height}};
}

HBITMAP GdiCreateIndexedBitmap(int width, int height, const std::uint32_t* palette,
                               const std::uint8_t* topDownIndices) {
    if (width <= 0 || height <= 0 || !palette || !topDownIndices) return nullptr;
    GdiBitmap bitmap{};
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitCount = 8;
    bitmap.indices.assign(topDownIndices, topDownIndices + static_cast<std::size_t>(width) * height);
    std::copy(palette, palette + 256, bitmap.palette.begin());
    return Add<HBITMAP>(std::move(bitmap));
}

// ---- Surface DCs for the window back ends ------------------------------------------------------

HDC GdiCreateSurfaceDC(GdiSurface surface) {
    if (!surface.pixels || surface.width <= 0 || surface.height <= 0 || surface.stride < surface.width)
        return nullptr;
    GdiDC dc = DefaultDC();
    dc.onSurface = true;
    dc.surface = surface;
    dc.surfaceClip = RECT{0, 0, surface.width, surface.height};
    Slot* brush = SlotOf(dc.brush);
    Slot* font = SlotOf(dc.font);
    ++brush->selections;
    ++font->selections;
    return Add<HDC>(dc);
}

void GdiSetSurfaceClip(HDC dc, const RECT* clip) {
    GdiDC* d = Lookup<GdiDC>(dc);
    if (!d || !d->onSurface) return;
    const RECT whole{0, 0, d->surface.width, d->surface.height};
    d->surfaceClip = clip ? GdiIntersect(whole, *clip) : whole;
}

void GdiDeleteSurfaceDC(HDC dc) {
    Slot* slot = SlotOf(dc);
    GdiDC* d = slot ? std::get_if<GdiDC>(&slot->object) : nullptr;
    if (!d || !d->onSurface) return;
    Deselect(d->brush);
    Deselect(d->font);
    Free(*slot);
}

// ---- What tests may ask ------------------------------------------------------------------------

int GdiLiveObjectCount() {
    int count = 0;
    for (const Slot& slot : slots)
        if (!slot.stock && !std::holds_alternative<std::monostate>(slot.object) &&
            !std::holds_alternative<GdiDC>(slot.object))
            ++count;
    return count;
}

int GdiLiveDCCount() {
    int count = 0;
    for (const Slot& slot : slots)
        if (std::holds_alternative<GdiDC>(slot.object)) ++count;
    return count;
}

int GdiRefusedDeleteCount() { return refusedDeletes; }

COLORREF GdiGetPixel(HDC dc, int x, int y) {
    const GdiDC* d = Lookup<GdiDC>(dc);
    if (!d) return 0xFFFFFFFF;
    if (d->onSurface) {
        if (x < 0 || y < 0 || x >= d->surface.width || y >= d->surface.height) return 0xFFFFFFFF;
        return GdiColourFromPixel(d->surface.pixels[static_cast<std::ptrdiff_t>(y) * d->surface.stride + x]);
    }
    const GdiBitmap* bitmap = Lookup<GdiBitmap>(d->bitmap);
    if (!bitmap || bitmap->bitCount == 1 || x < 0 || y < 0 || x >= bitmap->width || y >= bitmap->height)
        return 0xFFFFFFFF;
    const std::size_t at = static_cast<std::size_t>(y) * bitmap->width + x;
    return GdiColourFromPixel(bitmap->bitCount == 32 ? bitmap->pixels[at] : bitmap->palette[bitmap->indices[at]]);
}

// ---- GDI32 -------------------------------------------------------------------------------------

HDC WINAPI CreateCompatibleDC(HDC dc) {
    // Given a DC, it must be a live one; given none, the DC is compatible with the screen.
    if (dc && !Lookup<GdiDC>(dc)) return nullptr;
    GdiDC memory = DefaultDC();
    memory.bitmap = memory.firstBitmap = Stock().emptyBitmap;
    ++SlotOf(memory.brush)->selections;
    ++SlotOf(memory.font)->selections;
    ++SlotOf(memory.bitmap)->selections;
    return Add<HDC>(memory);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height) {
    const GdiDC* d = Lookup<GdiDC>(dc);
    if (!d || width <= 0 || height <= 0 || width > 16384 || height > 16384) return nullptr;
    // A fresh memory DC holds the 1 x 1 monochrome bitmap, and a bitmap compatible with it would be monochrome
    // too; this layer has no monochrome bitmaps, so only a DC with 32-bit pixels gives a bitmap.
    if (!d->onSurface) {
        const GdiBitmap* held = Lookup<GdiBitmap>(d->bitmap);
        if (!held || held->bitCount != 32) return nullptr;
    }
    GdiBitmap bitmap{};
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitCount = 32;
    bitmap.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    return Add<HBITMAP>(std::move(bitmap));
}

HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object) {
    GdiDC* d = Lookup<GdiDC>(dc);
    Slot* slot = SlotOf(object);
    if (!d || !slot) return nullptr;
    HGDIOBJ previous = nullptr;
    if (std::holds_alternative<GdiBrush>(slot->object)) {
        previous = d->brush;
        d->brush = static_cast<HBRUSH>(object);
    } else if (std::holds_alternative<GdiFont>(slot->object)) {
        previous = d->font;
        d->font = static_cast<HFONT>(object);
    } else if (auto* bitmap = std::get_if<GdiBitmap>(&slot->object)) {
        // A bitmap sits in one memory DC at a time; a window's DC takes none.
        if (d->onSurface) return nullptr;
        if (d->bitmap == object) return object;
        if (!slot->stock && bitmap->selectedInto) return nullptr;
        if (GdiBitmap* old = Lookup<GdiBitmap>(d->bitmap)) old->selectedInto = nullptr;
        previous = d->bitmap;
        d->bitmap = static_cast<HBITMAP>(object);
        if (!slot->stock) bitmap->selectedInto = dc;
    } else {
        return nullptr;
    }
    Deselect(previous);
    ++slot->selections;
    return previous;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF colour) { return Add<HBRUSH>(GdiBrush{false, 0, colour & 0x00FFFFFF}); }

HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF colour) {
    if (hatch != HS_DIAGCROSS) return nullptr;  // the one hatch the game draws
    return Add<HBRUSH>(GdiBrush{true, hatch, colour & 0x00FFFFFF});
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* font) {
    if (!font) return nullptr;
    GdiFont f{*font, nullptr, false};
    f.logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    return Add<HFONT>(f);
}

int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    const GdiDC* d = Lookup<GdiDC>(dc);
    const GdiBrush* b = Lookup<GdiBrush>(brush);
    if (!d || !b || !rect) return 0;
    const GdiTarget target = GdiTargetOf(*d);
    if (!target.pixels) return 0;
    const RECT r = GdiIntersect(*rect, target.clip);
    if (!GdiIsEmpty(r)) Paint(target, r, *b, *d);
    return 1;
}

BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom) {
    const GdiDC* d = Lookup<GdiDC>(dc);
    if (!d) return FALSE;
    const GdiTarget target = GdiTargetOf(*d);
    if (!target.pixels) return FALSE;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right == left || bottom == top) return TRUE;
    // Inside: the current brush.
    if (const GdiBrush* b = Lookup<GdiBrush>(d->brush)) {
        const RECT inside = GdiIntersect(RECT{left + 1, top + 1, right - 1, bottom - 1}, target.clip);
        if (!GdiIsEmpty(inside)) Paint(target, inside, *b, *d);
    }
    // Edges: the default pen, black and one pixel wide, on columns left and right-1, rows top and bottom-1.
    const GdiBrush pen{false, 0, 0x00000000};
    const RECT edges[] = {{left, top, right, top + 1},
                          {left, bottom - 1, right, bottom},
                          {left, top, left + 1, bottom},
                          {right - 1, top, right, bottom}};
    for (const RECT& edge : edges) {
        const RECT r = GdiIntersect(edge, target.clip);
        if (!GdiIsEmpty(r)) Paint(target, r, pen, *d);
    }
    return TRUE;
}

COLORREF WINAPI SetTextColor(HDC dc, COLORREF colour) {
    GdiDC* d = Lookup<GdiDC>(dc);
    if (!d) return 0xFFFFFFFF;  // CLR_INVALID
    const COLORREF previous = d->textColour;
    d->textColour = colour & 0x00FFFFFF;
    return previous;
}

int WINAPI SetBkMode(HDC dc, int mode) {
    GdiDC* d = Lookup<GdiDC>(dc);
    if (!d || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int previous = d->bkMode;
    d->bkMode = mode;
    return previous;
}

BOOL WINAPI BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                   DWORD rop) {
    const GdiDC* dst = Lookup<GdiDC>(destination);
    const GdiDC* src = Lookup<GdiDC>(source);
    if (!dst || !src || rop != SRCCOPY || width <= 0 || height <= 0) return FALSE;
    const GdiTarget target = GdiTargetOf(*dst);
    if (!target.pixels) return FALSE;

    // What the source can give: 32-bit pixels (a surface or a bitmap) or 8-bit indices with a colour table.
    const std::uint32_t* srcPixels = nullptr;
    const GdiBitmap* indexed = nullptr;
    long long srcStride = 0, srcWidth = 0, srcHeight = 0;
    if (src->onSurface) {
        srcPixels = src->surface.pixels;
        srcStride = src->surface.stride;
        srcWidth = src->surface.width;
        srcHeight = src->surface.height;
    } else {
        const GdiBitmap* bitmap = Lookup<GdiBitmap>(src->bitmap);
        if (!bitmap || bitmap->bitCount == 1) return FALSE;  // a fresh memory DC has nothing to copy
        srcWidth = bitmap->width;
        srcHeight = bitmap->height;
        srcStride = bitmap->width;
        if (bitmap->bitCount == 32)
            srcPixels = bitmap->pixels.data();
        else
            indexed = bitmap;
    }

    // Clip at both ends, in 64 bits so that no position can overflow: first to the source, then to the
    // destination's clip, moving the other end by the same amount each time.
    long long dx0 = x, dy0 = y, sx0 = sourceX, sy0 = sourceY, w = width, h = height;
    auto clipStart = [&](long long& a, long long& b, long long& len, long long limit) {
        if (a < limit) {
            const long long cut = limit - a;
            a += cut;
            b += cut;
            len -= cut;
        }
    };
    clipStart(sx0, dx0, w, 0);
    clipStart(sy0, dy0, h, 0);
    w = std::min(w, srcWidth - sx0);
    h = std::min(h, srcHeight - sy0);
    clipStart(dx0, sx0, w, target.clip.left);
    clipStart(dy0, sy0, h, target.clip.top);
    w = std::min(w, target.clip.right - dx0);
    h = std::min(h, target.clip.bottom - dy0);
    if (w <= 0 || h <= 0) return TRUE;

    // Rows go in the order that keeps an overlapping copy within one surface correct.
    const bool upward = srcPixels == target.pixels && dy0 > sy0;
    for (long long i = 0; i < h; ++i) {
        const long long row = upward ? h - 1 - i : i;
        std::uint32_t* out = target.pixels + (dy0 + row) * target.stride + dx0;
        if (indexed) {
            const std::uint8_t* in = indexed->indices.data() + (sy0 + row) * srcStride + sx0;
            for (long long c = 0; c < w; ++c) out[c] = indexed->palette[in[c]];
        } else {
            std::memmove(out, srcPixels + (sy0 + row) * srcStride + sx0,
                         static_cast<std::size_t>(w) * sizeof(std::uint32_t));
        }
    }
    return TRUE;
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
    Slot* slot = SlotOf(object);
    if (!slot || std::holds_alternative<GdiDC>(slot->object)) return FALSE;
    if (slot->stock) return TRUE;  // stock objects outlive every caller
    if (slot->selections > 0) {
        ++refusedDeletes;
        return FALSE;
    }
    Free(*slot);
    return TRUE;
}

BOOL WINAPI DeleteDC(HDC dc) {
    Slot* slot = SlotOf(dc);
    GdiDC* d = slot ? std::get_if<GdiDC>(&slot->object) : nullptr;
    if (!d || d->onSurface) return FALSE;
    // A DC still holding a bitmap of the caller's would strand that bitmap: the caller must select its first one
    // back before deleting the DC.
    if (d->bitmap != d->firstBitmap) {
        ++refusedDeletes;
        return FALSE;
    }
    Deselect(d->brush);
    Deselect(d->font);
    Deselect(d->bitmap);
    Free(*slot);
    return TRUE;
}
