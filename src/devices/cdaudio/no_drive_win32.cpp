// A physical drive on Windows belongs to the system's own "cdaudio" device,
// which the program sends its commands to; this device keeps to the virtual
// drive and its folders, cue sheets and TOC files.
#include "devices/cdaudio/cdio_disc.h"

namespace cdaudio {

std::shared_ptr<Disc> OpenDriveDisc(const std::string&) { return nullptr; }

std::string FindPhysicalDrive() { return ""; }

void EjectDrive(const std::string&) {}

void CloseDriveTray(const std::string&) {}

}  // namespace cdaudio
