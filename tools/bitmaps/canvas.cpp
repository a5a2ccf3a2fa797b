#include "canvas.h"

#include "resources/resources.h"

namespace art {

const std::uint32_t kPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

Canvas::Canvas(int width, int height, std::uint8_t ground)
    : w(width), h(height), px(static_cast<std::size_t>(width * height), ground) {}

void Canvas::Set(int x, int y, std::uint8_t c) {
    if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<std::size_t>(y * w + x)] = c;
}

void Canvas::Fill(int x, int y, int width, int height, std::uint8_t c) {
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i) Set(i, j, c);
}

void Canvas::HLine(int x0, int x1, int y, std::uint8_t c) { Fill(x0, y, x1 - x0 + 1, 1, c); }

void Canvas::VLine(int x, int y0, int y1, std::uint8_t c) { Fill(x, y0, 1, y1 - y0 + 1, c); }

void Canvas::Frame(int x, int y, int width, int height, std::uint8_t c) {
    HLine(x, x + width - 1, y, c);
    HLine(x, x + width - 1, y + height - 1, c);
    VLine(x, y, y + height - 1, c);
    VLine(x + width - 1, y, y + height - 1, c);
}

void Canvas::Recolour(int x, int y, int width, int height, std::uint8_t from, std::uint8_t to) {
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            if (i >= 0 && j >= 0 && i < w && j < h && At(i, j) == from) Set(i, j, to);
}

void Canvas::Paste(const Canvas& src, int x, int y) {
    for (int j = 0; j < src.h; ++j)
        for (int i = 0; i < src.w; ++i) Set(x + i, y + j, src.At(i, j));
}

void Canvas::Text(int x, int y, std::string_view text, std::uint8_t c) {
    for (char ch : text) {
        const int code = static_cast<unsigned char>(ch);
        if (code >= 0x20 && code <= 0x7E) {
            const std::uint8_t* glyph = res::kPanelFont[code - 0x20];
            for (int row = 0; row < res::kPanelFontHeight; ++row)
                for (int col = 0; col < res::kPanelFontWidth; ++col)
                    if (glyph[row] & (0x20 >> col)) Set(x + col, y + row, c);
        }
        x += res::kPanelFontWidth;
    }
}

int TextWidth(std::string_view text) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * res::kPanelFontWidth - 1;
}

}  // namespace art
