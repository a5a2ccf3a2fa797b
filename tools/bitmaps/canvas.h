// A 16-colour indexed image and the few drawing operations the artwork needs.
// Pixel values are indices into the standard VGA palette below.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace art {

enum Colour : std::uint8_t {
    kBlack, kMaroon, kGreen, kOlive, kNavy, kPurple, kTeal, kSilver,
    kGrey, kRed, kLime, kYellow, kBlue, kFuchsia, kAqua, kWhite,
};

// 0x00RRGGBB of each palette index.
extern const std::uint32_t kPalette[16];

struct Canvas {
    int w = 0, h = 0;
    std::vector<std::uint8_t> px;  // row-major, top row first

    Canvas(int width, int height, std::uint8_t ground = kSilver);

    std::uint8_t At(int x, int y) const { return px[static_cast<std::size_t>(y * w + x)]; }
    void Set(int x, int y, std::uint8_t c);  // clipped to the canvas
    void Fill(int x, int y, int width, int height, std::uint8_t c);
    void HLine(int x0, int x1, int y, std::uint8_t c);  // inclusive ends
    void VLine(int x, int y0, int y1, std::uint8_t c);
    void Frame(int x, int y, int width, int height, std::uint8_t c);
    // Every pixel of colour `from` inside the rectangle becomes `to`.
    void Recolour(int x, int y, int width, int height, std::uint8_t from, std::uint8_t to);
    void Paste(const Canvas& src, int x, int y);
    // Panel font text, ink only (the ground shows between the strokes).
    void Text(int x, int y, std::string_view text, std::uint8_t c);
};

// Width in pixels of text in the panel font, without the trailing blank column.
int TextWidth(std::string_view text);

}  // namespace art
