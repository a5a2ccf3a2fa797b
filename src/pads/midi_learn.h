// MIDI Learn: the user names a control with a click or its key, then works
// the controller; the map takes the controller's message for that control.
// Learning goes on, one control after another, until Escape.
#pragma once

#include "pads/midi_map.h"
#include "platform/win.h"

// The menu's "MIDI Learn".
void MidiLearnStart(win::HWND hwnd);
// Asked by the window procedure before the pointer and key handlers: true
// when learning took the message (a click or key that named a control, or
// Escape), which then goes no further.
bool MidiLearnTakesInput(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
// True when learning took the MIDI message, which then works nothing.
bool MidiLearnTakes(win::HWND hwnd, const MidiEvent& event);
// The line the display shows while learning, or null.
const char* MidiLearnLine();
void MidiLearnReset();

// Where the display shows the line (left, top, right, bottom).
constexpr win::RECT kMidiLearnLineRect = {50, 180, 380, 190};
