// The program's devices: the "cdaudio" drive, the two level sinks (CD level
// to the drive, wave level to the mixer engine) and the RealtimeKit client
// of the sound threads, installed for the console for as long as the object
// lives. Neither the drive nor the engine waits for the sound: both start
// on their output's silent clock and move to a server or card when one opens.
#pragma once

#include <memory>

#include "app/installed_drive.h"
#include "app/realtime_kit.h"
#include "devices/cdaudio/cdaudio.h"

// The drive as the program uses it: the sound card, the physical drive when
// there is one, and a prompt for a disc when the tray closes empty. The
// caller puts in the demo disc (`initialDisc`) from the program's files.
cdaudio::Options ProgramDriveOptions();

class ProgramDevices {
public:
    explicit ProgramDevices(const cdaudio::Options& drive);

    cdaudio::Device& Drive() const { return drive_.Drive(); }

private:
    RealtimeKitClient realtimeKit_;  // before the drive starts its threads, after them gone
    InstalledDrive drive_;
};
