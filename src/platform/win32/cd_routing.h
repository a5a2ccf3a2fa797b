// Where the console's "cdaudio" command strings go on Windows. A physical
// drive is played by the system's own "cdaudio" device, as the console was
// written for; disc images, cue sheets and folders by the program's own
// device, with the same virtual drive and tray as on every other host.
#pragma once

#include <functional>

#include "platform/devices.h"

namespace win32 {

// The system's command-string entry (mciSendStringA).
using SystemSender = std::function<win::MCIERROR(const char* command, char* returnString, win::UINT returnLength,
                                                 win::HWND callback)>;

enum class CdDrive { Ours, System };

// The system's device when the machine has a CD drive that it can open
// (opened once under an alias of its own and closed again); ours otherwise,
// so that a machine without a drive, or whose device fails to load, plays
// the demo disc.
CdDrive ChooseCdDrive(bool machineHasCdDrive, const SystemSender& system);

// Sends `command` to the chosen device and answers as the system's entry
// does; the system's device gets it word for word.
win::MCIERROR RouteCommand(CdDrive drive, win::CommandStringDevice* ours, const SystemSender& system,
                           const char* command, char* returnString, win::UINT returnLength, win::HWND callback);

}  // namespace win32
