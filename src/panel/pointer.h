// Pointer input: press arms a control, moves cancel or drag it, release acts.
#pragma once

#include "platform/win.h"

void Korvex_OnLButtonDown(win::HWND hwnd, win::BOOL doubleClick, int x, int y, win::UINT keyFlags);
void Korvex_OnLButtonUp(win::HWND hwnd, int x, int y, win::UINT keyFlags);
void Korvex_OnMouseMove(win::HWND hwnd, int x, int y, win::UINT keyFlags);
void Korvex_OnRButtonDown(win::HWND hwnd, win::BOOL doubleClick, int x, int y, win::UINT keyFlags);
// Hit test: down = 1 arms the control under (x, y), down = 0 runs its action.
void PanelClick(win::HWND hwnd, int x, int y, int down);
// A key or a press elsewhere has taken g_pressed from `control`, whose
// release will now act on nothing: a speed drag leaves its knob where the
// rate in effect puts it, a volume drag brings its readout up to date.
void AbandonDrag(win::HWND hwnd, int control);
// The rate the speed knob's row stands for, applied as a drag's release does.
void ApplySpeed(win::HWND hwnd);
