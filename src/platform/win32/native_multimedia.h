// The native program's multimedia calls: "cdaudio" command strings routed
// between the program's device and the system's (see cd_routing.h), one
// auxiliary CD audio source and the wave volume, both sent to the program's
// own outputs. The devices and sinks are installed through platform/devices.h.
#pragma once

#include "platform/win32/cd_routing.h"

namespace win32 {

// Whether the machine has a CD drive (a drive letter of that type).
bool MachineHasCdDrive();
// The system's mciSendStringA (winmm), or an empty function without one.
SystemSender SystemCommandSender();
// Which drive answers "cdaudio" from now on (ours until called).
void UseCdDrive(CdDrive drive);

}  // namespace win32
