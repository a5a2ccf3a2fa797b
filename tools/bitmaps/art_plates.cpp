// Plates behind the faders and balance tracks. The panel draws a fader
// 20x60 at (+10, +5) of the vertical plate, and a balance track 60x10 at
// (+5, +19) of the horizontal plates; the plates frame those places and
// carry the scales.
#include "artwork.h"
#include "parts.h"

namespace art {
namespace {

Canvas FaderPlate() {
    Canvas c(40, 70, kSilver);
    RaisedBevel(c, 0, 0, 40, 70);
    SunkenFrame(c, 10, 5, 20, 60);
    // Knob centres run from +10 (top) to +60: a tick every 5 px, long ones
    // at the ends and in the middle.
    for (int y = 10; y <= 60; y += 5) {
        const bool major = y == 10 || y == 35 || y == 60;
        c.HLine(major ? 2 : 4, 7, y, kBlack);
        c.HLine(32, major ? 37 : 35, y, kBlack);
    }
    return c;
}

Canvas BalancePlate(const char* title) {
    Canvas c(70, 32, kSilver);
    RaisedBevel(c, 0, 0, 70, 32);
    SunkenFrame(c, 5, 19, 60, 10);
    c.Text(3, 3, "L", kBlack);
    c.Text(62, 3, "R", kBlack);
    c.Text((70 - TextWidth(title)) / 2, 3, title, kBlack);
    // Knob centres run from +10 to +60, centre +35: the five preset places.
    for (int x : {10, 22, 35, 48, 60}) c.VLine(x, x == 35 ? 12 : 14, 16, kBlack);
    return c;
}

}  // namespace

void AddPlates(Sheet& sheet) {
    sheet.push_back({"IDB_CD_VOL", FaderPlate()});
    sheet.push_back({"IDB_CD_BAL", BalancePlate("CD")});
    sheet.push_back({"IDB_WAV_BAL", BalancePlate("WAVE")});
}

}  // namespace art
