// What must hold between any two messages the console handles, whatever
// came before. Each check returns "" or a description of the first rule
// found broken.
#pragma once

#include <string>

#include "platform/headless/headless.h"

// The console state: list, texts, control numbers, knobs, speed, levels and
// the engine's sample handles.
std::string CheckConsoleState();
// Every pen, brush, font, bitmap and device context made for one drawing has
// been given back.
std::string CheckGdiBalance(const headless::GdiCounts& baseline);
// After the shutdown: engine closed with nothing left in it, and the panel
// bitmaps that had loaded freed.
std::string CheckShutDown(const headless::GdiCounts& running, int bitmapsLoaded);
