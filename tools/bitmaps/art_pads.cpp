// The pad column, 42 px wide: loop lamp, loop/load buttons, play lamp strip,
// key face and number label. The panel's groove lines overwrite each
// column's first and last pixel columns, so the art keeps clear of them.
#include <string>

#include "artwork.h"
#include "parts.h"

namespace art {
namespace {

constexpr int kColumn = 42;

// The panel's lamp primitive fills (11, 4)..(29, 11) of the play lamp strip,
// so the strip's own lamp sits exactly there.
Canvas LampStrip(std::uint8_t colour) {
    Canvas c(kColumn, 16, kSilver);
    Lamp(c, 11, 4, 19, 8, colour);
    return c;
}

// Loop lamps: a shorter amber window, centred like the play lamp.
Canvas LoopLamp(std::uint8_t colour) {
    Canvas c(kColumn, 16, kSilver);
    Lamp(c, 14, 5, 13, 5, colour);
    return c;
}

Canvas PadButton(bool pressed) {
    Canvas c(kColumn, 24, kSilver);
    const Canvas key = Button(36, 22, pressed, [](Canvas& k, int dx, int dy) {
        k.HLine(13 + dx, 21 + dx, 9 + dy, kGrey);
        k.HLine(13 + dx, 21 + dx, 11 + dy, kGrey);
    });
    c.Paste(key, 3, 1);
    return c;
}

// A sculpted keycap seen from above: black outline, sides lit from the
// top-left (white) and shaded on the right and front (grey), meeting the
// flat silver top along diagonals at the corners. The panel writes the key
// letter at (+12, +10), the legend corner of the top.
Canvas KeyCap(bool pressed) {
    Canvas c(kColumn, 42, kSilver);
    const int s = pressed ? 1 : 0;  // pressed, the top sinks toward the front
    const int left = 6 + s, top = 4 + s, right = 33 + s, bottom = 31 + s;
    for (int y = 2; y <= 39; ++y)
        for (int x = 3; x <= 38; ++x) {
            const int ox = x < left ? left - x : (x > right ? x - right : 0);
            const int oy = y < top ? top - y : (y > bottom ? y - bottom : 0);
            if (ox == 0 && oy == 0) continue;  // the top
            const bool lit = ox > oy ? x < left : (oy > ox ? y < top : x < left && y < top);
            c.Set(x, y, lit ? kWhite : kGrey);
        }
    c.Frame(2, 1, 38, 40, kBlack);
    return c;
}

Canvas NumberLabel(int n) {
    Canvas c(36, 12, kSilver);
    c.Fill(1, 0, 34, 12, kBlack);
    c.Set(1, 0, kSilver);
    c.Set(34, 0, kSilver);
    c.Set(1, 11, kSilver);
    c.Set(34, 11, kSilver);
    const std::string text = "PAD " + std::to_string(n);
    c.Text((36 - TextWidth(text)) / 2, 2, text, kWhite);
    return c;
}

}  // namespace

void AddPadParts(Sheet& sheet) {
    sheet.push_back({"BITMAP_GKEY", KeyCap(false)});
    sheet.push_back({"BITMAP_GKEYON", KeyCap(true)});
    sheet.push_back({"BITMAP_LPOFF", LoopLamp(kOlive)});
    sheet.push_back({"BITMAP_LPON", LoopLamp(kYellow)});
    sheet.push_back({"BITMAP_LDOFF", LampStrip(kGreen)});
    sheet.push_back({"BITMAP_LDON", LampStrip(kLime)});
    sheet.push_back({"BITMAP_LPBOFF", PadButton(false)});
    sheet.push_back({"BITMAP_LBON", PadButton(true)});

    Canvas red(kColumn, 24, kSilver);
    Lamp(red, 11, 8, 19, 8, kRed);
    sheet.push_back({"BITMAP_PLOFF", red});

    for (int n = 1; n <= 8; ++n) sheet.push_back({"BITMAP_NO" + std::to_string(n), NumberLabel(n)});
}

}  // namespace art
