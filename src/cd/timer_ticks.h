// The ticks of timers 2 and 3, and the text that the ticks draw at once in
// the display, outside any paint.
#pragma once

#include "platform/win.h"

constexpr win::COLORREF kDisplayCyan = 0xFFFF00;
constexpr win::COLORREF kDisplayBlack = 0x000000;

void AbRepeatTick();
void TrayWaitTick(win::HWND hwnd);
// Draws `text` at (50,130) in the deck's bold Arial, on black, through the
// window's own device context; everything made for it is released again.
void DrawDisplayText(win::HWND hwnd, const char* text, win::COLORREF color);
