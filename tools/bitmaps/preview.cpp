#include "preview.h"

#include <QImage>
#include <algorithm>
#include <string>

#include "parts.h"

namespace art {
namespace {

bool SaveZoomed(const Canvas& c, int zoom, const char* path) {
    QImage image(c.w * zoom, c.h * zoom, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xFF000000u | kPalette[c.At(x / zoom, y / zoom)]);
    return image.save(QString::fromUtf8(path), "PNG");
}

const Canvas* Find(const Sheet& sheet, const std::string& name) {
    for (const Artwork& a : sheet)
        if (a.name == name) return &a.image;
    return nullptr;
}

// The fader and balance knob as the panel's primitives draw them.
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

void Blit(Canvas& panel, const Sheet& sheet, const char* name, int x, int y) {
    if (const Canvas* c = Find(sheet, name)) panel.Paste(*c, x, y);
}

// Text with its cells filled, as the panel's opaque text output does.
void Say(Canvas& c, int x, int y, const std::string& text, std::uint8_t ink, std::uint8_t ground) {
    c.Fill(x, y, static_cast<int>(text.size()) * 6, 8, ground);
    c.Text(x, y, text, ink);
}

}  // namespace

bool SaveContactSheet(const Sheet& sheet, const Canvas& icon, const char* path) {
    const int width = 640;
    Sheet items = sheet;
    std::sort(items.begin(), items.end(), [](const Artwork& a, const Artwork& b) { return a.name < b.name; });
    items.push_back({"KORVEX (icon)", icon});
    // Flow layout: each item is its name over its image.
    int x = 8, y = 8, rowHeight = 0;
    std::vector<std::pair<int, int>> places;
    for (const Artwork& a : items) {
        const int w = std::max(a.image.w, TextWidth(a.name)) + 10;
        if (x + w > width) {
            x = 8;
            y += rowHeight;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w;
        rowHeight = std::max(rowHeight, a.image.h + 22);
    }
    const int fontTop = y + rowHeight + 8;
    Canvas page(width, fontTop + 40, kSilver);
    for (std::size_t i = 0; i < items.size(); ++i) {
        page.Text(places[i].first, places[i].second, items[i].name, kNavy);
        page.Paste(items[i].image, places[i].first, places[i].second + 10);
    }
    // The panel font's whole repertoire, black on silver and cyan on black.
    std::string chars;
    for (char ch = 0x20; ch < 0x7F; ++ch) chars += ch;
    page.Text(8, fontTop, chars.substr(0, 48), kBlack);
    page.Text(8, fontTop + 10, chars.substr(48), kBlack);
    page.Fill(0, fontTop + 20, width, 20, kBlack);
    page.Text(8, fontTop + 21, chars.substr(0, 48), kAqua);
    page.Text(8, fontTop + 31, chars.substr(48), kAqua);
    return SaveZoomed(page, 3, path);
}

bool SavePanelMock(const Sheet& sheet, const char* path) {
    Canvas p(640, 480, kSilver);
    p.Fill(32, 90, 348, 150, kBlack);
    p.Fill(436, 256, 182, 154, kBlack);
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
    for (int i = 0; i < 8; ++i) Blit(p, sheet, ("BITMAP_" + std::string(transport[i]) + (i == 1 ? "ON" : "OFF")).c_str(), 74 + 24 * i, 30);
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
        Blit(p, sheet, ("BITMAP_NO" + std::to_string(k + 1)).c_str(), x, 395);
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

    for (int x = 74; x <= 368; x += 42) p.VLine(x, 256, 409, kGrey);
    p.HLine(32, 569, 84, kGrey);
    p.VLine(32, 10, 83, kGrey);
    p.HLine(32, 428, 410, kGrey);
    p.VLine(32, 256, 409, kGrey);
    p.VLine(436, 120, 238, kGrey);
    p.HLine(436, 617, 239, kGrey);
    p.VLine(527, 120, 238, kGrey);
    for (int x = 73; x <= 367; x += 42) p.VLine(x, 256, 409, kWhite);
    p.HLine(32, 569, 10, kWhite);
    p.VLine(570, 10, 83, kWhite);
    p.HLine(32, 428, 256, kWhite);
    p.VLine(429, 256, 409, kWhite);
    p.VLine(31, 90, 239, kWhite);
    p.HLine(31, 379, 240, kWhite);
    p.HLine(436, 617, 120, kWhite);
    p.VLine(618, 120, 238, kWhite);
    p.VLine(526, 120, 238, kWhite);

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
    Say(p, 50, 190, "PLAY LIST   TOTAL TIME =  12:05 ", kAqua, kBlack);
    Say(p, 50, 205, " 3 7 1210", kAqua, kBlack);
    return SaveZoomed(p, 2, path);
}

}  // namespace art
