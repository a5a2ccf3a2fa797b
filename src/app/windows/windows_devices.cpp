#include "app/windows/windows_devices.h"

#include "engine/engine.h"
#include "platform/win32/native_multimedia.h"

namespace winapp {
namespace {

cdaudio::Device* g_drive = nullptr;  // the level sink is a plain function

void SetCdLevel(DWORD level) {
    if (g_drive) g_drive->SetLevel(level);
}

// The system's DWORD is not the engine's uint32_t, though both are 32 bits.
void SetWaveLevel(DWORD level) { EngineSetOutputLevel(level); }

}  // namespace

WindowsDevices::WindowsDevices(const std::string& demoDisc) {
    cdaudio::Options options;
    options.output = cdaudio::Output::Default;
    options.initialDisc = demoDisc;
    options.usePhysicalDrive = false;  // a physical drive is the system's device
    options.askForDisc = AskForDisc;
    options.tellMissingFile = TellMissingFile;
    drive_ = cdaudio::CreateDevice(options);
    g_drive = drive_.get();
    win32::UseCdDrive(win32::ChooseCdDrive(win32::MachineHasCdDrive(), win32::SystemCommandSender()));
    win::InstallCdAudioDevice(g_drive);
    win::SetCdLevelSink(SetCdLevel);
    win::SetWaveLevelSink(SetWaveLevel);
}

WindowsDevices::~WindowsDevices() {
    win::SetCdLevelSink(nullptr);
    win::SetWaveLevelSink(nullptr);
    win::InstallCdAudioDevice(nullptr);
    g_drive = nullptr;
}

std::string AskForDisc() {
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter =
        "Disc images and folder tracks\0*.cue;*.toc;*.wav;*.flac;*.ogg;*.opus;*.mp3\0"
        "Disc images (*.cue, *.toc)\0*.cue;*.toc\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = "Insert Disc: a disc image, or any track of a folder of audio files";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) return {};
    const std::string chosen = path;
    const std::size_t dot = chosen.find_last_of('.');
    const std::string extension = dot == std::string::npos ? "" : chosen.substr(dot);
    if (_stricmp(extension.c_str(), ".cue") == 0 || _stricmp(extension.c_str(), ".toc") == 0) return chosen;
    const std::size_t slash = chosen.find_last_of("\\/");
    return slash == std::string::npos ? chosen : chosen.substr(0, slash);
}

void TellMissingFile(const std::string& name) {
    const std::string text =
        "The disc cannot be played: the file \"" + name + "\" that it names is missing or unreadable.";
    MessageBoxA(GetActiveWindow(), text.c_str(), "Insert Disc", MB_OK | MB_ICONWARNING);
}

}  // namespace winapp
