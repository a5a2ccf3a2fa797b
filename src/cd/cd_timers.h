// The deck's timers (position display, A-B repeat, tray wait), the A-B
// repeat and the tray button.
#pragma once

#include "platform/win.h"

void Korvex_OnTimer(win::HWND hwnd, win::UINT id);
void AbMarkA(win::HWND hwnd);
void AbMarkB(win::HWND hwnd);
void AbClear(win::HWND hwnd);
void AbReset();
void CdTrayButton(win::HWND hwnd);
// Ejects the disc in the drive and puts in the one at `path` (a folder, a
// .cue or a .toc; no double quote in it), as the tray and its prompt would.
void CdInsertDisc(win::HWND hwnd, const char* path);
