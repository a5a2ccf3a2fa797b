// tornel-console.dll: the console on the system's own window, GDI, dialogs
// and shell, with the program's "cdaudio" device for the virtual drive and
// the mixer engine behind the levels. tornel.exe loads it and hands over
// its instance, whose resources (menu, dialogs, bitmaps, icon) the console
// loads.
#include <string>

#include "app/program_midi.h"
#include "app/windows/program_folder.h"
#include "app/windows/windows_devices.h"
#include "audio/sound_card.h"
#include "shell/main_window.h"

namespace {

// The card opens once the window is up: the devices start on their null
// outputs, so the panel does not wait for the sound system.
void CALLBACK ReleaseCard(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    audio::ReleaseCardOpening();
}

}  // namespace

extern "C" __declspec(dllexport) int TornelRun(HINSTANCE instance, int showCmd) {
    const std::string folder = winapp::ProgramFolder();
    const std::string missing = winapp::MissingDemoMessage(folder);
    if (!missing.empty()) MessageBoxA(nullptr, missing.c_str(), "Tornel", MB_OK | MB_ICONWARNING);
    // Help > README and Help > Help read the documents beside the program,
    // wherever it was started from.
    SetDocumentFolder(folder.c_str());

    audio::HoldCardOpening();
    SetTimer(nullptr, 0, 0, ReleaseCard);
    const std::string demoDisc = folder + "\\demo-disc";
    const winapp::WindowsDevices devices(winapp::IsFolder(demoDisc) ? demoDisc : std::string());
    InstallProgramMidi();
    return WinMain(instance, nullptr, const_cast<char*>(""), showCmd);
}
