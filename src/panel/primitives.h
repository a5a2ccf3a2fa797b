// The four small operations by which handlers change what the panel shows:
// a repaint request, and three drawings made at once through a device
// context of their own, outside any paint.
#pragma once

#include "platform/win.h"

// Asks for a repaint of (left, top, right, bottom), without erasing.
win::BOOL InvalidateArea(win::HWND hwnd, int left, int top, int right, int bottom);
// A filled pad lamp: bright green when on is 1, dark green otherwise.
void DrawLamp(win::HWND hwnd, int on, int left, int top, int right, int bottom);
// A vertical fader 20x60 at (left, top) with its knob centred on knobY.
void DrawFader(win::HWND hwnd, int knobY, int left, int top);
// A balance track with its knob at knobX; stores the knob and applies the
// CD level (referenceX 466) or the wave level (any other referenceX).
void DrawBalanceKnob(win::HWND hwnd, int knobX, int referenceX);

// The display area: the part of the panel that holds the CD deck's texts.
constexpr int kDisplayLeft = 32, kDisplayTop = 90, kDisplayRight = 409, kDisplayBottom = 240;
inline void InvalidateDisplayArea(win::HWND hwnd) {
    InvalidateArea(hwnd, kDisplayLeft, kDisplayTop, kDisplayRight, kDisplayBottom);
}
