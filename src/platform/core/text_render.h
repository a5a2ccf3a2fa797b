// Text rasterizers behind TextOutA.
#pragma once

#include <cstdint>

#include "platform/core/canvas.h"
#include "platform/core/gdi_objects.h"

namespace win::core {

struct TextStyle {
    std::uint32_t fg, bg;  // 0x00RRGGBB
    bool opaque;           // fill the character cells with bg first
};

// The bundled 6x8 pixel font, drawn into cells of cellWidth x cellHeight
// (6x8 is the font's own size: every glyph pixel lands on one pixel).
void DrawPixelText(Canvas& c, int x, int y, const char* text, int length, int cellWidth, int cellHeight,
                   const TextStyle& style);

// Liberation Sans for the font's size and weight. False, drawing nothing,
// when the face file cannot be loaded.
bool DrawTrueTypeText(Canvas& c, const FontData& font, int x, int y, const char* text, int length,
                      const TextStyle& style);

}  // namespace win::core
