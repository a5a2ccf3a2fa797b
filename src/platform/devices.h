// Devices behind the multimedia calls. The core owns no audio: the "cdaudio"
// command-string device and the two level sinks are installed by whoever
// builds the program (the real main, or a test).
#pragma once

#include "platform/win.h"

namespace win {

// A device that answers command strings ("play cdaudio from 3 notify").
// It receives the whole command, device name included.
class CommandStringDevice {
public:
    virtual ~CommandStringDevice() = default;
    virtual MCIERROR SendString(const char* command, char* returnString, UINT returnLength) = 0;
};

// Installs the device that answers for "cdaudio" (not owned; nullptr removes it).
void InstallCdAudioDevice(CommandStringDevice* device);

// Where auxSetVolume on the CD audio source and waveOutSetVolume on device 0
// send their level (left channel low 16 bits, right high). Null: the level is
// only kept. The last values set are readable for tests.
using LevelSink = void (*)(DWORD level);
void SetCdLevelSink(LevelSink sink);
void SetWaveLevelSink(LevelSink sink);
DWORD LastCdLevel();
DWORD LastWaveLevel();

// The auxiliary devices auxGetNumDevs and friends report. By default there is
// one: a CD audio source with volume control. Tests replace the list to reach
// the walk's skip and stop rules.
struct AuxDeviceConfig {
    AUXCAPSA caps;
    bool capsQueryFails;
    bool volumeReadFails;
};
void SetAuxDevices(const AuxDeviceConfig* devices, int count);
void ResetAuxDevices();
// The volume last set on aux device `id` (0 when never set).
DWORD AuxDeviceVolume(UINT id);

}  // namespace win
