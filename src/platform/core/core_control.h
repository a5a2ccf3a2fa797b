// Core entry points for the headless host: reset, fault injection, recording
// and a message pump that needs no program loop.
#pragma once

#include <string>
#include <vector>

#include "platform/win.h"

namespace win::core {

// Forgets every window, class, message, timer, menu, GDI object, device and
// fault, so that each test starts from a fresh process' state.
void ResetCore();

// Every platform call is appended to `log` as "Name(args)" (null: no record).
void SetCallLog(std::vector<std::string>* log);

// Fault injection.
void SetTimersRefused(bool refused);
// Bytes WriteFile may still write before it fails as on a full disk; < 0: no
// limit (see full_disk_seam.h).
void SetDiskBudget(long bytes);
// The name VerLanguageNameA gives instead of the system's; null: the system's.
void SetLanguageOverride(const std::string* name);

// The pump: dispatches posted messages, paints and due timers until none is
// left or the quit is reached. Returns the number dispatched.
int PumpMessages();
bool QuitPending();
int QuitCode();
// Live GDI objects and device contexts; stock objects are not counted.
struct GdiTally {
    int pens, brushes, fonts, bitmaps, memoryDCs, windowDCs;
};
GdiTally LiveGdiTally();

// Earliest tick a timer falls due; false when no timer runs.
bool NextTimerDue(DWORD* due);
// Whether window timer `id` of `hwnd` runs.
bool TimerRunning(HWND hwnd, UINT_PTR id);

}  // namespace win::core
