// Asks the user for a disc when the virtual drive's tray closes empty.
#pragma once

#include <string>

// A folder of audio files, or a .cue / .toc disc image; "" when cancelled.
std::string AskForDisc();
