// The panel font's glyphs for UTF-8 text: ASCII from the bundled 6x8 pixel
// font, every other character from IPA Gothic at the same 8-pixel height,
// in one cell or, for a wide character, two.
#pragma once

#include <cstdint>

namespace win::core {

constexpr int kGlyphRows = 8;

struct CellGlyph {
    int cells;  // 1, or 2 for a wide character
    // Bit (6 * cells - 1 - column) of a row is the ink at that column.
    std::uint16_t rows[kGlyphRows];
};

// The glyph of the character starting at text[at], which `at` then passes.
// A byte that starts no valid UTF-8 sequence is one character, drawn as the
// replacement glyph, and so is a character the faces do not hold.
const CellGlyph& NextPanelGlyph(const char* text, int length, int& at);

}  // namespace win::core
