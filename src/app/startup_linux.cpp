// The Linux program's start-up: the Qt application, then the program's
// files, then the console.
#include <QApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "app/mpris.h"
#include "app/program_files.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "app/startup_report.h"
#include "commands/hand_over.h"
#include "platform/host.h"
#include "platform/qt/dialog_places.h"
#include "platform/qt/qt_host.h"

namespace {

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

int StartOnQt(const StartupOptions& options) {
    // A second console would fight the first for the sound card and the drive.
    const QByteArray setFile = SetFileArgument();
    if (!options.check && !setFile.isEmpty() && HandToRunningConsole(ConsoleSocketName(), setFile)) return 0;
    const ConsoleListener listener(ConsoleSocketName(), TakeHandOver);
    // Loaded once the loop runs, as the Load command would be.
    if (!setFile.isEmpty()) QTimer::singleShot(0, [setFile] { LoadSetFile(setFile); });
    // An unreachable bus was refused before Qt started: the player is then
    // simply not there.
    const MprisPlayer player(QDBusConnection::sessionBus());

    QGuiApplication::setDesktopFileName(QStringLiteral(TORNEL_APP_ID));
    const ProgramFiles files =
        options.programFolder.empty() ? FindProgramFiles() : FindProgramFiles(options.programFolder);
    const std::unique_ptr<QMessageBox> notice =
        files.place == ProgramFiles::Place::Missing ? ShowMissingFiles(files) : nullptr;
    if (!files.Samples().empty()) qthost::AddDialogPlace(QString::fromStdString(files.Samples().string()));
    // From the build folder the documents stay in the directory current at
    // start-up, where `make run` starts; installed, the current directory is
    // the user's, so they come from the share folder.
    const std::string documents = files.place == ProgramFiles::Place::BuildFolder ? "" : files.folder.string();
    return RunConsole(options, documents, files.DemoDisc().string(), [&](cdaudio::Device& drive) {
        if (options.check) ReportStartupAndClose(files, drive);
        if (options.whenRunning) QTimer::singleShot(0, [&options, &drive] { options.whenRunning(drive); });
    });
}

}  // namespace

int StartTornel(const StartupOptions& options) {
    return qthost::Run(options.argc, options.argv, [&options] { return StartOnQt(options); });
}
