// The panel's pixel font, with nearest-neighbour scaling for the rare
// larger cell (a TrueType face that could not be loaded).
#include "platform/core/panel_glyphs.h"
#include "platform/core/text_render.h"
#include "resources/resources.h"

namespace win::core {

void DrawPixelText(Canvas& c, int x, int y, const char* text, int length, int cellWidth, int cellHeight,
                   const TextStyle& style) {
    int left = x;
    for (int at = 0; at < length;) {
        const CellGlyph& glyph = NextPanelGlyph(text, length, at);
        const int width = cellWidth * glyph.cells;
        const int columns = res::kPanelFontWidth * glyph.cells;
        if (style.opaque) FillRect(c, RECT{left, y, left + width, y + cellHeight}, style.bg);
        for (int py = 0; py < cellHeight; ++py) {
            const unsigned bits = glyph.rows[py * kGlyphRows / cellHeight];
            if (bits == 0) continue;
            for (int px = 0; px < width; ++px) {
                const int column = px * columns / width;
                if (bits & (1u << (columns - 1 - column))) PutPixel(c, left + px, y + py, style.fg);
            }
        }
        left += width;
    }
}

}  // namespace win::core
