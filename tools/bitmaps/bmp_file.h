// Encoding of a canvas as a 4-bit BMP file: BITMAPFILEHEADER,
// BITMAPINFOHEADER, the 16-entry palette, bottom-up rows padded to 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"

namespace art {

std::vector<std::uint8_t> EncodeBmp4(const Canvas& image);

}  // namespace art
