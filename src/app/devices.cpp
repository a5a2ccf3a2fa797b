#include "app/devices.h"

#include "app/disc_prompt.h"

cdaudio::Options ProgramDriveOptions() {
    cdaudio::Options options;
    options.output = cdaudio::Output::Default;
    options.usePhysicalDrive = true;
    options.askForDisc = AskForDisc;
    options.tellMissingFile = TellMissingFile;
    return options;
}

ProgramDevices::ProgramDevices(const cdaudio::Options& drive) : drive_(cdaudio::CreateDevice(drive)) {}
