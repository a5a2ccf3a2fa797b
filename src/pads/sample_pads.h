// The seven sample pads and the engine's lifetime.
#pragma once

#include "engine/engine.h"
#include "platform/win.h"

EngineHandle MixerOpen(int rate);
void MixerClose();
void MixerReopen(win::HWND hwnd);
// Where the speed knob rests for an output rate (330 for 22050).
int SpeedKnobForRate(int rate);
void PadLoad(int p);
void PadChooseFile(win::HWND hwnd, int p);
void PadToggleLoop(win::HWND hwnd, int p);
void PadLoopButton(win::HWND hwnd, int p, int down);
void PadLoadButton(win::HWND hwnd, int p);
// The load button's work with `path` in place of the dialog's choice.
void PadLoadFile(win::HWND hwnd, int p, const char* path);
// Whether the pad's file dialog lists `path` among its audio files.
bool PadTakesFile(const char* path);
// The sample deck's start-up inside Korvex_OnCreate: engine open at 22050,
// loop counts 7, pads empty with loops off, output switched on.
void SampleDeckStart();
