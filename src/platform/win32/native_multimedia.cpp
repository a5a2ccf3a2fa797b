#include "platform/win32/native_multimedia.h"

#include <cstring>

namespace {

win::CommandStringDevice* g_ours = nullptr;
win32::CdDrive g_drive = win32::CdDrive::Ours;
win::LevelSink g_cdSink = nullptr;
win::LevelSink g_waveSink = nullptr;
DWORD g_cdLevel = 0;
DWORD g_waveLevel = 0;
constexpr UINT kCdAudioSource = 0;  // the one auxiliary device

// The program's device reports "notify" through notices that the GUI thread
// takes; a thread timer collects them while one may come due.
UINT_PTR g_noticeTimer = 0;
constexpr UINT kNoticePollMs = 20;

void PostNotices() {
    if (!g_ours) return;
    g_ours->TakeNotices([](HWND callback, WPARAM code, LPARAM deviceId) {
        if (callback) PostMessageA(callback, MM_MCINOTIFY, code, deviceId);
    });
}

void CALLBACK PollNotices(HWND, UINT, UINT_PTR, DWORD) {
    PostNotices();
    if (g_ours && g_ours->AwaitsNotice()) return;
    KillTimer(nullptr, g_noticeTimer);
    g_noticeTimer = 0;
}

void FollowNotices() {
    PostNotices();
    if (g_noticeTimer == 0 && g_ours && g_ours->AwaitsNotice())
        g_noticeTimer = SetTimer(nullptr, 0, kNoticePollMs, PollNotices);
}

using MciSend = MCIERROR(WINAPI*)(LPCSTR, LPSTR, UINT, HWND);
using AuxSet = MMRESULT(WINAPI*)(UINT, DWORD);
using AuxCount = UINT(WINAPI*)();
using AuxCaps = MMRESULT(WINAPI*)(UINT_PTR, LPAUXCAPSA, UINT);

template <typename F>
F Winmm(const char* name) {
    static const HMODULE winmm = LoadLibraryA("winmm.dll");
    return winmm ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(winmm, name))) : nullptr;
}

// With the system's drive the CD level goes to the system's CD audio source,
// the level control the console was written for.
void SetSystemCdLevel(DWORD level) {
    const auto count = Winmm<AuxCount>("auxGetNumDevs");
    const auto caps = Winmm<AuxCaps>("auxGetDevCapsA");
    const auto set = Winmm<AuxSet>("auxSetVolume");
    if (!count || !caps || !set) return;
    for (UINT id = 0, n = count(); id < n; ++id) {
        AUXCAPSA c{};
        if (caps(id, &c, sizeof c) == MMSYSERR_NOERROR && c.wTechnology == AUXCAPS_CDAUDIO) set(id, level);
    }
}

}  // namespace

namespace win32 {

bool MachineHasCdDrive() {
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(drives & (1u << letter))) continue;
        const char root[] = {static_cast<char>('A' + letter), ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_CDROM) return true;
    }
    return false;
}

SystemSender SystemCommandSender() {
    const auto send = Winmm<MciSend>("mciSendStringA");
    if (!send) return {};
    return [send](const char* command, char* reply, UINT length, HWND callback) {
        return send(command, reply, length, callback);
    };
}

void UseCdDrive(CdDrive drive) { g_drive = drive; }

}  // namespace win32

namespace win {

void InstallCdAudioDevice(CommandStringDevice* device) {
    if (!device && g_noticeTimer) {
        KillTimer(nullptr, g_noticeTimer);
        g_noticeTimer = 0;
    }
    g_ours = device;
}

void SetCdLevelSink(LevelSink sink) { g_cdSink = sink; }
void SetWaveLevelSink(LevelSink sink) { g_waveSink = sink; }
DWORD LastCdLevel() { return g_cdLevel; }
DWORD LastWaveLevel() { return g_waveLevel; }

MCIERROR mciSendStringA(const char* command, char* returnString, UINT returnLength, HWND callback) {
    static const win32::SystemSender system = win32::SystemCommandSender();
    const MCIERROR error =
        win32::RouteCommand(g_drive, g_ours, system, command, returnString, returnLength, callback);
    if (g_drive == win32::CdDrive::Ours) FollowNotices();
    return error;
}

UINT auxGetNumDevs() { return 1; }

MMRESULT auxGetDevCapsA(UINT_PTR deviceId, AUXCAPSA* caps, UINT size) {
    if (deviceId != kCdAudioSource) return MMSYSERR_BADDEVICEID;
    if (!caps) return MMSYSERR_ERROR;
    AUXCAPSA cd{};
    std::strncpy(cd.szPname, "CD Audio", sizeof cd.szPname - 1);
    cd.wTechnology = AUXCAPS_CDAUDIO;
    cd.dwSupport = AUXCAPS_VOLUME;
    std::memcpy(caps, &cd, size < sizeof cd ? size : sizeof cd);
    return MMSYSERR_NOERROR;
}

MMRESULT auxGetVolume(UINT deviceId, DWORD* volume) {
    if (deviceId != kCdAudioSource) return MMSYSERR_BADDEVICEID;
    if (!volume) return MMSYSERR_ERROR;
    *volume = g_cdLevel;
    return MMSYSERR_NOERROR;
}

MMRESULT auxSetVolume(UINT deviceId, DWORD volume) {
    if (deviceId != kCdAudioSource) return MMSYSERR_BADDEVICEID;
    g_cdLevel = volume;
    if (g_drive == win32::CdDrive::System)
        SetSystemCdLevel(volume);
    else if (g_cdSink)
        g_cdSink(volume);
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutSetVolume(HWAVEOUT device, DWORD volume) {
    if (device != nullptr) return MMSYSERR_BADDEVICEID;
    g_waveLevel = volume;
    if (g_waveSink) g_waveSink(volume);
    return MMSYSERR_NOERROR;
}

}  // namespace win
