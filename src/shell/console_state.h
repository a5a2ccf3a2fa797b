// The console state: the one record every handler reads and writes. It lives
// on the GUI thread only; no field is locked or atomic, and the audio threads
// of the devices never see it. Start values are static initialisers.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "platform/win.h"

constexpr int kPadCount = 7;
constexpr int kListCapacity = 20;
constexpr int kBitmapCount = 59;
// Text capacities in bytes, terminator included: a file name (NAME_MAX + 1)
// and a full path (PATH_MAX) of this platform, so that whatever the user's
// folders hold fits; every writer still refuses what does not fit.
constexpr int kPadTitleSize = 256;
constexpr int kPadPathSize = 4096;
constexpr int kStartDirSize = 4096;
constexpr int kDocPathSize = 4096;
constexpr int kSetPathSize = 4096;

// --- CD deck ------------------------------------------------------------------
enum DeckState : int { CD_PLAYING = 0, CD_PAUSED = 1, CD_STOPPED = 2 };
extern int g_cdState;              // deck state, a DeckState
extern int g_trackCount;           // tracks on the disc; 0 without a readable disc
extern int g_discLengthMs;         // length of the whole disc, ms
extern int g_trackCursor;          // track button being pressed: track number - 1, 0..19
extern int g_cdLoop;               // CD loop setting of the menu: 1 ON, 0 OFF
extern std::uint32_t g_trayTick;   // tick count (ms) when the tray button was used
extern int g_blinkCount;           // drives the blinking "Please wait." (parity = colour)

// --- Program list ---------------------------------------------------------------
extern int g_listMode;                      // 0 normal play ("NOMAL"), 1 program play ("LIST")
extern int g_listCount;                     // entries in the list, 0..20
extern int g_listTracks[kListCapacity];     // track number (1-based) per entry; 0 beyond the count
extern int g_listLengthMs[kListCapacity];   // length of each entry's track, ms; 0 beyond the count
extern int g_listTotalSec;                  // sum of the entries' whole seconds (each truncated)
extern int g_listPos;                       // index of the entry now playing

// --- A-B repeat -------------------------------------------------------------------
// Held: B pressed again while looping; PLAY resumes at the hold position.
enum AbState : int { AB_OFF = 0, AB_A_SET = 1, AB_LOOPING = 2, AB_HELD = 3 };
extern int g_abState;    // an AbState
extern int g_abPointA;   // point A, disc position in ms
extern int g_abPointB;   // point B, disc position in ms
extern int g_abHoldPos;  // position (ms) at which the loop was held; PLAY resumes there

// --- Levels, knobs and speed -----------------------------------------------------------
extern int g_cdVolumeY;        // CD volume knob y, 170 (loudest)..220 (silent)
extern int g_cdBalanceX;       // CD balance knob x, 451..501, centre 476
extern int g_waveVolumeY;      // wave volume knob y, 170..220
extern int g_waveBalanceX;     // wave balance knob x, 551..601, centre 576
extern int g_speedKnobY;       // speed knob y, 330 = rate 22050; 305..355 dragged, 306..354 at rest
extern int g_waveRate;         // engine output rate, samples/s; 11026..33074 after each reopen
extern int g_waveSpeedPct;     // speed figure on the panel, -96..96 after each reopen
extern win::AUXCAPSA g_auxCaps;  // scratch for the aux capability query; holds nothing between calls

// --- Sample pads ----------------------------------------------------------------------
extern char g_padTitle[kPadCount][kPadTitleSize];  // file name without folder; " " = never given a file
extern char g_padPath[kPadCount][kPadPathSize];    // full path of the file; " " = never given a file
extern int g_padLoaded[kPadCount];                 // 1 = has a file to play (outlives the engine)
extern int g_padLoop[kPadCount];                   // 1 = loop switched on
extern int g_padLoopCount[kPadCount];              // stored loop count; the dialog shows it + 1
extern EngineHandle g_padSample[kPadCount];        // engine sample handle; 0 = none
extern EngineHandle g_mixer;                       // the open engine; 0 = none

// --- Panel interaction ------------------------------------------------------------------
extern int g_pressed;                      // control pressed/dragged/held: PRESS_* (panel/press.h), 0 none
extern int g_padCursor;                    // pad column of the last press/release in a pad row, 0..7
extern win::HBITMAP g_bitmaps[kBitmapCount];  // panel bitmaps in the index order of the paint

// --- Paths and handles -----------------------------------------------------------------
extern win::HINSTANCE g_hInst;             // program instance, stored before the window exists
extern win::HWND g_hWnd;                   // the main window; null until CreateWindowEx returns
extern win::HMENU g_hMenu;                 // menu bar "KorvexMenu1", destroyed at shutdown
extern char g_startDir[kStartDirSize];     // current directory at start-up
extern char g_readmePath[kDocPathSize];    // start dir, '\\' and the readme name
extern char g_helpPath[kDocPathSize];      // start dir, '\\' and the HTML help name
extern char g_setPath[kSetPathSize];       // set file chosen in the last Load dialog; empty = none

// Puts every field back to its static start value. The real program never
// needs it (the process starts once); tests start each console afresh.
void ConsoleStateReset();
