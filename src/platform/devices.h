// Devices behind the multimedia calls. The core owns no audio: the "cdaudio"
// command-string device and the two level sinks are installed by whoever
// builds the program (the real main, or a test).
#pragma once

#include <cctype>
#include <string_view>

#include "platform/win.h"

namespace win {

// A device that answers command strings ("play cdaudio from 3 notify").
// It receives the whole command, device name included.
class CommandStringDevice {
public:
    virtual ~CommandStringDevice() = default;
    virtual MCIERROR SendString(const char* command, char* returnString, UINT returnLength) = 0;
    // The same with the window that "notify" reports to (null: none).
    virtual MCIERROR SendString(const char* command, char* returnString, UINT returnLength, HWND /*callback*/) {
        return SendString(command, returnString, returnLength);
    }
    // Whether the device answers to `name`, the second word of a command.
    virtual bool Answers(std::string_view name) const { return EqualsIgnoringCase(name, "cdaudio"); }

    // GUI thread. Hands each notification that came due to `post` (window,
    // MCI_NOTIFY_ code, device id), in order.
    using NoticeSink = void (*)(HWND callback, WPARAM code, LPARAM deviceId);
    virtual void TakeNotices(NoticeSink /*post*/) {}
    // True while a notification may come due with no command sent (a play
    // with notify runs to its end).
    virtual bool AwaitsNotice() const { return false; }

protected:
    static bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        }
        return true;
    }
};

// Hands `command` to `device` as the system's command-string entry does: the
// reply is emptied first, a blank command, a command that names no device and
// a command for a name that the device does not answer to (or for no device
// at all) are refused.
inline MCIERROR SendToDevice(CommandStringDevice* device, const char* command, char* returnString,
                             UINT returnLength, HWND callback) {
    if (returnString && returnLength > 0) returnString[0] = '\0';
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const char* p = command ? command : "";
    while (blank(*p)) ++p;
    if (!*p) return MCIERR_MISSING_COMMAND_STRING;
    // The second blank-separated word names the device.
    while (*p && !blank(*p)) ++p;
    while (blank(*p)) ++p;
    const char* end = p;
    while (*end && !blank(*end)) ++end;
    if (end == p) return MCIERR_MISSING_DEVICE_NAME;
    if (!device || !device->Answers(std::string_view(p, static_cast<std::size_t>(end - p))))
        return MCIERR_INVALID_DEVICE_NAME;
    return device->SendString(command, returnString, returnLength, callback);
}

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
