// Command strings, auxiliary devices and the wave volume.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/devices.h"
#include "platform/headless/headless.h"

using namespace win;

namespace {

class RecordingDevice : public CommandStringDevice {
public:
    MCIERROR SendString(const char* command, char* reply, UINT length) override {
        commands.push_back(command);
        if (reply && length) std::strncpy(reply, "01:02:03:04", length - 1);
        return 0;
    }
    std::vector<std::string> commands;
};

DWORD g_sunk = 0;
void Sink(DWORD level) { g_sunk = level; }

TEST(Multimedia, CdAudioCommandsReachTheInstalledDeviceWhole) {
    headless::Session session;
    RecordingDevice device;
    InstallCdAudioDevice(&device);
    char reply[256] = "stale";
    EXPECT_EQ(mciSendStringA("status  CDAudio position", reply, sizeof reply, nullptr), 0u);
    EXPECT_STREQ(reply, "01:02:03:04");
    EXPECT_EQ(device.commands, std::vector<std::string>{"status  CDAudio position"});
    EXPECT_EQ(session.Calls().back(), "mciSendStringA(status  CDAudio position)");
}

TEST(Multimedia, OtherDevicesAndEmptyCommandsAreRefused) {
    headless::Session session;
    char reply[16] = "stale";
    EXPECT_EQ(mciSendStringA("play cdaudio from 3 notify", reply, sizeof reply, nullptr),
              MCIERR_INVALID_DEVICE_NAME);  // no device installed
    EXPECT_STREQ(reply, "");
    RecordingDevice device;
    InstallCdAudioDevice(&device);
    std::strcpy(reply, "stale");
    EXPECT_EQ(mciSendStringA("play waveaudio", reply, sizeof reply, nullptr), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_STREQ(reply, "");
    EXPECT_EQ(mciSendStringA("cdaudio", nullptr, 0, nullptr), MCIERR_MISSING_DEVICE_NAME);
    EXPECT_EQ(mciSendStringA("open  ", nullptr, 0, nullptr), MCIERR_MISSING_DEVICE_NAME);
    EXPECT_EQ(mciSendStringA("", nullptr, 0, nullptr), MCIERR_MISSING_COMMAND_STRING);
    EXPECT_EQ(mciSendStringA(nullptr, nullptr, 0, nullptr), MCIERR_MISSING_COMMAND_STRING);
    EXPECT_TRUE(device.commands.empty());
}

TEST(Multimedia, DefaultAuxDeviceIsOneCdAudioSourceWithVolume) {
    headless::Session session;
    SetCdLevelSink(Sink);
    ASSERT_EQ(auxGetNumDevs(), 1u);
    AUXCAPSA caps{};
    ASSERT_EQ(auxGetDevCapsA(0, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "CD Audio");
    EXPECT_EQ(caps.wTechnology, AUXCAPS_CDAUDIO);
    EXPECT_EQ(caps.dwSupport & AUXCAPS_VOLUME, AUXCAPS_VOLUME);
    EXPECT_EQ(auxSetVolume(0, 0xCC8CCB20), MMSYSERR_NOERROR);
    DWORD volume = 0;
    EXPECT_EQ(auxGetVolume(0, &volume), MMSYSERR_NOERROR);
    EXPECT_EQ(volume, 0xCC8CCB20u);
    EXPECT_EQ(LastCdLevel(), 0xCC8CCB20u);
    EXPECT_EQ(g_sunk, 0xCC8CCB20u);
    EXPECT_EQ(auxGetDevCapsA(1, &caps, sizeof caps), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(session.Calls().back(), "auxGetDevCapsA(1,48)");
    EXPECT_EQ(session.CallsStartingWith("auxSetVolume").back(), "auxSetVolume(0,3431779104)");
}

TEST(Multimedia, ConfiguredAuxDevicesFailAsToldAndOnlyCdSourcesReachTheSink) {
    headless::Session session;
    g_sunk = 0;
    SetCdLevelSink(Sink);
    AuxDeviceConfig devices[3] = {};
    devices[0].capsQueryFails = true;
    devices[1].caps.wTechnology = 2;  // a line input, not a CD source
    devices[2].caps.wTechnology = AUXCAPS_CDAUDIO;
    devices[2].volumeReadFails = true;
    SetAuxDevices(devices, 3);
    AUXCAPSA caps{};
    DWORD volume = 0;
    EXPECT_EQ(auxGetNumDevs(), 3u);
    EXPECT_NE(auxGetDevCapsA(0, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_NE(auxGetVolume(2, &volume), MMSYSERR_NOERROR);
    auxSetVolume(1, 5);
    EXPECT_EQ(AuxDeviceVolume(1), 5u);
    EXPECT_EQ(g_sunk, 0u);
    ResetAuxDevices();
    EXPECT_EQ(auxGetNumDevs(), 1u);
}

TEST(Multimedia, WaveVolumeGoesToDeviceZeroOnly) {
    headless::Session session;
    g_sunk = 0;
    SetWaveLevelSink(Sink);
    EXPECT_EQ(waveOutSetVolume(nullptr, 0xCCB0CB20), MMSYSERR_NOERROR);
    EXPECT_EQ(LastWaveLevel(), 0xCCB0CB20u);
    EXPECT_EQ(g_sunk, 0xCCB0CB20u);
    EXPECT_EQ(waveOutSetVolume(reinterpret_cast<HWAVEOUT>(1), 7), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(LastWaveLevel(), 0xCCB0CB20u);
    EXPECT_EQ(session.CallsStartingWith("waveOutSetVolume").front(), "waveOutSetVolume(0,3434138400)");
}

TEST(Multimedia, SessionResetsDevicesAndLevels) {
    {
        headless::Session session;
        RecordingDevice device;
        InstallCdAudioDevice(&device);
        waveOutSetVolume(nullptr, 9);
        SetAuxDevices(nullptr, 0);
    }
    headless::Session session;
    EXPECT_EQ(LastWaveLevel(), 0u);
    EXPECT_EQ(auxGetNumDevs(), 1u);
    EXPECT_EQ(mciSendStringA("status cdaudio mode", nullptr, 0, nullptr), MCIERR_INVALID_DEVICE_NAME);
}

}  // namespace
