#include "app/disc_prompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

// Asked from inside a drive command, that is inside a console handler: the
// boxes run Qt's own modal loop, so no console handler runs before the
// drive has its answer.
std::string AskForDisc() {
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Insert Disc"),
                    QStringLiteral("The drive is empty. Choose a folder of audio files or a disc image (.cue or .toc)."),
                    QMessageBox::NoButton, parent);
    QPushButton* folder = box.addButton(QStringLiteral("Folder..."), QMessageBox::AcceptRole);
    QPushButton* image = box.addButton(QStringLiteral("Disc Image..."), QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.exec();

    QString chosen;
    if (box.clickedButton() == folder) {
        chosen = QFileDialog::getExistingDirectory(parent, QStringLiteral("Disc Folder"), QDir::currentPath(),
                                                   QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    } else if (box.clickedButton() == image) {
        chosen = QFileDialog::getOpenFileName(parent, QStringLiteral("Disc Image"), QDir::currentPath(),
                                              QStringLiteral("Disc images (*.cue *.toc)"), nullptr,
                                              QFileDialog::DontUseNativeDialog);
    }
    return QFile::encodeName(chosen).toStdString();
}

void TellMissingFile(const std::string& name) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Insert Disc"),
                    QStringLiteral("The disc cannot be played: the file \"%1\" that it names is missing or unreadable.")
                        .arg(QString::fromUtf8(name.c_str())),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
