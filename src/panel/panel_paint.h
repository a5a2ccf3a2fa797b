#pragma once

#include "platform/win.h"

// Paints the whole panel from the console state; only the update region
// reaches the screen.
void Korvex_OnPaint(win::HWND hwnd);

// Resource names of the 59 panel bitmaps, in g_bitmaps index order.
extern const char* const kBitmapNames[59];
