// What the timers draw at (50,130): counted in cyan pixels of the screen.
#pragma once

#include <cstdint>

#include "platform/headless/headless.h"

constexpr std::uint32_t kCyanPixel = 0x00FFFF;  // 0x00RRGGBB

// Cyan pixels where the position text and "Please wait." stand, and where
// nothing else of the panel is drawn.
inline int CyanPixels(const headless::Session& host) {
    int n = 0;
    for (int y = 132; y < 150; ++y)
        for (int x = 50; x < 195; ++x) n += host.Pixel(x, y) == kCyanPixel;
    return n;
}
