// The keyboard plays, stops and loops the pads and sets the balance knobs.
#pragma once

#include "platform/win.h"

void Korvex_OnKeyDown(win::HWND hwnd, win::UINT vk, win::BOOL down, int repeat, win::UINT flags);
void Korvex_OnKeyUp(win::HWND hwnd, win::UINT vk, win::BOOL down, int repeat, win::UINT flags);
