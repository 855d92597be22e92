// DrawTextA: the font's face found by fontconfig, glyphs rasterised by FreeType and blended anti-aliased.
#include "platform/gdi/gdi_internal.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

// A face at one pixel size, with the glyphs drawn so far. Every DrawTextA of the board draws the same ten
// digits, so each glyph is rasterised once per face and blended from the cache afterwards.
struct GdiFace {
    struct Glyph {
        int left;     // from the pen position to the first column
        int top;      // from the baseline up to the first row
        int width;
        int rows;
        int advance;  // whole pixels, as the hinted outline gives it
        std::vector<std::uint8_t> coverage;
    };
    FT_Face face = nullptr;
    int ascent = 0;   // pixels above the baseline that a line takes
    int descent = 0;  // pixels below it
    std::array<std::optional<Glyph>, 256> glyphs;
};

namespace {

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return library;
}

// Faces by file, face index and pixel size; they live as long as the process, like the platform's font cache.
std::map<std::tuple<std::string, int, int>, std::unique_ptr<GdiFace>>& Faces() {
    static std::map<std::tuple<std::string, int, int>, std::unique_ptr<GdiFace>> faces;
    return faces;
}

// The file fontconfig picks for the family name (on Debian "Arial" gives the metric-compatible Liberation Sans).
std::optional<std::pair<std::string, int>> MatchFile(const LOGFONTA& lf) {
    static const bool configured = FcInit();
    if (!configured) return std::nullopt;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return std::nullopt;
    if (lf.lfFaceName[0]) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(lf.lfFaceName));
    FcPatternAddInteger(pattern, FC_WEIGHT, lf.lfWeight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, lf.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return std::nullopt;
    std::optional<std::pair<std::string, int>> found;
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        found.emplace(reinterpret_cast<const char*>(file), index);
    }
    FcPatternDestroy(match);
    return found;
}

GdiFace* OpenFace(const std::string& file, int index, int pixels) {
    auto& faces = Faces();
    const auto key = std::make_tuple(file, index, pixels);
    if (auto it = faces.find(key); it != faces.end()) return it->second.get();
    auto face = std::make_unique<GdiFace>();
    if (!Library() || FT_New_Face(Library(), file.c_str(), index, &face->face) != 0) return nullptr;
    if (FT_Set_Pixel_Sizes(face->face, 0, static_cast<FT_UInt>(pixels)) != 0) {
        FT_Done_Face(face->face);
        return nullptr;
    }
    // The face's own line metrics, rounded outward by FreeType to whole pixels.
    face->ascent = static_cast<int>(face->face->size->metrics.ascender >> 6);
    face->descent = static_cast<int>(-(face->face->size->metrics.descender >> 6));
    return faces.emplace(key, std::move(face)).first->second.get();
}

GdiFace* Realise(GdiFont& font) {
    if (font.realised) return font.face;
    font.realised = true;
    const auto file = MatchFile(font.logFont);
    if (!file) return nullptr;
    const LONG height = font.logFont.lfHeight;
    int pixels = 16;  // a height of 0 asks for the default size
    if (height < 0) {
        pixels = height < -2000 ? 2000 : -height;  // a character height: the em square in pixels
    } else if (height > 0) {
        // A cell height: ascent plus descent. Scale the em from the face's design units, then step down while
        // the rounded line is still taller than asked.
        GdiFace* probe = OpenFace(file->first, file->second, 100);
        if (!probe) return nullptr;
        const FT_Face f = probe->face;
        const long design = f->ascender - f->descender;
        pixels = design > 0 ? static_cast<int>(static_cast<long>(height) * f->units_per_EM / design) : height;
        pixels = std::clamp(pixels, 1, 2000);
        while (pixels > 1) {
            const GdiFace* sized = OpenFace(file->first, file->second, pixels);
            if (!sized || sized->ascent + sized->descent <= height) break;
            --pixels;
        }
    }
    font.face = OpenFace(file->first, file->second, std::min(pixels, 2000));
    return font.face;
}

// Windows-1251 to Unicode for the letters; other bytes from 0x80 up have no glyph here.
FT_ULong CodePoint(unsigned char c) {
    if (c < 0x80) return c;
    if (c >= 0xC0) return 0x0410 + (c - 0xC0);
    if (c == 0xA8) return 0x0401;
    if (c == 0xB8) return 0x0451;
    return 0xFFFD;
}

const GdiFace::Glyph& GlyphOf(GdiFace& face, unsigned char c) {
    std::optional<GdiFace::Glyph>& slot = face.glyphs[c];
    if (slot) return *slot;
    slot.emplace(GdiFace::Glyph{0, 0, 0, 0, 0, {}});
    if (FT_Load_Char(face.face, CodePoint(c), FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return *slot;
    const FT_GlyphSlot g = face.face->glyph;
    const FT_Bitmap& bitmap = g->bitmap;
    slot->left = g->bitmap_left;
    slot->top = g->bitmap_top;
    slot->advance = static_cast<int>((g->advance.x + 32) >> 6);
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return *slot;
    slot->width = static_cast<int>(bitmap.width);
    slot->rows = static_cast<int>(bitmap.rows);
    slot->coverage.resize(static_cast<std::size_t>(slot->width) * slot->rows);
    for (int y = 0; y < slot->rows; ++y) {
        const unsigned char* row = bitmap.pitch >= 0 ? bitmap.buffer + y * bitmap.pitch
                                                     : bitmap.buffer + (slot->rows - 1 - y) * -bitmap.pitch;
        std::memcpy(slot->coverage.data() + static_cast<std::size_t>(y) * slot->width, row, bitmap.width);
    }
    return *slot;
}

inline std::uint32_t Blend(std::uint32_t under, std::uint32_t colour, unsigned coverage) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned d = (under >> shift) & 0xFF, c = (colour >> shift) & 0xFF;
        out |= ((d * (255 - coverage) + c * coverage + 127) / 255) << shift;
    }
    return out;
}

}  // namespace

// fontconfig keeps a table of its own until FcFini, which a program sharing the library with its window
// toolkit cannot call; the leak checker of the sanitizer builds is told that those bytes are fontconfig's.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int WINAPI DrawTextA(HDC dc, LPCSTR text, int length, RECT* rect, UINT format) {
    const GdiDC* d = GdiLookupDC(dc);
    if (!d || !text || !rect) return 0;
    GdiFont* font = GdiLookupFont(d->font);
    GdiFace* face = font ? Realise(*font) : nullptr;
    if (!face) return 0;
    const std::size_t count = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);

    int width = 0;
    for (std::size_t i = 0; i < count; ++i) width += GlyphOf(*face, bytes[i]).advance;
    const int lineHeight = face->ascent + face->descent;
    const int x = (format & DT_CENTER) ? rect->left + (rect->right - rect->left - width) / 2 : rect->left;
    const int y = ((format & DT_VCENTER) && (format & DT_SINGLELINE))
                      ? rect->top + (rect->bottom - rect->top - lineHeight) / 2
                      : rect->top;

    const GdiTarget target = GdiTargetOf(*d);
    if (!target.pixels) return lineHeight;
    const RECT clip = GdiIntersect(*rect, target.clip);
    if (GdiIsEmpty(clip)) return lineHeight;

    if (d->bkMode == OPAQUE) {
        const RECT box = GdiIntersect(RECT{x, y, x + width, y + lineHeight}, clip);
        const std::uint32_t background = GdiPixelFromColour(d->bkColour);
        for (LONG row = box.top; row < box.bottom; ++row)
            std::fill(target.pixels + static_cast<std::ptrdiff_t>(row) * target.stride + box.left,
                      target.pixels + static_cast<std::ptrdiff_t>(row) * target.stride + box.right, background);
    }

    const std::uint32_t colour = GdiPixelFromColour(d->textColour);
    const int baseline = y + face->ascent;
    int pen = x;
    for (std::size_t i = 0; i < count; ++i) {
        const GdiFace::Glyph& glyph = GlyphOf(*face, bytes[i]);
        const int left = pen + glyph.left, top = baseline - glyph.top;
        const RECT drawn = GdiIntersect(RECT{left, top, left + glyph.width, top + glyph.rows}, clip);
        for (LONG row = drawn.top; row < drawn.bottom; ++row) {
            std::uint32_t* out = target.pixels + static_cast<std::ptrdiff_t>(row) * target.stride;
            const std::uint8_t* in = glyph.coverage.data() + static_cast<std::size_t>(row - top) * glyph.width;
            for (LONG col = drawn.left; col < drawn.right; ++col) {
                const unsigned coverage = in[col - left];
                if (coverage == 255)
                    out[col] = colour;
                else if (coverage != 0)
                    out[col] = Blend(out[col], colour, coverage);
            }
        }
        pen += glyph.advance;
    }
    return lineHeight;
}
