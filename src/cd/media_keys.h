// The desktop's media controls (keys, panel players): play, pause, stop,
// next and previous, through the deck's own buttons so that the panel and
// the controls always agree.
#pragma once

#include "platform/win.h"

// TRUE when `command` (an APPCOMMAND_ code) is one the deck answers.
win::BOOL Korvex_OnAppCommand(win::HWND hwnd, int command);
// Whether next and previous would move: only while playing or paused.
bool DeckCanSkip();
// The current track's position, milliseconds from its start.
int CdTrackPositionMs();
