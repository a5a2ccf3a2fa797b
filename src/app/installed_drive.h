// The program's "cdaudio" drive installed for the console, with the two
// level sinks (CD level to the drive, wave level to the mixer engine), for
// as long as the object lives. Shared by the Linux and the Windows program.
#pragma once

#include <memory>

#include "devices/cdaudio/cdaudio.h"

class InstalledDrive {
public:
    explicit InstalledDrive(std::unique_ptr<cdaudio::Device> drive);
    ~InstalledDrive();
    InstalledDrive(const InstalledDrive&) = delete;
    InstalledDrive& operator=(const InstalledDrive&) = delete;

    cdaudio::Device& Drive() const { return *drive_; }

private:
    std::unique_ptr<cdaudio::Device> drive_;
};
