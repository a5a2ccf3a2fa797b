// The disc in a physical drive, read through libcdio and libcdio-paranoia.
// Windows plays a physical drive through the system's own "cdaudio" device
// instead, so there (no_drive_win32.cpp) this device finds no drive.
#pragma once

#include "devices/cdaudio/disc.h"

namespace cdaudio {

// Null when the drive holds no disc with audio tracks. A ".cue" path is
// opened through libcdio's BIN/CUE driver instead, standing in for a drive.
std::shared_ptr<Disc> OpenDriveDisc(const std::string& device);

// The machine's first CD drive, or "" when it has none.
std::string FindPhysicalDrive();

// The tray of the drive `device` names.
void EjectDrive(const std::string& device);
void CloseDriveTray(const std::string& device);

}  // namespace cdaudio
