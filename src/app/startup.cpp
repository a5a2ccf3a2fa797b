#include "app/startup.h"

#include <memory>

#include "app/disc_prompt.h"
#include "app/installed_drive.h"
#include "app/program_midi.h"
#include "audio/sound_card.h"
#include "shell/main_window.h"
#ifdef _WIN32
#include "platform/win32/native_multimedia.h"
#else
#include "app/realtime_kit.h"
#endif

#ifndef CALLBACK
#define CALLBACK  // only the system's own timer procedures have a calling convention
#endif

namespace {

void CALLBACK ReleaseCard(win::HWND, win::UINT, win::UINT_PTR timer, win::DWORD) {
    win::KillTimer(nullptr, timer);
    audio::ReleaseCardOpening();
}

cdaudio::Options DriveOptions(const StartupOptions& options, const std::string& demoDisc) {
    cdaudio::Options drive;
    drive.output = options.output;
    drive.initialDisc = demoDisc;
#ifdef _WIN32
    drive.usePhysicalDrive = false;
#else
    drive.usePhysicalDrive = options.usePhysicalDrive;
#endif
    drive.askForDisc = AskForDisc;
    drive.tellMissingFile = TellMissingFile;
    return drive;
}

}  // namespace

int RunConsole(const StartupOptions& options, const std::string& documentFolder, const std::string& demoDisc,
               const std::function<void(cdaudio::Device&)>& beforeLoop) {
    audio::HoldCardOpening();
    win::SetTimer(nullptr, 0, 0, ReleaseCard);
    SetDocumentFolder(documentFolder.c_str());
#ifndef _WIN32
    // Before the drive starts its threads, after they are gone.
    const RealtimeKitClient realtimeKit;
#endif
    const InstalledDrive installed(cdaudio::CreateDevice(DriveOptions(options, demoDisc)));
#ifdef _WIN32
    win32::UseCdDrive(win32::ChooseCdDrive(win32::MachineHasCdDrive(), win32::SystemCommandSender()));
#endif
    InstallProgramMidi();
    if (beforeLoop) beforeLoop(installed.Drive());
    const win::HINSTANCE instance = options.instance ? options.instance : win::GetModuleHandleA(nullptr);
    const int result = WinMain(instance, nullptr, const_cast<char*>(""), options.showCmd);
    if (options.whenEnded) options.whenEnded(installed.Drive());
    return result;
}
