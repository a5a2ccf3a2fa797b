// Does on other cores, while the main thread connects to the display and
// builds the window, the slow steps Qt would otherwise take on the main
// thread just before the window appears: reading the desktop's font
// configuration and listing its fonts, and loading the image plugins (for
// the menu bar), and connecting to the session bus (for the accessibility
// bridge; where no bus can be reached, session_bus.h has it refused first).
#pragma once

#include <future>
#include <latch>
#include <thread>

namespace qthost {

class StartupWarmup {
public:
    StartupWarmup();
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup&) = delete;
    StartupWarmup& operator=(const StartupWarmup&) = delete;

    // Qt's font database, plugins and bus connections exist only with the
    // application object: once it does, the rest follows. Without it only
    // the font configuration is read.
    void ApplicationReady(bool ready);

    // Returns once the font configuration is read. Called before the window
    // is shown: had Qt read it first, it would load a second copy alongside
    // instead of waiting. For the rest Qt's own locks make it wait.
    void WaitForFontConfiguration();

    // Returns once all is done; before the application object goes.
    void Wait();

private:
    std::promise<bool> application_;
    bool told_ = false;
    std::latch fontConfiguration_{1};
    std::thread fonts_;
    std::thread bus_;
};

}  // namespace qthost
