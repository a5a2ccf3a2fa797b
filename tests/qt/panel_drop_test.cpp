// Files dragged over the panel from the file manager: the pointer says "no"
// where the console would do nothing, and a drop reaches the console.
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <algorithm>

#include "qt/qt_console.h"
#include "shell/console_state.h"

namespace {

class PanelDrop : public QtConsole {
protected:
    QString File(const QString& name) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write("RIFF");
        return file.fileName();
    }

    // Sends enter and move at `at`; whether the panel would take the drop.
    bool Hover(const QList<QUrl>& urls, QPoint at) {
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Panel(), &enter);
        if (!enter.isAccepted()) return false;
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Panel(), &move);
        return move.isAccepted();
    }

    void Drop(const QList<QUrl>& urls, QPoint at) {
        data.setUrls(urls);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Panel(), &drop);
        Pump();
    }

    QTemporaryDir folder;
    QMimeData data;
};

const QPoint kPadTwo(74 + 42 + 5, 330);

}  // namespace

TEST_F(PanelDrop, PanelTakesFilesOnceTheConsoleAsksForThem) { EXPECT_TRUE(Panel()->acceptDrops()); }

TEST_F(PanelDrop, SoundFilesOnAPadAreTakenAndOtherThingsRefused) {
    const QUrl wav = QUrl::fromLocalFile(File("kick.wav"));
    EXPECT_TRUE(Hover({wav}, kPadTwo));
    EXPECT_FALSE(Hover({QUrl::fromLocalFile(File("notes.txt"))}, kPadTwo));
    EXPECT_FALSE(Hover({wav}, QPoint(500, 200)));  // the levels
    EXPECT_FALSE(Hover({QUrl("https://example.org/kick.wav")}, kPadTwo));

    Drop({wav, QUrl::fromLocalFile(File("snare.wav"))}, kPadTwo);
    EXPECT_STREQ(g_padTitle[1], "kick.wav");
    EXPECT_STREQ(g_padTitle[2], "snare.wav");
    EXPECT_STREQ(g_padPath[1], QFile::encodeName(wav.toLocalFile()).constData());
}

TEST_F(PanelDrop, FolderOnTheDisplayPutsInADisc) {
    const QUrl disc = QUrl::fromLocalFile(folder.path());
    EXPECT_TRUE(Hover({disc}, QPoint(100, 200)));
    EXPECT_FALSE(Hover({disc}, kPadTwo));
    Drop({disc}, QPoint(100, 200));
    const std::string closed = "set cdaudio door closed disc \"" + folder.path().toStdString() + "\"";
    const Commands& sent = cd.Sent();
    EXPECT_NE(std::find(sent.begin(), sent.end(), closed), sent.end());
}
