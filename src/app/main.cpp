// The program: the console on the Qt host, with the CD drive and the two
// level sinks wired to the audio devices.
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/devices.h"
#include "app/program_midi.h"
#include "app/program_files.h"
#include "app/startup_report.h"
#include "audio/sound_card.h"
#include "platform/qt/dialog_places.h"
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

// Shown beside the console rather than before it: the console still starts.
std::unique_ptr<QMessageBox> ShowMissingFiles(const ProgramFiles& files) {
    const std::string message = MissingFilesMessage(files);
    std::fprintf(stderr, "tornel: %s\n", message.c_str());
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Tornel"),
                                             QString::fromStdString(message));
    box->show();
    return box;
}

// The window first, the sound card behind it: the devices start on their
// null outputs and open the card once the message loop runs.
int RunConsole(bool check) {
    audio::HoldCardOpening();
    QTimer::singleShot(0, audio::ReleaseCardOpening);
    QGuiApplication::setDesktopFileName(QStringLiteral(TORNEL_APP_ID));
    const ProgramFiles files = FindProgramFiles();
    const std::unique_ptr<QMessageBox> notice =
        files.place == ProgramFiles::Place::Missing ? ShowMissingFiles(files) : nullptr;
    // From the build folder the documents stay in the directory current at
    // start-up, where `make run` starts; installed, the current directory is
    // the user's, so they come from the share folder.
    if (files.place != ProgramFiles::Place::BuildFolder) SetDocumentFolder(files.folder.c_str());
    if (!files.Samples().empty()) qthost::AddDialogPlace(QString::fromStdString(files.Samples().string()));

    cdaudio::Options drive = ProgramDriveOptions();
    drive.initialDisc = files.DemoDisc().string();
    const ProgramDevices devices(drive);
    InstallProgramMidi();
    if (check) ReportStartupAndClose(files);
    return WinMain(win::GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), win::SW_SHOWNORMAL);
}

}  // namespace

int main(int argc, char** argv) {
    // Every other argument is Qt's (-platform, -style, ...).
    bool check = false;
    for (int i = 1; i < argc; ++i) check = check || std::strcmp(argv[i], "--check") == 0;
    if (!HasDisplay()) {
        std::fputs("tornel: the console needs a desktop session (no display found)\n", stderr);
        return 1;
    }
    return qthost::Run(argc, argv, [check] { return RunConsole(check); });
}
