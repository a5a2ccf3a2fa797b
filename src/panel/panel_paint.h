#pragma once

#include "platform/win.h"

// Paints the whole panel from the console state; only the update region
// reaches the screen.
void Korvex_OnPaint(win::HWND hwnd);
