// The program: the console on the Qt host, with the CD drive and the two
// level sinks wired to the audio devices.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/devices.h"
#include "app/mpris.h"
#include "app/program_files.h"
#include "app/single_instance.h"
#include "app/startup_report.h"
#include "audio/sound_card.h"
#include "commands/hand_over.h"
#include "platform/host.h"
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

// The set file named on the command line (the file manager's %f), as an
// absolute path, since a console already running has its own current
// folder; empty for none. Qt has taken its own options out by now.
QByteArray SetFileArgument() {
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) return QFile::encodeName(QFileInfo(arguments[i]).absoluteFilePath());
    }
    return {};
}

void LoadSetFile(const QByteArray& path) {
    if (win::HWND main = win::MainWindow()) HandOverSetFile(main, nullptr, path.constData());
}

// A later start's file comes while the user looks at the file manager.
void TakeHandOver(const QByteArray& path) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->isModal()) {
            window->raise();
            window->activateWindow();
        }
    }
    LoadSetFile(path);
}

// The window first, the sound card behind it: the devices start on their
// null outputs and open the card once the message loop runs.
int RunConsole(bool check) {
    // A second console would fight the first for the sound card and the drive.
    const QByteArray setFile = SetFileArgument();
    if (!check && !setFile.isEmpty() && HandToRunningConsole(ConsoleSocketName(), setFile)) return 0;
    const ConsoleListener listener(ConsoleSocketName(), TakeHandOver);
    // Loaded once the loop runs, as the Load command would be.
    if (!setFile.isEmpty()) QTimer::singleShot(0, [setFile] { LoadSetFile(setFile); });

    audio::HoldCardOpening();
    QTimer::singleShot(0, audio::ReleaseCardOpening);
    QApplication::setDesktopFileName(QStringLiteral(TORNEL_APP_ID));
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
    // An unreachable bus was refused before Qt started: the player is then
    // simply not there.
    const MprisPlayer player(QDBusConnection::sessionBus());
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
