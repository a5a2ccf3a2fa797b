#include "app/devices.h"

#include "app/disc_prompt.h"
#include "engine/engine.h"
#include "platform/devices.h"

namespace {

cdaudio::Device* g_drive = nullptr;  // the level sink is a plain function

void SetCdLevel(win::DWORD level) { g_drive->SetLevel(level); }

}  // namespace

cdaudio::Options ProgramDriveOptions() {
    cdaudio::Options options;
    options.output = cdaudio::Output::Default;
    options.usePhysicalDrive = true;
    options.askForDisc = AskForDisc;
    options.tellMissingFile = TellMissingFile;
    return options;
}

ProgramDevices::ProgramDevices(const cdaudio::Options& drive) : drive_(cdaudio::CreateDevice(drive)) {
    g_drive = drive_.get();
    win::InstallCdAudioDevice(g_drive);
    win::SetCdLevelSink(SetCdLevel);
    win::SetWaveLevelSink(EngineSetOutputLevel);
}

ProgramDevices::~ProgramDevices() {
    win::SetCdLevelSink(nullptr);
    win::SetWaveLevelSink(nullptr);
    win::InstallCdAudioDevice(nullptr);
    g_drive = nullptr;
}
