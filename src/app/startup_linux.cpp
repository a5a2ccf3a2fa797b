// The Linux program's start-up: the Qt application, then the program's
// files, then the console.
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/program_files.h"
#include "app/startup.h"
#include "app/startup_report.h"
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

int StartOnQt(const StartupOptions& options) {
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
