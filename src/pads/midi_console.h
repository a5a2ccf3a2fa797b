// MIDI on the GUI thread: the inputs post each channel message to the main
// window, whose procedure hands it here.
#pragma once

#include <cstdint>

#include "platform/win.h"

// wParam: the message (status | data 1 << 8 | data 2 << 16), 0 when its
// source has gone; lParam: the source's number.
constexpr win::UINT WM_MIDI_INPUT = 0x8000 + 1;  // WM_APP + 1: the program's own

void Korvex_OnMidi(win::HWND hwnd, std::uint32_t message, std::uint32_t source);
// The map back to its start, learning off, nothing held.
void MidiConsoleReset();

// The program's MIDI inputs, opened as the console starts and closed as it
// shuts down. A program without MIDI (the tests) sets no hooks.
struct MidiInputHooks {
    void (*open)(win::HWND hwnd);  // from then on, messages are posted to hwnd
    void (*close)();
};
void SetMidiInputHooks(const MidiInputHooks& hooks);
void MidiInputsOpen(win::HWND hwnd);
void MidiInputsClose();
