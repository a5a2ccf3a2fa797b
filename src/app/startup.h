// The program's start-up, one order for the Linux program, the Windows
// program and the whole-program test. The window comes first and the sound
// behind it: the drive and the engine start on their outputs' silent clocks
// and move to a sound server or card once the message loop runs.
//
// Every thread the program starts, besides the GUI thread (which runs the
// console, and on Linux Qt, from start to the end of WinMain):
//
// clang-format off
// | Thread               | Priority | Job                                            | Ends                          |
// |----------------------|----------|------------------------------------------------|-------------------------------|
// | font warm-up (Qt)    | normal   | reads the font configuration, lists the fonts, | when done; joined before the  |
// |                      |          | loads the image plugins                        | Qt application goes           |
// | bus warm-up (Qt)     | normal   | connects to the session bus                    | when connected; joined so too |
// | drive worker         | disc     | decodes the disc into the drive's ring         | with the drive                |
// | disc output keeper   | normal   | opens a back end once released, notices its    | with the drive                |
// |                      |          | loss, tries again twice a second               |                               |
// | disc silent clock    | disc     | plays the disc in real time without a back end | when a back end takes over    |
// | pads output keeper   | normal   | the same for the engine's output               | when the console closes the   |
// |                      |          |                                                | engine                        |
// | pads silent clock    | pads     | mixes the pads in real time without a back end | when a back end takes over    |
// | disc / pads raiser   | normal   | raises the back end's callback thread          | with the back end's stream    |
// | MIDI inputs          | normal   | opens MIDI sources as they appear              | with the console's window     |
// clang-format on
//
// The warm-ups start with the Qt application (Linux only), the drive's with
// the drive, before the window; the engine's when the window is created and
// the console opens the engine. "pads" is real-time (SCHED_FIFO or
// RealtimeKit 20, else nice -10), "disc" the level just below. The back
// ends' own callback threads (JACK's process thread, PulseAudio's mainloop,
// PortAudio's callback) are raised to "pads" or "disc" by the raisers, since
// a callback may not wait on RealtimeKit itself.
#pragma once

#include <functional>
#include <string>

#include "devices/cdaudio/cdaudio.h"
#include "platform/win.h"

namespace startup_names {
using namespace win;  // SW_SHOWNORMAL: the system's macro on Windows, win's constant elsewhere
constexpr int kShowNormal = SW_SHOWNORMAL;
}  // namespace startup_names

struct StartupOptions {
    // Linux: the command line, for Qt's own arguments (-platform, ...).
    int argc = 0;
    char** argv = nullptr;
    // Windows: the program's instance, whose resources the console loads;
    // null for the running module.
    win::HINSTANCE instance = nullptr;
    int showCmd = startup_names::kShowNormal;
    // Where the program's files are looked for, as if it lay there; "" for
    // the running program's own folder.
    std::string programFolder;
    // Linux: print what the start-up found, then close.
    bool check = false;
    cdaudio::Output output = cdaudio::Output::Default;
    // Linux: a physical drive when there is one. On Windows the system's own
    // device plays a physical drive.
    bool usePhysicalDrive = true;
    // Linux: queued to run once the message loop runs; it must end the loop.
    std::function<void(cdaudio::Device&)> whenRunning;
    // Once WinMain has returned, while the drive is still there.
    std::function<void(cdaudio::Device&)> whenEnded;
};

// Starts the program, runs its message loop and returns WinMain's result.
// Each system has its own, for what only it has (Qt, its file dialogs, its
// places for the program's files); both go through RunConsole.
int StartTornel(const StartupOptions& options);

// The part both systems share: holds the sound card back, installs the
// drive and the level sinks, runs WinMain, and releases the card once the
// message loop runs. `documentFolder` "" keeps the start directory's
// documents; `demoDisc` "" starts with an empty drive; `beforeLoop` runs
// with the drive just before WinMain.
int RunConsole(const StartupOptions& options, const std::string& documentFolder, const std::string& demoDisc,
               const std::function<void(cdaudio::Device&)>& beforeLoop);
