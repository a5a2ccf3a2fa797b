// `tornel --check`: the console starts as usual, then prints what it found
// (its files, the disc, the document paths, the engine, where the sound goes)
// and closes, so that
// an installation can be tried without anyone at the screen.
#pragma once

#include "app/program_files.h"
#include "devices/cdaudio/cdaudio.h"

// Queued to run once the message loop runs and both sound outputs have
// tried their back ends (a few seconds at most).
void ReportStartupAndClose(const ProgramFiles& files, const cdaudio::Device& drive);
