#include "platform/core/bmp_decode.h"

namespace win::core {
namespace {

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, DecodedBitmap* out) {
    if (!data || size < kFileHeader + kInfoHeader || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint8_t* info = data + kFileHeader;
    const std::uint32_t headerSize = U32(info);
    const auto width = static_cast<std::int32_t>(U32(info + 4));
    const auto rawHeight = static_cast<std::int32_t>(U32(info + 8));
    const std::uint32_t bits = U16(info + 14);
    const std::uint32_t compression = U32(info + 16);
    std::uint32_t colours = U32(info + 32);
    if (headerSize < kInfoHeader || compression != 0 || (bits != 1 && bits != 4 && bits != 8)) return false;
    if (width <= 0 || rawHeight == 0 || width > 4096 || rawHeight > 4096 || rawHeight < -4096) return false;
    if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;

    const std::size_t paletteAt = kFileHeader + headerSize;
    if (paletteAt + colours * 4 > size) return false;
    std::vector<std::uint32_t> palette(1u << bits, 0);
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::uint8_t* e = data + paletteAt + i * 4;  // blue, green, red, reserved
        palette[i] = (static_cast<std::uint32_t>(e[2]) << 16) | (e[1] << 8) | e[0];
    }

    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    const std::size_t pixelsAt = U32(data + 10);
    if (pixelsAt > size || stride * static_cast<std::size_t>(height) > size - pixelsAt) return false;

    out->width = width;
    out->height = height;
    out->bitsPerPixel = static_cast<int>(bits);
    out->pixels.assign(static_cast<std::size_t>(width) * height, 0);
    const std::uint32_t mask = (1u << bits) - 1;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = data + pixelsAt + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * bits;
            const std::uint32_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & mask;
            out->pixels[static_cast<std::size_t>(y) * width + x] = palette[index];
        }
    }
    return true;
}

}  // namespace win::core
