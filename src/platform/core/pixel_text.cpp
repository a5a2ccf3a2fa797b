// The panel's 6x8 pixel font, with nearest-neighbour scaling for the rare
// larger cell (a TrueType face that could not be loaded).
#include "platform/core/text_render.h"
#include "resources/resources.h"

namespace win::core {

void DrawPixelText(Canvas& c, int x, int y, const char* text, int length, int cellWidth, int cellHeight,
                   const TextStyle& style) {
    for (int i = 0; i < length; ++i) {
        const int left = x + i * cellWidth;
        if (style.opaque) FillRect(c, RECT{left, y, left + cellWidth, y + cellHeight}, style.bg);
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch < 0x20 || ch > 0x7E) continue;  // no glyph: the cell stays blank
        const std::uint8_t* rows = res::kPanelFont[ch - 0x20];
        for (int py = 0; py < cellHeight; ++py) {
            const std::uint8_t bits = rows[py * res::kPanelFontHeight / cellHeight];
            for (int px = 0; px < cellWidth; ++px) {
                const int column = px * res::kPanelFontWidth / cellWidth;
                if (bits & (0x20 >> column)) PutPixel(c, left + px, y + py, style.fg);
            }
        }
    }
}

}  // namespace win::core
