// `tornel --check`: the console starts as usual, then prints what it found
// (its files, the disc, the document paths, the engine) and closes, so that
// an installation can be tried without anyone at the screen.
#pragma once

#include "app/program_files.h"

// Queued to run once the message loop runs.
void ReportStartupAndClose(const ProgramFiles& files);
