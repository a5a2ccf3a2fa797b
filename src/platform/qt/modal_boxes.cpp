#include "platform/qt/modal_boxes.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "platform/host.h"
#include "platform/qt/dialog_places.h"

namespace qthost {

namespace {

constexpr win::UINT kButtonMask = 0x0F;
constexpr win::UINT kIconMask = 0xF0;
constexpr win::UINT kIconInformation = 0x40;

QMessageBox::Icon IconOf(win::UINT type) {
    switch (type & kIconMask) {
    case win::MB_ICONERROR: return QMessageBox::Critical;
    case win::MB_ICONQUESTION: return QMessageBox::Question;
    case win::MB_ICONWARNING: return QMessageBox::Warning;
    case kIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The system's patterns are separated by ';', Qt's by blanks.
QStringList NameFilters(const std::vector<win::FileFilter>& filters) {
    QStringList names;
    for (const win::FileFilter& f : filters) {
        QString patterns = QString::fromStdString(f.patterns.empty() ? "*" : f.patterns);
        patterns.replace(';', ' ');
        names << QStringLiteral("%1 (%2)").arg(QString::fromStdString(f.description), patterns);
    }
    return names;
}

}  // namespace

void RunModal(QDialog& dialog) {
    bool finished = false;
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&finished] { finished = true; });
    dialog.open();
    win::RunNestedLoop([&finished] { return finished; });
}

int ShowMessageBox(QWidget* owner, const char* text, const char* caption, win::UINT type) {
    QMessageBox box(IconOf(type), QString::fromLocal8Bit(caption ? caption : ""), QString::fromLocal8Bit(text ? text : ""),
                    QMessageBox::NoButton, owner);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    if ((type & kButtonMask) == win::MB_OKCANCEL)
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    else
        box.setEscapeButton(ok);
    RunModal(box);
    return box.clickedButton() == ok ? win::IDOK : win::IDCANCEL;
}

bool ChooseFileDialog(QWidget* owner, const win::FileChoice& choice, std::string& path) {
    // The next dialog opens where the last one ended, without moving the
    // process's current directory: relative paths keep their meaning.
    static QString lastFolder;
    const QString initialFile = QFile::decodeName(choice.initialFile.c_str());
    const QString initialDir = QFile::decodeName(choice.initialDir.c_str());
    QString folder = QDir(lastFolder).exists() && !lastFolder.isEmpty() ? lastFolder : QDir::currentPath();
    if (!initialDir.isEmpty() && QDir(initialDir).exists()) folder = initialDir;
    const QFileInfo file(initialFile);
    const bool selectFile = !initialFile.isEmpty() && file.isAbsolute() && file.dir().exists();
    if (selectFile) folder = file.absolutePath();
    QFileDialog dialog(owner, choice.save ? QStringLiteral("Save As") : QStringLiteral("Open"), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Descriptions are shown as the program wrote them, patterns unlisted.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(NameFilters(choice.filters));
    // File names here are case-sensitive, but "KICK.WAV" is a WAV file too.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (selectFile) dialog.selectFile(file.fileName());
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, choice.save);
    const DialogPlacesInSidebar places(dialog);
    RunModal(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(chosen).absolutePath();
    path = QFile::encodeName(QDir::toNativeSeparators(chosen)).toStdString();
    return true;
}

}  // namespace qthost
