// tornel-console.dll: the console on the system's own window, GDI, dialogs
// and shell, with the program's "cdaudio" device for the virtual drive and
// the mixer engine behind the levels. tornel.exe loads it and hands over
// its instance, whose resources (menu, dialogs, bitmaps, icon) the console
// loads.
#include <string>

#include "app/startup.h"
#include "app/program_midi.h"
#include "app/windows/program_folder.h"
#include "app/windows/set_file_argument.h"
#include "platform/core/system.h"

int StartTornel(const StartupOptions& options) {
    // A second console would fight the first for the sound device and the drive.
    if (winapp::HandOverOrLoadSetFileArgument()) return 0;
    const std::string folder =
        options.programFolder.empty() ? win::core::system::ProgramFolder() : options.programFolder;
    const std::string missing = winapp::MissingDemoMessage(folder);
    if (!missing.empty()) MessageBoxA(nullptr, missing.c_str(), "Tornel", MB_OK | MB_ICONWARNING);
    // Help > README and Help > Help read the documents beside the program,
    // wherever it was started from.
    const std::string demoDisc = folder + "\\demo-disc";
    return RunConsole(options, folder, winapp::IsFolder(demoDisc) ? demoDisc : std::string(), nullptr);
}

extern "C" __declspec(dllexport) int TornelRun(HINSTANCE instance, int showCmd) {
    StartupOptions options;
    options.instance = instance;
    options.showCmd = showCmd;
    return StartTornel(options);
}
