// The drive that holds the disc: the machine's CD drive, or a virtual drive
// whose "discs" are folders, cue sheets and TOC files. GUI thread only.
#pragma once

#include "devices/cdaudio/cdaudio.h"
#include "devices/cdaudio/disc.h"

namespace cdaudio {

class Drive {
public:
    // A physical drive when `device` names one, otherwise a virtual drive
    // holding options.initialDisc.
    Drive(const Options& options, std::string device);

    const std::shared_ptr<Disc>& Current() const { return disc_; }
    bool DoorOpen() const { return doorOpen_; }
    bool Virtual() const { return device_.empty(); }
    // When the last disc given to the virtual drive was refused because a
    // file its sheet names is missing or unreadable: that name as the sheet
    // writes it; otherwise "".
    const std::string& MissingFile() const { return missingFile_; }

    // The disc leaves the drive. The caller must have let go of it first.
    void OpenDoor();
    // A physical drive reads the disc it finds; an empty virtual drive takes
    // `given` (a folder, .cue or .toc), else asks for one, and stays empty
    // when none is given or it cannot be read.
    void CloseDoor(const std::string& given = {});
    // A physical drive looks for a disc put in since it last looked.
    void Probe();

private:
    std::string device_;  // "" for the virtual drive
    std::function<std::string()> askForDisc_;
    std::function<void(const std::string&)> tellMissingFile_;
    std::shared_ptr<Disc> disc_;
    std::string missingFile_;
    bool doorOpen_ = false;
};

}  // namespace cdaudio
