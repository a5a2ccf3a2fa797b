// Decoding of the embedded BMP files (1-, 4- and 8-bit, palette-indexed).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace win::core {

struct DecodedBitmap {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top-down rows
};

// False for anything but a well-formed indexed BMP that lies within size.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, DecodedBitmap* out);

}  // namespace win::core
