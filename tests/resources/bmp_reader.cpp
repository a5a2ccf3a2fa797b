#include "bmp_reader.h"

namespace {

unsigned U16(const std::uint8_t* p) { return p[0] | p[1] << 8; }
std::uint32_t U32(const std::uint8_t* p) { return U16(p) | static_cast<std::uint32_t>(U16(p + 2)) << 16; }

constexpr std::size_t kHeaders = 14 + 40;

std::size_t Stride(int width) { return (static_cast<std::size_t>(width) * 4 + 31) / 32 * 4; }

}  // namespace

std::optional<Bmp4> ReadBmp4(const std::uint8_t* file, std::size_t size) {
    if (size < kHeaders + 64 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const std::uint8_t* info = file + 14;
    const auto width = static_cast<std::int32_t>(U32(info + 4));
    const auto height = static_cast<std::int32_t>(U32(info + 8));
    const bool shape = U32(file + 2) == size && U32(info) == 40 && U16(info + 12) == 1 &&
                       U16(info + 14) == 4 && U32(info + 16) == 0 && width > 0 && height > 0;
    if (!shape) return std::nullopt;
    const std::uint32_t offset = U32(file + 10);
    if (offset < kHeaders + 64 || offset + Stride(width) * static_cast<std::size_t>(height) > size)
        return std::nullopt;
    return Bmp4{file, size, width, height};
}

std::uint32_t Bmp4::Colour(int x, int y) const {
    const std::uint8_t* row = file + U32(file + 10) + Stride(width) * static_cast<std::size_t>(height - 1 - y);
    const unsigned index = x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4;
    const std::uint8_t* entry = file + kHeaders + 4 * index;  // blue, green, red, 0
    return static_cast<std::uint32_t>(entry[2]) << 16 | entry[1] << 8 | entry[0];
}
