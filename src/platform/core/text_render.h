// Text rasterizers behind TextOutA.
#pragma once

#include <cstdint>

#include "platform/core/canvas.h"
#include "platform/core/gdi_objects.h"

struct FT_FaceRec_;

namespace win::core {

struct TextStyle {
    std::uint32_t fg, bg;  // 0x00RRGGBB
    bool opaque;           // fill the character cells with bg first
};

// UTF-8 text in the panel font (panel_glyphs.h), drawn into cells of
// cellWidth x cellHeight, two for a wide character (6x8 is the font's own
// size: every glyph pixel lands on one pixel).
void DrawPixelText(Canvas& c, int x, int y, const char* text, int length, int cellWidth, int cellHeight,
                   const TextStyle& style);

// A font file's face, loaded once and kept for the process's life; null
// when it cannot be loaded (not tried again).
FT_FaceRec_* LoadFontFace(const char* path);

// Liberation Sans for the font's size and weight. False, drawing nothing,
// when the face file cannot be loaded.
bool DrawTrueTypeText(Canvas& c, const FontData& font, int x, int y, const char* text, int length,
                      const TextStyle& style);

}  // namespace win::core
