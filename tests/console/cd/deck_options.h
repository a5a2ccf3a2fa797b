// Console options for the deck's tests: a recording device, or a disc folder.
#pragma once

#include <string>

#include "support/console_session.h"

inline ConsoleOptions OverDevice(win::CommandStringDevice* device) {
    ConsoleOptions options;
    options.device = device;
    return options;
}

inline ConsoleOptions WithDisc(const std::string& folder) {
    ConsoleOptions options;
    options.disc = folder;
    return options;
}
