// Command strings routed to the installed "cdaudio" device, the auxiliary
// devices' volumes and the wave output volume.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/core/call_log.h"
#include "platform/core/core_state.h"
#include "platform/devices.h"

namespace win {
namespace core {
namespace {

struct AuxDevice {
    AuxDeviceConfig config;
    DWORD volume;
};

CommandStringDevice* g_cdAudio = nullptr;
LevelSink g_cdSink = nullptr;
LevelSink g_waveSink = nullptr;
DWORD g_lastCdLevel = 0;
DWORD g_lastWaveLevel = 0;
AuxDeviceConfig DefaultCdAudio() {
    AuxDeviceConfig config{};
    std::strncpy(config.caps.szPname, "CD Audio", sizeof config.caps.szPname - 1);
    config.caps.wTechnology = AUXCAPS_CDAUDIO;
    config.caps.dwSupport = AUXCAPS_VOLUME;
    return config;
}

std::vector<AuxDevice> g_aux = {AuxDevice{DefaultCdAudio(), 0}};

}  // namespace

}  // namespace core

void InstallCdAudioDevice(CommandStringDevice* device) { core::g_cdAudio = device; }
void SetCdLevelSink(LevelSink sink) { core::g_cdSink = sink; }
void SetWaveLevelSink(LevelSink sink) { core::g_waveSink = sink; }
DWORD LastCdLevel() { return core::g_lastCdLevel; }
DWORD LastWaveLevel() { return core::g_lastWaveLevel; }

void SetAuxDevices(const AuxDeviceConfig* devices, int count) {
    core::g_aux.clear();
    for (int i = 0; devices && i < count; ++i) core::g_aux.push_back(core::AuxDevice{devices[i], 0});
}

void ResetAuxDevices() { core::g_aux = {core::AuxDevice{core::DefaultCdAudio(), 0}}; }

void core::ResetMultimedia() {
    g_cdAudio = nullptr;
    g_cdSink = g_waveSink = nullptr;
    g_lastCdLevel = g_lastWaveLevel = 0;
    ResetAuxDevices();
}

DWORD AuxDeviceVolume(UINT id) { return id < core::g_aux.size() ? core::g_aux[id].volume : 0; }

void core::PostCdNotices() {
    if (!g_cdAudio) return;
    g_cdAudio->TakeNotices([](HWND callback, WPARAM code, LPARAM deviceId) {
        PostMessageA(callback, MM_MCINOTIFY, code, deviceId);
    });
}

bool core::CdAwaitsNotice() { return g_cdAudio && g_cdAudio->AwaitsNotice(); }

MCIERROR mciSendStringA(const char* command, char* returnString, UINT returnLength, HWND callback) {
    core::LogCall("mciSendStringA", command);
    // The device knows its own names: "cdaudio", "all" and the aliases it was opened under.
    MCIERROR error = SendToDevice(core::g_cdAudio, command, returnString, returnLength, callback);
    core::PostCdNotices();
    return error;
}

UINT auxGetNumDevs() {
    core::LogCall("auxGetNumDevs");
    return static_cast<UINT>(core::g_aux.size());
}

MMRESULT auxGetDevCapsA(UINT_PTR deviceId, AUXCAPSA* caps, UINT size) {
    core::LogCall("auxGetDevCapsA", deviceId, size);
    if (deviceId >= core::g_aux.size()) return MMSYSERR_BADDEVICEID;
    const AuxDeviceConfig& config = core::g_aux[deviceId].config;
    if (!caps || config.capsQueryFails) return MMSYSERR_ERROR;
    std::memcpy(caps, &config.caps, std::min<std::size_t>(size, sizeof config.caps));
    return MMSYSERR_NOERROR;
}

MMRESULT auxGetVolume(UINT deviceId, DWORD* volume) {
    core::LogCall("auxGetVolume", deviceId);
    if (deviceId >= core::g_aux.size()) return MMSYSERR_BADDEVICEID;
    if (!volume || core::g_aux[deviceId].config.volumeReadFails) return MMSYSERR_ERROR;
    *volume = core::g_aux[deviceId].volume;
    return MMSYSERR_NOERROR;
}

MMRESULT auxSetVolume(UINT deviceId, DWORD volume) {
    core::LogCall("auxSetVolume", deviceId, volume);
    if (deviceId >= core::g_aux.size()) return MMSYSERR_BADDEVICEID;
    core::AuxDevice& device = core::g_aux[deviceId];
    device.volume = volume;
    if (device.config.caps.wTechnology & AUXCAPS_CDAUDIO) {
        core::g_lastCdLevel = volume;
        if (core::g_cdSink) core::g_cdSink(volume);
    }
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutSetVolume(HWAVEOUT device, DWORD volume) {
    const auto deviceId = reinterpret_cast<std::uintptr_t>(device);
    core::LogCall("waveOutSetVolume", deviceId, volume);
    if (deviceId != 0) return MMSYSERR_BADDEVICEID;
    core::g_lastWaveLevel = volume;
    if (core::g_waveSink) core::g_waveSink(volume);
    return MMSYSERR_NOERROR;
}

}  // namespace win
