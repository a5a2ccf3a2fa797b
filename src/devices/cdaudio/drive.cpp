#include "devices/cdaudio/drive.h"

#include "devices/cdaudio/cdio_disc.h"

namespace cdaudio {

Drive::Drive(const Options& options, std::string device)
    : device_(std::move(device)), askForDisc_(options.askForDisc), tellMissingFile_(options.tellMissingFile)
{
    if (!device_.empty()) disc_ = OpenDriveDisc(device_);
    else if (!options.initialDisc.empty()) disc_ = OpenDisc(options.initialDisc, &missingFile_);
}

void Drive::OpenDoor()
{
    disc_.reset();
    missingFile_.clear();
    doorOpen_ = true;
    if (!device_.empty()) EjectDrive(device_);
}

void Drive::CloseDoor(const std::string& given)
{
    doorOpen_ = false;
    if (!device_.empty()) {
        CloseDriveTray(device_);
        Probe();
        return;
    }
    if (disc_ || (given.empty() && !askForDisc_)) return;
    std::string path = given.empty() ? askForDisc_() : given;
    if (path.empty()) return;
    disc_ = OpenDisc(path, &missingFile_);
    if (!disc_ && !missingFile_.empty() && tellMissingFile_) tellMissingFile_(missingFile_);
}

void Drive::Probe()
{
    if (device_.empty() || disc_) return;
    disc_ = OpenDriveDisc(device_);
    if (disc_) doorOpen_ = false;
}

}  // namespace cdaudio
