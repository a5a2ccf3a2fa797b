// The program: the console on the Qt host, with the CD drive and the two
// level sinks wired to the audio devices.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/disc_prompt.h"
#include "devices/cdaudio/cdaudio.h"
#include "engine/engine.h"
#include "platform/devices.h"
#include "platform/qt/qt_host.h"
#include "shell/main_window.h"

namespace {

cdaudio::Device* g_drive = nullptr;  // the level sink is a plain function

void SetCdLevel(win::DWORD level) { g_drive->SetLevel(level); }

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

int RunConsole() {
    cdaudio::Options options;
    options.output = cdaudio::Output::Default;
    options.initialDisc = cdaudio::DemoDiscPath();
    options.usePhysicalDrive = true;
    options.askForDisc = AskForDisc;
    std::unique_ptr<cdaudio::Device> drive = cdaudio::CreateDevice(options);
    g_drive = drive.get();
    win::InstallCdAudioDevice(g_drive);
    win::SetCdLevelSink(SetCdLevel);
    win::SetWaveLevelSink(EngineSetOutputLevel);

    const int result = WinMain(win::GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), win::SW_SHOWNORMAL);

    win::SetCdLevelSink(nullptr);
    win::SetWaveLevelSink(nullptr);
    win::InstallCdAudioDevice(nullptr);
    g_drive = nullptr;
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs("tornel: the console needs a desktop session (no display found)\n", stderr);
        return 1;
    }
    return qthost::Run(argc, argv, RunConsole);
}
