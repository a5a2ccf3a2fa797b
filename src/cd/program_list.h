// The program list: up to twenty tracks played in the order chosen.
#pragma once

#include "platform/win.h"

void ListClear();
// Appends track (1-based) with its length from the drive when the list has
// room and the track is on the disc; returns 1 when appended.
int ListAppend(int track);
void ListModeButton(win::HWND hwnd);
void ListClearButton(win::HWND hwnd);
// Moves g_listPos for code 7 (previous) or 8 (next); returns the target track.
int ListStep(int code);
// Run by each tick of timer 1 in program play: advance, loop or stop.
void ListCheck(win::HWND hwnd);
