// What a later start of the program hands to the console already running:
// a set file to load, or nothing but a wish to see the window.
#pragma once

#include "platform/win.h"

// Marks the bytes as a set file's path (no terminator; none at all: no file).
constexpr win::ULONG_PTR kHandOverSetFile = 0x4C4E5401;

// Hands `path` (null or "": no file) to `target`, which may belong to
// another process: the bytes travel with the message.
win::LRESULT HandOverSetFile(win::HWND target, win::HWND from, const char* path);
win::BOOL Korvex_OnCopyData(win::HWND hwnd, win::HWND from, const win::COPYDATASTRUCT* data);
