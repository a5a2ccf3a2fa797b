// The keyboard plays, stops and loops the pads and sets the balance knobs.
#pragma once

#include "platform/win.h"

// One row of seven keys, pad 0 first: play, stop and loop.
inline constexpr win::UINT kPadPlayKeys[7] = {'Z', 'X', 'C', 'V', 'B', 'N', 'M'};
inline constexpr win::UINT kPadStopKeys[7] = {'A', 'S', 'D', 'F', 'G', 'H', 'J'};
inline constexpr win::UINT kPadLoopKeys[7] = {'Q', 'W', 'E', 'R', 'T', 'Y', 'U'};

void Korvex_OnKeyDown(win::HWND hwnd, win::UINT vk, win::BOOL down, int repeat, win::UINT flags);
void Korvex_OnKeyUp(win::HWND hwnd, win::UINT vk, win::BOOL down, int repeat, win::UINT flags);
