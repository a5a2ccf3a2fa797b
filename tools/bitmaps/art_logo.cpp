// The Tornel mark: a dark disc with a sheen, crossed by a bold white T.
// The drawing is laid out on 32 pixels and scaled to whole pixels, so every
// size is drawn for its own grid rather than resampled from another.
#include "artwork.h"

#include <algorithm>

namespace art {
namespace {

// A length of the 32-pixel drawing at `layout` pixels, to the nearest pixel.
int Scaled(int length, int layout) { return (length * layout + 16) / 32; }

struct MarkShape {
    int size;    // the box, size x size pixels
    int layout;  // pixels the 32-pixel drawing spans; the rest is margin

    // Inside the circle centred in the box, `inset` drawing units in from its edge.
    bool InDisc(double x, double y, int inset) const {
        const double cx = 2 * x - size, cy = 2 * y - size, r = size - 2 * Scaled(inset, layout);
        return cx * cx + cy * cy <= r * r;
    }

    // Spans of the T: horizontally symmetric about the centre, so that
    // rounding never leans the stem to one side.
    bool InT(double x, double y, int shift) const {
        const int top = (size - layout) / 2 + shift, centre = size / 2 + shift;
        auto inside = [&](int halfWidth, int y0, int y1) {
            const int h = Scaled(halfWidth, layout);
            return x >= centre - h && x < centre + h && y >= top + Scaled(y0, layout) && y < top + Scaled(y1, layout);
        };
        return inside(9, 8, 12) || inside(2, 12, 25);
    }

    int Colour(double x, double y) const {
        if (!InDisc(x, y, 0)) return -1;
        const int shadow = std::max(1, Scaled(1, layout));
        if (InT(x, y, 0)) {
            // The bar's top quarter catches the light, except on a bar too
            // thin to spare a row for it.
            const int barTop = (size - layout) / 2 + Scaled(8, layout);
            const int highlight = (Scaled(12, layout) - Scaled(8, layout) + 1) / 4;
            return y < barTop + highlight ? kAqua : kWhite;
        }
        if (InT(x, y, shadow)) return kBlack;
        int colour = kBlack;
        if (InDisc(x, y, 1)) colour = kNavy;
        if (InDisc(x, y, 1) && !InDisc(x, y, 3) && x + y < size - Scaled(3, layout)) colour = kTeal;
        if (InDisc(x, y, 5) && !InDisc(x, y, 6)) colour = kBlue;
        if (InDisc(x, y, 9) && !InDisc(x, y, 10)) colour = kBlue;
        return colour;
    }
};

Canvas Mark(int size, int layout) {
    const MarkShape shape{size, layout};
    Canvas c(size, size, kSilver);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int colour = shape.Colour(x + 0.5, y + 0.5);
            if (colour >= 0) c.Set(x, y, static_cast<std::uint8_t>(colour));
        }
    return c;
}

}  // namespace

void AddLogo(Sheet& sheet) { sheet.push_back({"BITMAP_MARK", Mark(36, 32)}); }

Canvas Icon() { return Mark(32, 32); }

int MarkColourAt(int size, double x, double y) { return MarkShape{size, size}.Colour(x, y); }

}  // namespace art
