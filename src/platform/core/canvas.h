// Where a device context draws: a pixel buffer, its clip, and the bounds of
// what was drawn (for presenting a window DC's changes).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/rects.h"
#include "platform/win.h"

namespace win::core {

struct Canvas {
    std::uint32_t* pixels = nullptr;  // 0x00RRGGBB, top-down rows
    int width = 0, height = 0;
    const std::vector<RECT>* clip = nullptr;  // null: the buffer's bounds only; else in bands (region.h)
    RECT clipBounds{0, 0, 0, 0};              // the bounds of clip, to pass over what lies outside it at once
    RECT* dirty = nullptr;                    // null: nothing to present
};

// False when the DC draws nowhere (dead DC or window).
bool CanvasOf(HDC hdc, Canvas* canvas);

// Calls fn with each piece of r that lies inside the buffer and the clip.
template <typename Fn>
void ForEachVisible(const Canvas& c, const RECT& r, Fn fn) {
    const RECT inBuffer = Intersect(r, RECT{0, 0, c.width, c.height});
    if (IsEmpty(inBuffer)) return;
    if (!c.clip) {
        fn(inBuffer);
        return;
    }
    if (IsEmpty(Intersect(inBuffer, c.clipBounds))) return;
    for (const RECT& piece : *c.clip) {
        if (piece.top >= inBuffer.bottom) break;  // the bands are sorted by top
        const RECT part = Intersect(inBuffer, piece);
        if (!IsEmpty(part)) fn(part);
    }
}


void FillRect(Canvas& c, const RECT& r, std::uint32_t color);
void PutPixel(Canvas& c, int x, int y, std::uint32_t color);
// Mixes color over the pixel by coverage 0..255.
void BlendPixel(Canvas& c, int x, int y, std::uint32_t color, int coverage);

}  // namespace win::core
