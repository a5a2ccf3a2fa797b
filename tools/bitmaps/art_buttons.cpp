// The 24x24 transport and track buttons and the 54x24 buttons of the list row.
// Glyphs are black on the silver face; a pressed button shifts its face one
// pixel down-right inside an inverted bevel.
#include "artwork.h"
#include "parts.h"

namespace art {
namespace {

constexpr int kSize = 24;

void Stop(Canvas& c, int dx, int dy) { c.Fill(7 + dx, 7 + dy, 9, 9, kBlack); }

void Play(Canvas& c, int dx, int dy) { TriangleRight(c, 9 + dx, 6 + dy, 11, kBlack); }

void Pause(Canvas& c, int dx, int dy) {
    c.Fill(7 + dx, 6 + dy, 3, 11, kBlack);
    c.Fill(13 + dx, 6 + dy, 3, 11, kBlack);
}

void Rewind(Canvas& c, int dx, int dy) {
    TriangleLeft(c, 6 + dx, 7 + dy, 9, kBlack);
    TriangleLeft(c, 11 + dx, 7 + dy, 9, kBlack);
}

void FastForward(Canvas& c, int dx, int dy) {
    TriangleRight(c, 7 + dx, 7 + dy, 9, kBlack);
    TriangleRight(c, 12 + dx, 7 + dy, 9, kBlack);
}

void Previous(Canvas& c, int dx, int dy) {
    c.Fill(5 + dx, 7 + dy, 2, 9, kBlack);
    TriangleLeft(c, 7 + dx, 7 + dy, 9, kBlack);
    TriangleLeft(c, 12 + dx, 7 + dy, 9, kBlack);
}

void Next(Canvas& c, int dx, int dy) {
    TriangleRight(c, 6 + dx, 7 + dy, 9, kBlack);
    TriangleRight(c, 11 + dx, 7 + dy, 9, kBlack);
    c.Fill(16 + dx, 7 + dy, 2, 9, kBlack);
}

void Eject(Canvas& c, int dx, int dy) {
    TriangleUp(c, 6 + dx, 6 + dy, 11, kBlack);
    c.Fill(6 + dx, 14 + dy, 11, 2, kBlack);
}

void Record(Canvas& c, int dx, int dy) {
    // A red disc, 9 px across.
    static constexpr int kHalfWidths[9] = {2, 3, 4, 4, 4, 4, 4, 3, 2};
    for (int r = 0; r < 9; ++r)
        c.HLine(11 - kHalfWidths[r] + dx, 11 + kHalfWidths[r] + dx, 7 + r + dy, kRed);
    c.HLine(10 + dx, 11 + dx, 8 + dy, kWhite);  // glint
}

// Track buttons carry their number, written by the panel at (+5, +5) on
// silver, so their face stays plain.
void TrackKey(Canvas&, int, int) {}

// The mode button's label is written by the panel at (+5..+10, +5); the
// right end carries a two-way arrow: the button toggles.
void ModeKey(Canvas& c, int dx, int dy) {
    c.VLine(40 + dx, 4 + dy, 17 + dy, kGrey);
    c.VLine(41 + dx, 4 + dy, 17 + dy, kWhite);
    TriangleUp(c, 44 + dx, 5 + dy, 5, kBlack);
    c.Fill(46 + dx, 8 + dy, 1, 4, kBlack);
    for (int i = 0; i < 3; ++i) c.HLine(44 + i + dx, 48 - i + dx, 13 + i + dy, kBlack);
}

void AddPair(Sheet& sheet, const char* off, const char* on, const FacePainter& face,
             Face look = Face::Shaded) {
    sheet.push_back({off, Button(kSize, kSize, false, face)});
    sheet.push_back({on, Button(kSize, kSize, true, face, look)});
}

}  // namespace

void AddTransportButtons(Sheet& sheet) {
    AddPair(sheet, "BITMAP_STOPOFF", "BITMAP_STOPON", Stop);
    AddPair(sheet, "BITMAP_PLAYOFF", "BITMAP_PLAYON", Play);
    AddPair(sheet, "BITMAP_PAUSEOFF", "BITMAP_PAUSEON", Pause);
    AddPair(sheet, "BITMAP_REWOFF", "BITMAP_REWON", Rewind);
    AddPair(sheet, "BITMAP_FFOFF", "BITMAP_FFON", FastForward);
    AddPair(sheet, "BITMAP_BAKOFF", "BITMAP_BAKON", Previous);
    AddPair(sheet, "BITMAP_FWOFF", "BITMAP_FWON", Next);
    AddPair(sheet, "BITMAP_OPENOFF", "BITMAP_OPENON", Eject);
    AddPair(sheet, "BITMAP_AOFF", "BITMAP_AON", CentredText(kSize, kSize, "A", kBlack));
    AddPair(sheet, "BITMAP_BOFF", "BITMAP_BON", CentredText(kSize, kSize, "B", kBlack));
    AddPair(sheet, "BITMAP_CLROFF", "BITMAP_CLRON", CentredText(kSize, kSize, "CLR", kBlack));
    AddPair(sheet, "BITMAP_SNGOFF", "BITMAP_SNGON", TrackKey, Face::Plain);
    AddPair(sheet, "BITMAP_RECOFF", "BITMAP_RECON", Record);

    sheet.push_back({"BITMAP_MODOFF", Button(54, 24, false, ModeKey)});
    sheet.push_back({"BITMAP_MODON", Button(54, 24, true, ModeKey, Face::Plain)});
    sheet.push_back({"BITMAP_REFRESH", Button(54, 24, false, CentredText(54, 24, "REFRESH", kBlack))});
}

}  // namespace art
