#include "desktop_icons.h"

#include <QImage>

#include "artwork.h"

namespace art {
namespace {

// Small sizes keep the panel's one-sample pixel art; from 48 pixels up the
// circles are smoothed, while the T stays on whole pixels and so stays sharp.
int ColourSamples(int size) { return size >= 48 ? 4 : 1; }
constexpr int kEdgeSamples = 4;  // the disc's outline is smoothed at every size

std::uint32_t Pixel(int size, int x, int y) {
    int covered = 0;
    for (int j = 0; j < kEdgeSamples; ++j)
        for (int i = 0; i < kEdgeSamples; ++i)
            covered += MarkColourAt(size, x + (i + 0.5) / kEdgeSamples, y + (j + 0.5) / kEdgeSamples) >= 0;
    if (covered == 0) return 0;

    // Colour from the samples inside the disc; an edge pixel whose samples
    // all fall outside takes the black rim.
    const int n = ColourSamples(size);
    std::uint32_t r = 0, g = 0, b = 0, inside = 0;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const int colour = MarkColourAt(size, x + (i + 0.5) / n, y + (j + 0.5) / n);
            if (colour < 0) continue;
            r += (kPalette[colour] >> 16) & 0xFF;
            g += (kPalette[colour] >> 8) & 0xFF;
            b += kPalette[colour] & 0xFF;
            ++inside;
        }
    const std::uint32_t alpha = static_cast<std::uint32_t>(255 * covered / (kEdgeSamples * kEdgeSamples));
    if (inside == 0) return alpha << 24;
    return (alpha << 24) | (r / inside) << 16 | (g / inside) << 8 | (b / inside);
}

}  // namespace

bool WriteDesktopIcons(const std::filesystem::path& themeDir, const std::string& name) {
    for (const int size : kDesktopIconSizes) {
        QImage image(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) image.setPixel(x, y, Pixel(size, x, y));
        const std::string dimension = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path dir = themeDir / dimension / "apps";
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!image.save(QString::fromStdString((dir / (name + ".png")).string()), "PNG")) return false;
    }
    return true;
}

}  // namespace art
