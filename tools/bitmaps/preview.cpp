#include "preview.h"

#include <QImage>
#include <algorithm>
#include <string>

namespace art {

bool SaveZoomed(const Canvas& c, int zoom, const char* path) {
    QImage image(c.w * zoom, c.h * zoom, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xFF000000u | kPalette[c.At(x / zoom, y / zoom)]);
    return image.save(QString::fromUtf8(path), "PNG");
}

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

}  // namespace art
