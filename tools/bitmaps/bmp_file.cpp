#include "bmp_file.h"

namespace art {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, unsigned v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp4(const Canvas& image) {
    const unsigned stride = ((static_cast<unsigned>(image.w) * 4 + 31) / 32) * 4;
    const unsigned pixelBytes = stride * static_cast<unsigned>(image.h);
    const unsigned offset = 14 + 40 + 16 * 4;
    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);

    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + pixelBytes);
    Put32(out, 0);  // reserved
    Put32(out, offset);

    Put32(out, 40);
    Put32(out, static_cast<unsigned>(image.w));
    Put32(out, static_cast<unsigned>(image.h));  // positive: bottom-up
    Put16(out, 1);                               // planes
    Put16(out, 4);                               // bits per pixel
    Put32(out, 0);                               // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 16);  // colours used
    Put32(out, 0);   // all important

    for (std::uint32_t rgb : kPalette) {
        out.push_back(static_cast<std::uint8_t>(rgb));        // blue
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));   // green
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));  // red
        out.push_back(0);
    }

    for (int y = image.h - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.w; x += 2) {
            const unsigned hi = image.At(x, y);
            const unsigned lo = x + 1 < image.w ? image.At(x + 1, y) : 0;
            out.push_back(static_cast<std::uint8_t>(hi << 4 | lo));
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

}  // namespace art
