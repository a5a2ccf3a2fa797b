// Glyphs beyond ASCII come from IPA Gothic, rendered once without smoothing
// so that they stay as crisp as the pixel font, and kept for the process's
// life: the panel's texts are drawn again at every paint.
#include "platform/core/panel_glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <unordered_map>

#include "platform/core/system.h"
#include "platform/core/text_render.h"
#include "resources/resources.h"

namespace win::core {
namespace {

constexpr int kCellWidth = res::kPanelFontWidth;
constexpr int kBaseline = 7;  // rows above it: 7; the last row takes descenders
constexpr char32_t kNoCharacter = 0xFFFFFFFF;

CellGlyph FromPixelRows(const std::uint8_t (&rows)[8]) {
    CellGlyph glyph{1, {}};
    for (int r = 0; r < kGlyphRows; ++r) glyph.rows[r] = rows[r];
    return glyph;
}

const std::array<CellGlyph, 128>& AsciiGlyphs() {
    static const std::array<CellGlyph, 128> glyphs = [] {
        std::array<CellGlyph, 128> table{};
        for (auto& g : table) g.cells = 1;  // control characters: a blank cell
        for (int ch = 0x20; ch <= 0x7E; ++ch) table[ch] = FromPixelRows(res::kPanelFont[ch - 0x20]);
        return table;
    }();
    return glyphs;
}

const CellGlyph& Replacement(int cells) {
    static const CellGlyph one = FromPixelRows(res::kPanelReplacementGlyph);
    static const CellGlyph two = [] {
        CellGlyph g{2, {}};
        for (int r = 0; r < kGlyphRows; ++r) g.rows[r] = static_cast<std::uint16_t>(one.rows[r] << 3);
        return g;
    }();
    return cells == 2 ? two : one;
}

// East Asian wide and full-width characters take two cells.
bool IsWide(char32_t c) {
    constexpr std::pair<char32_t, char32_t> kWide[] = {
        {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
        {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
        {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD},
    };
    for (const auto& [first, last] : kWide)
        if (c >= first && c <= last) return true;
    return false;
}

// One UTF-8 character; kNoCharacter for a byte that starts none (overlong
// forms, surrogates and values past U+10FFFF included), which is consumed
// alone.
char32_t DecodeUtf8(const unsigned char* s, int length, int& at) {
    const unsigned char lead = s[at++];
    int more = 0;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3, c = lead & 0x07;
    } else {
        return lead < 0x80 ? lead : kNoCharacter;
    }
    if (at + more > length) return kNoCharacter;
    for (int i = 0; i < more; ++i) {
        const unsigned char next = s[at + i];
        if ((next & 0xC0) != 0x80) return kNoCharacter;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[more] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return kNoCharacter;
    at += more;
    return c;
}

// Ink of a monochrome FreeType bitmap, placed on the cells' baseline and
// centred in them. False when the face has no glyph for the character.
bool RenderGlyph(FT_Face face, char32_t c, CellGlyph& glyph) {
    const FT_UInt index = FT_Get_Char_Index(face, c);
    if (index == 0) return false;
    const int width = kCellWidth * glyph.cells;
    // A character the face draws full-width but the text counts narrow is
    // drawn narrower rather than cut.
    FT_Set_Pixel_Sizes(face, 0, kGlyphRows);
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) return false;
    if ((face->glyph->advance.x >> 6) > width) FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(width), kGlyphRows);
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    const int advance = static_cast<int>(slot->advance.x >> 6);
    const int left = (width - advance) / 2 + slot->bitmap_left;
    const int top = kBaseline - slot->bitmap_top;
    for (unsigned row = 0; row < slot->bitmap.rows; ++row) {
        const int y = top + static_cast<int>(row);
        if (y < 0 || y >= kGlyphRows) continue;
        const unsigned char* bits = slot->bitmap.buffer + static_cast<std::ptrdiff_t>(row) * slot->bitmap.pitch;
        for (unsigned col = 0; col < slot->bitmap.width; ++col) {
            const int x = left + static_cast<int>(col);
            if (x < 0 || x >= width || !((bits[col / 8] >> (7 - col % 8)) & 1)) continue;
            glyph.rows[y] = static_cast<std::uint16_t>(glyph.rows[y] | (1u << (width - 1 - x)));
        }
    }
    // Narrow strokes one pixel bolder, as the pixel font's are; wide ones
    // would fill in.
    if (glyph.cells == 1) {
        for (auto& row : glyph.rows) row = static_cast<std::uint16_t>((row | (row >> 1)) & ((1u << width) - 1));
    }
    return true;
}

const CellGlyph& WideFaceGlyph(char32_t c) {
    static std::unordered_map<char32_t, CellGlyph> cache;
    if (auto found = cache.find(c); found != cache.end()) return found->second;
    CellGlyph glyph{IsWide(c) ? 2 : 1, {}};
    FT_Face face = LoadFontFace(system::FontFile(system::Face::Wide));
    if (!face || !RenderGlyph(face, c, glyph)) glyph = Replacement(glyph.cells);
    return cache.emplace(c, glyph).first->second;
}

}  // namespace

const CellGlyph& NextPanelGlyph(const char* text, int length, int& at) {
    const char32_t c = DecodeUtf8(reinterpret_cast<const unsigned char*>(text), length, at);
    if (c == kNoCharacter) return Replacement(1);
    if (c < 0x80) return AsciiGlyphs()[c];
    return WideFaceGlyph(c);
}

}  // namespace win::core
