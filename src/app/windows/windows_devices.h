// The native program's devices: the "cdaudio" drive (the system's for a
// physical drive, ours for the demo disc, images, cue sheets and folders)
// and the two level sinks (CD level to our drive, wave level to the mixer
// engine), installed for as long as the object lives.
#pragma once

#include <memory>
#include <string>

#include "app/installed_drive.h"

namespace winapp {

class WindowsDevices {
public:
    // `demoDisc`: the disc the virtual drive holds at start ("" for none).
    explicit WindowsDevices(const std::string& demoDisc);

private:
    InstalledDrive drive_;
};

// Asks for a disc when the virtual drive's tray closes empty: a .cue or
// .toc image, or any audio file of a folder disc (its folder); "" when
// cancelled.
std::string AskForDisc();
// Tells the user that the chosen disc names a file that is missing.
void TellMissingFile(const std::string& name);

}  // namespace winapp
