// A rough rendering of the whole panel from the bitmaps, for judging how
// they read together: the bitmaps at their places, the display boxes, the
// groove lines, faders and knobs, and sample texts in the panel font.
#include <string>

#include "preview.h"

namespace art {
namespace {

const Canvas* Find(const Sheet& sheet, const std::string& name) {
    for (const Artwork& a : sheet)
        if (a.name == name) return &a.image;
    return nullptr;
}

void Blit(Canvas& panel, const Sheet& sheet, const std::string& name, int x, int y) {
    if (const Canvas* c = Find(sheet, name)) panel.Paste(*c, x, y);
}

// The fader and balance knob as the panel draws them.
void Fader(Canvas& c, int left, int top, int knobY) {
    c.Fill(left, top, 20, 60, kSilver);
    c.Fill(left + 9, top + 1, 2, 58, kBlack);
    c.Fill(left, knobY - 5, 20, 10, kBlack);
    c.Fill(left + 1, knobY - 4, 18, 8, kSilver);
    c.HLine(left, left + 18, knobY - 5, kWhite);
    c.VLine(left + 19, knobY - 5, knobY + 4, kWhite);
}

void Balance(Canvas& c, int ref, int knobX) {
    c.Fill(ref - 20, 145, 60, 10, kSilver);
    c.Fill(ref - 19, 149, 58, 2, kBlack);
    c.Fill(knobX - 5, 145, 10, 10, kBlack);
    c.Fill(knobX - 4, 146, 8, 8, kSilver);
    c.HLine(knobX - 5, knobX + 3, 145, kWhite);
    c.VLine(knobX + 4, 145, 154, kWhite);
}

// Text with its cells filled, as the panel's opaque text output does.
void Say(Canvas& c, int x, int y, const std::string& text, std::uint8_t ink, std::uint8_t ground) {
    c.Fill(x, y, static_cast<int>(text.size()) * 6, 8, ground);
    c.Text(x, y, text, ink);
}

// Horizontal or vertical lines, the end point excluded.
struct Line {
    int x0, y0, x1, y1;
    std::uint8_t colour;
};

constexpr Line kLines[] = {
    {32, 10, 32, 84, kGrey},      {32, 84, 570, 84, kGrey},     {32, 410, 429, 410, kGrey},
    {32, 256, 32, 410, kGrey},    {436, 120, 436, 239, kGrey},  {436, 239, 618, 239, kGrey},
    {527, 120, 527, 239, kGrey},  {32, 10, 570, 10, kWhite},    {570, 10, 570, 84, kWhite},
    {32, 256, 429, 256, kWhite},  {429, 256, 429, 410, kWhite}, {31, 90, 31, 240, kWhite},
    {31, 240, 380, 240, kWhite},  {436, 120, 618, 120, kWhite}, {618, 120, 618, 239, kWhite},
    {526, 120, 526, 239, kWhite},
};

void Draw(Canvas& c, const Line& l) {
    if (l.y0 == l.y1)
        c.HLine(l.x0, l.x1 - 1, l.y0, l.colour);
    else
        c.VLine(l.x0, l.y0, l.y1 - 1, l.colour);
}

void Blits(Canvas& p, const Sheet& sheet) {
    Blit(p, sheet, "IDB_CD_BAL", 441, 126);
    Blit(p, sheet, "IDB_CD_VOL", 456, 160);
    Blit(p, sheet, "IDB_WAV_BAL", 541, 126);
    Blit(p, sheet, "IDB_CD_VOL", 556, 160);
    Balance(p, 466, 476);
    Fader(p, 466, 165, 190);
    Balance(p, 566, 560);
    Fader(p, 566, 165, 210);
    Blit(p, sheet, "IDB_CD_VOL", 379, 295);
    Fader(p, 389, 300, 330);
    Blit(p, sheet, "IDB_CDSONG", 370, 16);
    Blit(p, sheet, "IDB_CD_CTRL", 96, 16);
    const char* transport[] = {"STOP", "PLAY", "PAUSE", "REW", "FF", "BAK", "FW", "OPEN"};
    for (int i = 0; i < 8; ++i)  // PLAY shown held
        Blit(p, sheet, "BITMAP_" + std::string(transport[i]) + (i == 1 ? "ON" : "OFF"), 74 + 24 * i, 30);
    Blit(p, sheet, "BITMAP_AOFF", 146, 54);
    Blit(p, sheet, "BITMAP_BOFF", 170, 54);
    Blit(p, sheet, "BITMAP_CLROFF", 194, 54);
    for (int k = 0; k < 7; ++k) {
        const int x = 74 + 42 * k;
        Blit(p, sheet, k % 3 == 0 ? "BITMAP_LPON" : "BITMAP_LPOFF", x, 260);
        Blit(p, sheet, k == 2 ? "BITMAP_LBON" : "BITMAP_LPBOFF", x, 275);
        Blit(p, sheet, k == 1 ? "BITMAP_LDON" : "BITMAP_LDOFF", x, 302);
        Blit(p, sheet, "BITMAP_GKEY", x, 318);
        Blit(p, sheet, "BITMAP_LPBOFF", x, 370);
        Blit(p, sheet, "BITMAP_NO" + std::to_string(k + 1), x, 395);
    }
    Blit(p, sheet, "BITMAP_LPLOGO", 32, 264);
    Blit(p, sheet, "BITMAP_LDLOGO", 32, 358);
    for (int i = 0; i < 10; ++i) {
        Blit(p, sheet, i == 3 ? "BITMAP_SNGON" : "BITMAP_SNGOFF", 320 + 24 * i, 30);
        Blit(p, sheet, "BITMAP_SNGOFF", 320 + 24 * i, 54);
    }
    Blit(p, sheet, "BITMAP_MODOFF", 440, 90);
    Blit(p, sheet, "BITMAP_CLROFF", 500, 90);
    Blit(p, sheet, "BITMAP_MARK", 584, 30);
    Blit(p, sheet, "BITMAP_REFRESH", 548, 90);
    Blit(p, sheet, "BITMAP_CNO", 438, 237);
    Blit(p, sheet, "BITMAP_CFILE", 484, 237);
    Blit(p, sheet, "BITMAP_SPD", 374, 275);
}

void Texts(Canvas& p) {
    const char* keys = "ZXCVBNM";
    for (int k = 0; k < 7; ++k) Say(p, 86 + 42 * k, 328, std::string(1, keys[k]), kBlack, kSilver);
    Say(p, 445, 95, "NOMAL", kBlack, kSilver);
    for (int i = 0; i < 10; ++i) Say(p, 325 + 24 * i, 35, std::to_string(i + 1), kBlack, kSilver);
    for (int i = 0; i < 3; ++i) Say(p, 325 + 24 * i, 59, std::to_string(i + 11), kBlack, kSilver);
    const char* titles[] = {"kick.wav", "snare.wav", "Scratch01.wav", " ", "Horn_Loop.wav", " ", " "};
    for (int k = 0; k < 7; ++k) {
        Say(p, 460, 262 + 18 * k, titles[k], kAqua, kBlack);
        if (titles[k][0] != ' ') Say(p, 442, 262 + 18 * k, std::to_string(k + 1), kAqua, kBlack);
    }
    Say(p, 50, 113, "CURRENT TIME", kAqua, kBlack);
    Say(p, 50, 130, "03:42:17", kAqua, kBlack);
    Say(p, 236, 113, "CD VOLUME : ", kAqua, kBlack);
    Say(p, 336, 113, "  60  ", kAqua, kBlack);
    Say(p, 236, 128, "WAVE VOLUME : ", kAqua, kBlack);
    Say(p, 336, 128, "  20  ", kAqua, kBlack);
    Say(p, 236, 143, "WAVE SPEED : ", kAqua, kBlack);
    Say(p, 336, 143, " -12  ", kAqua, kBlack);
    Say(p, 50, 170, "LOOP PLAY", kAqua, kBlack);
    Say(p, 180, 160, "A-B LOOP", kAqua, kBlack);
    Say(p, 50, 190, "PLAY LIST   TOTAL TIME =  12: 5 ", kAqua, kBlack);
    Say(p, 50, 205, " 3 7 1210", kAqua, kBlack);
}

}  // namespace

bool SavePanelMock(const Sheet& sheet, const char* path) {
    Canvas p(640, 480, kSilver);
    p.Fill(32, 90, 348, 150, kBlack);
    p.Fill(436, 256, 182, 154, kBlack);
    Blits(p, sheet);
    for (int x = 74; x <= 368; x += 42) {
        Draw(p, {x, 256, x, 410, kGrey});
        Draw(p, {x - 1, 256, x - 1, 410, kWhite});
    }
    for (const Line& l : kLines) Draw(p, l);
    Texts(p);
    return SaveZoomed(p, 2, path);
}

}  // namespace art
