// Discs that libcdio reads: images (BIN/CUE, cdrdao TOC) and the audio
// tracks of a disc in a physical drive (read through libcdio-paranoia).
#pragma once

#include "devices/cdaudio/disc.h"

namespace cdaudio {

// Null when the drive holds no disc with audio tracks.
std::shared_ptr<Disc> OpenDriveDisc(const std::string& device);

// The machine's first CD drive, or "" when it has none.
std::string FindPhysicalDrive();

}  // namespace cdaudio
