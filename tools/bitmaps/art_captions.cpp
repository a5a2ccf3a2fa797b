// Silk-screen captions: black panel-font text on the silver ground, the
// section titles flanked by rules, the row captions with a small pictogram.
#include "artwork.h"
#include "parts.h"

namespace art {
namespace {

Canvas Ruled(int w, int h, const char* text, int y) {
    Canvas c(w, h, kSilver);
    RuledCaption(c, text, y, kBlack);
    return c;
}

// Column headers sit just above the pad list box; the level section's
// bottom line crosses their third row, so the text starts below it.
Canvas Header(int w, const char* text) {
    Canvas c(w, 16, kSilver);
    c.Text(3, 6, text, kBlack);
    return c;
}

// Row caption: pictogram above, the word below, and a pointer to the row.
Canvas RowCaption(const char* text, void (*pictogram)(Canvas&)) {
    Canvas c(42, 42, kSilver);
    pictogram(c);
    const int y = 24;
    c.Text(5, y, text, kBlack);
    TriangleRight(c, 31, y + 1, 5, kBlack);
    return c;
}

// A loop: a rounded band with an arrow head on its top run.
void LoopPictogram(Canvas& c) {
    const int x = 8, y = 6, w = 20, h = 12;
    c.Frame(x, y, w, h, kBlack);
    c.Frame(x + 1, y + 1, w - 2, h - 2, kBlack);
    c.Set(x, y, kSilver);
    c.Set(x + w - 1, y, kSilver);
    c.Set(x, y + h - 1, kSilver);
    c.Set(x + w - 1, y + h - 1, kSilver);
    c.Fill(x + 8, y - 1, 4, 4, kSilver);
    TriangleRight(c, x + 9, y - 3, 7, kBlack);
}

// Loading: an arrow dropping into a tray.
void LoadPictogram(Canvas& c) {
    c.Fill(16, 3, 4, 7, kBlack);
    for (int i = 0; i < 5; ++i) c.HLine(13 + i, 22 - i, 10 + i, kBlack);
    c.VLine(8, 13, 19, kBlack);
    c.VLine(9, 13, 19, kBlack);
    c.VLine(26, 13, 19, kBlack);
    c.VLine(27, 13, 19, kBlack);
    c.Fill(8, 18, 20, 2, kBlack);
}

}  // namespace

void AddCaptions(Sheet& sheet) {
    sheet.push_back({"IDB_CD_CTRL", Ruled(132, 12, "CD CONTROL", 2)});
    sheet.push_back({"IDB_CDSONG", Ruled(112, 12, "TRACK", 2)});
    sheet.push_back({"BITMAP_SPD", Ruled(48, 24, "SPEED", 10)});
    sheet.push_back({"BITMAP_CLOOP", Ruled(48, 16, "LOOP", 5)});
    sheet.push_back({"BITMAP_CNO", Header(24, "No.")});
    sheet.push_back({"BITMAP_CFILE", Header(72, "FILE")});
    sheet.push_back({"BITMAP_LPLOGO", RowCaption("LOOP", LoopPictogram)});
    sheet.push_back({"BITMAP_LDLOGO", RowCaption("LOAD", LoadPictogram)});
}

}  // namespace art
