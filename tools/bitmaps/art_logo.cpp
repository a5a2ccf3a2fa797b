// The Tornel mark: a dark disc with a sheen, crossed by a bold white T.
// Integer geometry only, so the output is the same everywhere.
#include "artwork.h"

namespace art {
namespace {

// Inside the circle of diameter d centred in a d x d box, pixel centres tested.
bool InDisc(int x, int y, int d, int inset) {
    const int cx = 2 * x + 1 - d, cy = 2 * y + 1 - d, r = d - 2 * inset;
    return cx * cx + cy * cy <= r * r;
}

Canvas Mark(int size, std::uint8_t ground) {
    Canvas c(size, size, ground);
    const int o = (size - 32) / 2;  // the drawing is laid out on 32 px
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (!InDisc(x, y, size, 0)) continue;
            std::uint8_t colour = kBlack;
            if (InDisc(x, y, size, 1)) colour = kNavy;
            if (InDisc(x, y, size, 1) && !InDisc(x, y, size, 3) && x + y < size - 4) colour = kTeal;
            if (InDisc(x, y, size, 5) && !InDisc(x, y, size, 6)) colour = kBlue;
            if (InDisc(x, y, size, 9) && !InDisc(x, y, size, 10)) colour = kBlue;
            c.Set(x, y, colour);
        }
    // The T, with a black drop shadow one pixel down-right.
    auto t = [&](int dx, std::uint8_t colour) {
        c.Fill(o + 7 + dx, o + 8 + dx, 18, 4, colour);
        c.Fill(o + 14 + dx, o + 12 + dx, 4, 13, colour);
    };
    t(1, kBlack);
    t(0, kWhite);
    c.Fill(o + 7, o + 8, 18, 1, kAqua);
    return c;
}

}  // namespace

void AddLogo(Sheet& sheet) { sheet.push_back({"BITMAP_MARK", Mark(36, kSilver)}); }

Canvas Icon() { return Mark(32, kSilver); }

}  // namespace art
