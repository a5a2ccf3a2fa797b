// The panel's colours (0x00BBGGRR) and the small GDI helpers its drawings share.
#pragma once

#include "platform/win.h"

constexpr win::COLORREF kLightGrey = 0xC0C0C0;
constexpr win::COLORREF kBlack = 0x000000;
constexpr win::COLORREF kCyan = 0xFFFF00;
constexpr win::COLORREF kDarkGrey = 0x646464;
constexpr win::COLORREF kWhite = 0xFFFFFF;
constexpr win::COLORREF kBrightGreen = 0x00FF00;
constexpr win::COLORREF kDarkGreen = 0x008000;

// Draws the rectangle with a solid brush of `fill` and the pen in force,
// then puts back the previous brush and deletes its own.
void FillRectangle(win::HDC dc, win::COLORREF fill, int left, int top, int right, int bottom);
