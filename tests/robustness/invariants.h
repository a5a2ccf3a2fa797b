// What must hold between any two messages the console handles, whatever
// came before. Each check returns "" or a description of the first rule
// found broken.
#pragma once

#include <string>

#include "platform/headless/headless.h"

// The console state: list, texts, control numbers, knobs, speed, levels and
// the engine's sample handles.
std::string CheckConsoleState();
// What the deck's timers and the drive are doing between two messages.
struct DeckView {
    std::string driveMode;  // the drive's answer to "status cdaudio mode"
    long long drivePositionMs;  // where a stopped drive stands under a playing deck; else -1
    bool positionTimer;     // timer 1 runs
    bool abTimer;           // timer 2 runs
    bool positionTimerRefused;  // the deck went on playing when timer 1 could not be made
};
// The deck and the drive agree: the deck plays exactly when the drive plays
// and timer 1 runs (a drive that has just run off the end of the disc, as
// the deck knows its length, waits for timer 1's next tick); paused or
// stopped, the drive is never playing; timer 2 runs only with an A-B repeat
// marked.
std::string CheckDeck(const DeckView& deck);
// Every pen, brush, font, bitmap and device context made for one drawing has
// been given back.
std::string CheckGdiBalance(const headless::GdiCounts& baseline);
// After the shutdown: engine closed with nothing left in it, and the panel
// bitmaps that had loaded freed.
std::string CheckShutDown(const headless::GdiCounts& running, int bitmapsLoaded);
