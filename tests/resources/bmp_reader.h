// Reads back the fields and pixels of a 4-bit BMP file held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

struct Bmp4 {
    const std::uint8_t* file;
    std::size_t size;
    int width, height;

    // 0x00RRGGBB of the pixel (x, y), top-left origin.
    std::uint32_t Colour(int x, int y) const;
};

// The file when its headers describe an uncompressed, bottom-up 4-bit
// bitmap whose pixel rows lie within the file; nothing otherwise.
std::optional<Bmp4> ReadBmp4(const std::uint8_t* file, std::size_t size);
