// A console started on the headless host, for the console's tests.
//
//   ConsoleSession c({.disc = folder});   // virtual drive holding `folder`
//   c.host.Click(86, 42);                  // STOP
//   c.host.Advance(100);                   // the drive plays 4410 frames
//
// Construction: a fresh headless::Session, the "cdaudio" device installed,
// the console state reset, the window class registered and the main window
// created and shown (start-up and first paint), then the queue pumped.
// Destruction: the shutdown (Korvex_OnDestroy runs only once, so a test may
// already have run it through Exit or the close box), then the device is
// removed, so that no engine or drive outlives the test.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "devices/cdaudio/cdaudio.h"
#include "platform/headless/headless.h"
#include "platform/win.h"

struct ConsoleOptions {
    // Folder, .cue or .toc that the virtual drive holds; "" = an empty drive.
    std::string disc = "";
    // Answers for "cdaudio" instead of the virtual drive (not owned), e.g. a
    // recording device. `disc` is then unused.
    win::CommandStringDevice* device = nullptr;
    // false: stop after the device and the state reset; the test starts the
    // console itself (WinMain, or RegisterMainClass + CreateMainWindow).
    bool start = true;
};

class ConsoleSession {
public:
    explicit ConsoleSession(const ConsoleOptions& options = {});
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    // The host: input, virtual time, screen, call log, faults.
    headless::Session host;

    // The virtual drive, or null when the test passed its own device.
    cdaudio::Device* Drive() const { return drive_.get(); }
    // The main window (g_hWnd), or null before it exists.
    win::HWND Window() const;
    // The program instance handed to the console.
    win::HINSTANCE Instance() const;

private:
    std::unique_ptr<cdaudio::Device> drive_;
    std::uint64_t frameRemainder_ = 0;  // 44100 * ms / 1000 carried between steps
};
