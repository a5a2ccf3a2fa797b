// Pixel access for the software GDI, honouring the clip.
#include "platform/core/canvas.h"

#include "platform/core/core_state.h"
#include "platform/core/gdi_objects.h"
#include "platform/core/rects.h"

namespace win::core {

namespace {

bool Visible(const Canvas& c, int x, int y) {
    if (x < 0 || y < 0 || x >= c.width || y >= c.height) return false;
    if (!c.clip) return true;
    if (!Contains(c.clipBounds, x, y)) return false;
    for (const RECT& r : *c.clip) {
        if (r.top > y) break;  // the bands are sorted by top
        if (Contains(r, x, y)) return true;
    }
    return false;
}

void MarkDirty(Canvas& c, const RECT& r) {
    if (c.dirty) *c.dirty = Union(*c.dirty, r);
}

}  // namespace

bool CanvasOf(HDC hdc, Canvas* canvas) {
    if (!IsLiveDC(hdc)) return false;
    if (hdc->memory) {
        BitmapData& bm = DataOf(hdc->bitmap);
        *canvas = Canvas{bm.pixels.data(), bm.width, bm.height, nullptr, RECT{0, 0, 0, 0}, nullptr};
        return true;
    }
    Window* w = FindWindow(hdc->window);
    if (!w || !w->surface) return false;
    *canvas = Canvas{w->surface->pixels, Surface::kWidth, Surface::kHeight, hdc->painting ? &hdc->clip : nullptr,
                     hdc->clipBounds, hdc->painting ? nullptr : &hdc->dirty};
    return true;
}

void FillRect(Canvas& c, const RECT& r, std::uint32_t color) {
    ForEachVisible(c, r, [&](const RECT& part) {
        for (int y = part.top; y < part.bottom; ++y) {
            std::uint32_t* row = c.pixels + static_cast<std::ptrdiff_t>(y) * c.width;
            std::fill(row + part.left, row + part.right, color);
        }
        MarkDirty(c, part);
    });
}

void PutPixel(Canvas& c, int x, int y, std::uint32_t color) {
    if (!Visible(c, x, y)) return;
    c.pixels[static_cast<std::ptrdiff_t>(y) * c.width + x] = color;
    MarkDirty(c, RECT{x, y, x + 1, y + 1});
}

void BlendPixel(Canvas& c, int x, int y, std::uint32_t color, int coverage) {
    if (coverage <= 0 || !Visible(c, x, y)) return;
    std::uint32_t& px = c.pixels[static_cast<std::ptrdiff_t>(y) * c.width + x];
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int under = static_cast<int>((px >> shift) & 0xFF);
        const int over = static_cast<int>((color >> shift) & 0xFF);
        out |= static_cast<std::uint32_t>(under + (over - under) * coverage / 255) << shift;
    }
    px = out;
    MarkDirty(c, RECT{x, y, x + 1, y + 1});
}

}  // namespace win::core
