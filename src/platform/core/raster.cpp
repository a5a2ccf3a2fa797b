// Rectangles, lines and bit-block copies, with GDI's pixel rules: a
// rectangle's outline lies inside its right/bottom-exclusive bounds and a
// line stops one pixel short of its end point.
#include <cstdlib>
#include <string>

#include "platform/core/call_log.h"
#include "platform/core/canvas.h"
#include "platform/core/gdi_objects.h"

namespace win {
namespace core {
namespace {

// Bresenham from (x0, y0) towards (x1, y1), the end point excluded.
void DrawLine(Canvas& c, int x0, int y0, int x1, int y1, std::uint32_t color) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        PutPixel(c, x0, y0, color);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

bool PenCanvas(HDC hdc, Canvas* c, std::uint32_t* color) {
    if (!CanvasOf(hdc, c)) return false;
    *color = ToSurfaceColor(DataOf(hdc->pen).color);
    return !DataOf(hdc->pen).null;
}

}  // namespace
}  // namespace core

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    core::LogCall("Rectangle", left, top, right, bottom);
    core::Canvas c;
    if (!core::CanvasOf(hdc, &c)) return FALSE;
    const RECT r = core::Normalized(left, top, right, bottom);
    const core::PenData& pen = core::DataOf(hdc->pen);
    const core::BrushData& brush = core::DataOf(hdc->brush);
    if (pen.null) {
        if (!brush.null) core::FillRect(c, r, core::ToSurfaceColor(brush.color));
        return TRUE;
    }
    if (!brush.null)
        core::FillRect(c, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, core::ToSurfaceColor(brush.color));
    const std::uint32_t outline = core::ToSurfaceColor(pen.color);
    core::FillRect(c, RECT{r.left, r.top, r.right, r.top + 1}, outline);
    core::FillRect(c, RECT{r.left, r.bottom - 1, r.right, r.bottom}, outline);
    core::FillRect(c, RECT{r.left, r.top, r.left + 1, r.bottom}, outline);
    core::FillRect(c, RECT{r.right - 1, r.top, r.right, r.bottom}, outline);
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    core::LogCall("LineTo", x, y);
    core::Canvas c;
    std::uint32_t color = 0;
    if (!core::IsLiveDC(hdc)) return FALSE;
    if (core::PenCanvas(hdc, &c, &color)) core::DrawLine(c, hdc->position.x, hdc->position.y, x, y, color);
    hdc->position = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    if (core::CallLog()) {
        std::string args;
        for (int i = 0; points && i < count; ++i) {
            if (i) args += ',';
            args += std::to_string(points[i].x);
            args += ',';
            args += std::to_string(points[i].y);
        }
        core::LogCall("Polyline", args);
    }
    if (!core::IsLiveDC(hdc) || !points || count < 2) return FALSE;
    core::Canvas c;
    std::uint32_t color = 0;
    if (!core::PenCanvas(hdc, &c, &color)) return TRUE;
    for (int i = 1; i < count; ++i) core::DrawLine(c, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, color);
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    core::LogCall("BitBlt", x, y, width, height);
    core::Canvas to, from;
    if (rop != SRCCOPY || !core::CanvasOf(dest, &to) || !core::CanvasOf(src, &from)) return FALSE;
    // The part of the destination whose source pixels exist.
    const RECT wanted = core::Intersect(RECT{x, y, x + width, y + height},
                                        RECT{x - srcX, y - srcY, x - srcX + from.width, y - srcY + from.height});
    core::ForEachVisible(to, wanted, [&](const RECT& part) {
        for (int row = part.top; row < part.bottom; ++row) {
            const std::uint32_t* in =
                from.pixels + static_cast<std::ptrdiff_t>(row - y + srcY) * from.width + (part.left - x + srcX);
            std::uint32_t* out = to.pixels + static_cast<std::ptrdiff_t>(row) * to.width + part.left;
            std::copy(in, in + (part.right - part.left), out);
        }
        if (to.dirty) *to.dirty = core::Union(*to.dirty, part);
    });
    return TRUE;
}

}  // namespace win
