#include "app/installed_drive.h"

#include "engine/engine.h"
#include "platform/devices.h"

namespace {

cdaudio::Device* g_drive = nullptr;  // the level sink is a plain function

void SetCdLevel(win::DWORD level) { g_drive->SetLevel(level); }

// The Windows DWORD is not the engine's uint32_t, though both are 32 bits.
void SetWaveLevel(win::DWORD level) { EngineSetOutputLevel(level); }

}  // namespace

InstalledDrive::InstalledDrive(std::unique_ptr<cdaudio::Device> drive) : drive_(std::move(drive)) {
    g_drive = drive_.get();
    win::InstallCdAudioDevice(g_drive);
    win::SetCdLevelSink(SetCdLevel);
    win::SetWaveLevelSink(SetWaveLevel);
}

InstalledDrive::~InstalledDrive() {
    win::SetCdLevelSink(nullptr);
    win::SetWaveLevelSink(nullptr);
    win::InstallCdAudioDevice(nullptr);
    g_drive = nullptr;
}
