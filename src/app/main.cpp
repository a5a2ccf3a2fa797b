// The program: the console on the Qt host, with the CD drive and the two
// level sinks wired to the audio devices.
#include <cstdio>
#include <cstdlib>

#include <QTimer>

#include "app/devices.h"
#include "audio/sound_card.h"
#include "platform/qt/qt_host.h"
#include "shell/main_window.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

// The window first, the sound card behind it: the devices start on their
// null outputs and open the card once the message loop runs.
int RunConsole() {
    audio::HoldCardOpening();
    QTimer::singleShot(0, audio::ReleaseCardOpening);
    const ProgramDevices devices(ProgramDriveOptions());
    return WinMain(win::GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), win::SW_SHOWNORMAL);
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs("tornel: the console needs a desktop session (no display found)\n", stderr);
        return 1;
    }
    return qthost::Run(argc, argv, RunConsole);
}
