#include "support/console_session.h"

#include "platform/devices.h"
#include "shell/console_state.h"
#include "shell/main_window.h"

namespace {

constexpr std::uint64_t kDriveRate = 44100;  // frames per second of the drive's output

}  // namespace

ConsoleSession::ConsoleSession(const ConsoleOptions& options) {
    win::CommandStringDevice* device = options.device;
    if (device == nullptr) {
        cdaudio::Options drive;
        drive.output = cdaudio::Output::Virtual;
        drive.initialDisc = options.disc;
        drive.usePhysicalDrive = false;
        drive_ = cdaudio::CreateDevice(drive);
        device = drive_.get();
        host.OnAdvance([this](win::DWORD ms) {
            frameRemainder_ += kDriveRate * ms;
            drive_->AdvanceVirtualOutput(static_cast<std::uint32_t>(frameRemainder_ / 1000));
            frameRemainder_ %= 1000;
        });
    }
    win::InstallCdAudioDevice(device);
    ConsoleStateReset();
    if (!options.start) return;
    RegisterMainClass(Instance());
    CreateMainWindow(Instance(), win::SW_SHOWNORMAL);
    host.Pump();
}

ConsoleSession::~ConsoleSession() {
    Korvex_OnDestroy(Window());
    host.Pump();
    win::InstallCdAudioDevice(nullptr);
    drive_.reset();
}

win::HWND ConsoleSession::Window() const { return g_hWnd; }

win::HINSTANCE ConsoleSession::Instance() const { return win::GetModuleHandleA(nullptr); }
