// Asks the user for a disc when the virtual drive's tray closes empty: in
// Qt's boxes on Linux (disc_prompt_qt.cpp), in the system's on Windows
// (windows/disc_prompt_win32.cpp).
#pragma once

#include <string>

// A folder of audio files, or a .cue / .toc disc image; "" when cancelled.
std::string AskForDisc();

// Tells the user that the chosen disc names a file that is missing or
// unreadable, so the drive stays empty.
void TellMissingFile(const std::string& name);
