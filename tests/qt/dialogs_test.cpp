// The menu's dialogs, message boxes and file dialogs on the Qt host, each
// run modally while the test drives it from inside its nested loop.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "platform/host.h"
#include "platform/qt/template_dialog.h"
#include "qt/qt_console.h"
#include "resources/resources.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kAbout = 100;
constexpr int kWaveSpeed = 118;
constexpr int kWaveLoop = 121;
constexpr int kBriefHelp = 122;

class QtDialogs : public QtConsole {
protected:
    // Chooses the menu command and runs `script` on its dialog; returns
    // whether the dialog was shown at all.
    bool RunCommand(int id, std::function<void(QDialog*)> script) {
        bool shown = false;
        OnModal([&shown, &script](QWidget* w) {
            shown = true;
            script(qobject_cast<QDialog*>(w));
        });
        PostHostMessage(Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        Pump();
        return shown;
    }
};

// The dialog's controls, in the order they were made (template order).
QList<QWidget*> Controls(QDialog* dialog) { return dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly); }

void ExpectTemplateLayout(QDialog* dialog, const char* name) {
    const res::DialogTemplate* t = res::FindDialog(name);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(t->title));
    const qthost::DialogUnits units = qthost::BaseUnits(dialog->font());
    EXPECT_EQ(dialog->size(), QSize(units.X(t->w), units.Y(t->h)));
    const QList<QWidget*> controls = Controls(dialog);
    ASSERT_EQ(controls.size(), t->count);
    for (int i = 0; i < t->count; ++i) {
        const res::DialogControl& c = t->controls[i];
        const QRect place = units.ToPixels(c.x, c.y, c.w, c.h);
        SCOPED_TRACE(testing::Message() << name << " control " << i);
        switch (c.kind) {
        case res::ControlKind::Icon:  // shown at its own size from the corner
            EXPECT_EQ(controls[i]->pos(), place.topLeft());
            EXPECT_EQ(controls[i]->size(), QSize(32, 32));
            break;
        case res::ControlKind::Rule:  // at least two pixels: a sunken line
            EXPECT_EQ(controls[i]->geometry().topLeft(), place.topLeft());
            EXPECT_EQ(controls[i]->width(), place.width());
            break;
        case res::ControlKind::Label:
            EXPECT_EQ(controls[i]->geometry(), place);
            EXPECT_EQ(qobject_cast<QLabel*>(controls[i])->text(), QString::fromLatin1(c.text));
            break;
        case res::ControlKind::Button:
            EXPECT_EQ(controls[i]->geometry(), place);
            EXPECT_EQ(qobject_cast<QPushButton*>(controls[i])->text(), QString::fromLatin1(c.text));
            EXPECT_EQ(qobject_cast<QPushButton*>(controls[i])->isDefault(), (c.style & res::kDefaultButton) != 0);
            break;
        case res::ControlKind::Edit:
            EXPECT_EQ(controls[i]->geometry(), place);
            break;
        }
    }
}

// The controls Tab visits from the focused one, once round.
QList<QWidget*> TabCycle(QDialog* dialog) {
    QList<QWidget*> cycle;
    QWidget* first = dialog->focusWidget();
    QWidget* w = first;
    for (int step = 0; w && step < 200; ++step) {
        if (w->parentWidget() == dialog && (w->focusPolicy() & Qt::TabFocus)) cycle << w;
        w = w->nextInFocusChain();
        if (w == first) break;
    }
    return cycle;
}

// The template's tab stops, in template order.
QList<QWidget*> TemplateTabStops(QDialog* dialog, const char* name) {
    const res::DialogTemplate* t = res::FindDialog(name);
    const QList<QWidget*> controls = Controls(dialog);
    QList<QWidget*> stops;
    for (int i = 0; i < t->count && i < controls.size(); ++i) {
        if (t->controls[i].style & res::kTabStop) stops << controls[i];
    }
    return stops;
}

QLineEdit* Edit(QDialog* dialog, int index) { return dialog->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).value(index); }

TEST(DialogUnits, ComeFromTheTemplateFont) {
    int argc = 1;
    char name[] = "test_qt";
    char* argv[] = {name, nullptr};
    qthost::HostApplication app(argc, argv);
    // Arial 9 point (Liberation Sans): letters about 6-7 pixels wide, lines about 15 high.
    const qthost::DialogUnits units = qthost::BaseUnits(qthost::TemplateFont(*res::FindDialog("AboutBox")));
    EXPECT_GT(units.baseX, 5.0);
    EXPECT_LT(units.baseX, 8.5);
    EXPECT_GE(units.baseY, 12.0);
    EXPECT_LE(units.baseY, 18.0);
    // 4 horizontal units are one base width, 8 vertical ones one line.
    EXPECT_EQ(units.X(4), units.baseX);
    EXPECT_EQ(units.Y(8), units.baseY);
    EXPECT_EQ(units.X(400), 100 * units.baseX);
    EXPECT_EQ(units.ToPixels(4, 8, 40, 16), QRect(units.X(4), units.Y(8), units.X(40), units.Y(16)));
}

TEST_F(QtDialogs, EveryDialogHasItsControlsAtTheirPlacesInTabOrder) {
    const std::pair<int, const char*> dialogs[] = {
        {kAbout, "AboutBox"}, {kBriefHelp, "DIALOG_BRIEF"}, {kWaveLoop, "DIALOG_WVLOOP"}, {kWaveSpeed, "DIALOG_WVSPEED"}};
    for (const auto& [command, name] : dialogs) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(RunCommand(command, [name = name](QDialog* dialog) {
            ExpectTemplateLayout(dialog, name);
            const QList<QWidget*> stops = TemplateTabStops(dialog, name);
            ASSERT_FALSE(stops.isEmpty());
            EXPECT_EQ(dialog->focusWidget(), stops.first());
            EXPECT_EQ(TabCycle(dialog), stops);
            QTest::keyClick(dialog, Qt::Key_Return);  // the default button: OK
            EXPECT_FALSE(dialog->isVisible());
        }));
    }
}

TEST_F(QtDialogs, EscapeDoesNotCloseBriefHelpButOkDoes) {
    EXPECT_TRUE(RunCommand(kBriefHelp, [](QDialog* dialog) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible());
        dialog->close();  // the close box is Cancel too
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
    }));
}

TEST_F(QtDialogs, EscapeOnWaveLoopIsCancel) {
    EXPECT_TRUE(RunCommand(kWaveLoop, [](QDialog* dialog) {
        EXPECT_EQ(Edit(dialog, 0)->text(), "8");
        Edit(dialog, 0)->setText("3");
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    }));
    EXPECT_EQ(g_padLoopCount[0], 7);
}

TEST_F(QtDialogs, TypedCountsReachTheConsoleOnOk) {
    EXPECT_TRUE(RunCommand(kWaveLoop, [](QDialog* dialog) {
        QLineEdit* channel1 = Edit(dialog, 0);  // edit 1007
        QLineEdit* channel7 = Edit(dialog, 6);  // edit 1006
        channel1->clear();
        QTest::keyClicks(channel1, "3");
        channel7->setText("letters");
        qobject_cast<QPushButton*>(Controls(dialog)[0])->click();
    }));
    EXPECT_EQ(g_padLoopCount[0], 2);
    EXPECT_EQ(g_padLoopCount[6], 7);
}

// The loop counts' edits have no automatic scrolling: typing stops where
// the field is full. The speed's edit scrolls.
TEST_F(QtDialogs, WaveLoopEditsStopAtTheirWidth) {
    EXPECT_TRUE(RunCommand(kWaveLoop, [](QDialog* dialog) {
        QLineEdit* count = Edit(dialog, 0);
        count->clear();
        QTest::keyClicks(count, QString(40, '9'));
        const int shown = count->text().size();
        EXPECT_GT(shown, 2);
        EXPECT_LT(shown, 40);
        EXPECT_LE(count->fontMetrics().horizontalAdvance(count->text()), count->width());
        QTest::keyClick(count, Qt::Key_Backspace);
        QTest::keyClicks(count, "1");
        EXPECT_EQ(count->text().size(), shown);
        QTest::keyClick(dialog, Qt::Key_Escape);
    }));
    EXPECT_TRUE(RunCommand(kWaveSpeed, [](QDialog* dialog) {
        QTest::keyClicks(Edit(dialog, 0), QString(40, '9'));
        EXPECT_EQ(Edit(dialog, 0)->text().size(), 45);
        QTest::keyClick(dialog, Qt::Key_Escape);
    }));
}

TEST_F(QtDialogs, EnterInAnEditPressesTheDefaultButton) {
    EXPECT_TRUE(RunCommand(kWaveSpeed, [](QDialog* dialog) {
        QLineEdit* speed = Edit(dialog, 0);
        EXPECT_EQ(speed->text(), "22050");
        speed->clear();
        QTest::keyClicks(speed, "30000");
        QTest::keyClick(speed, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
    }));
    EXPECT_EQ(g_waveRate, 30000);
}

TEST_F(QtDialogs, ThePanelHasTheKeyboardAgainAfterADialog) {
    EXPECT_TRUE(RunCommand(kAbout, [](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }));
    EXPECT_EQ(TopWindow()->focusWidget(), Panel());
}

TEST_F(QtDialogs, MessageBoxesAnswerOkOrCancel) {
    OnModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->windowTitle(), "Tornel Save");
        EXPECT_EQ(box->text(), "x.tnl is already exists. OverWrite ?");
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(MessageBoxA(Window(), "x.tnl is already exists. OverWrite ?", "Tornel Save", MB_OKCANCEL | MB_ICONQUESTION),
              IDCANCEL);

    OnModal([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(MessageBoxA(Window(), "?", "Tornel Save", MB_OKCANCEL | MB_ICONQUESTION), IDOK);

    OnModal([](QWidget* w) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(w)->icon(), QMessageBox::Critical);
        QTest::keyClick(w, Qt::Key_Escape);  // a box with OK alone answers OK
    });
    EXPECT_EQ(MessageBoxA(Window(), "Timer not exists.", "Tornel Error", MB_OK | MB_ICONERROR), IDOK);
}

class QtFileDialogs : public QtConsole {
protected:
    QTemporaryDir dir;
    const QString startDir = QDir::currentPath();
    QString expectedFolder = QDir::currentPath();

    BOOL Choose(bool save, char* buffer, std::function<void(QFileDialog*)> script) {
        OnModal([script, folder = expectedFolder](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_EQ(dialog->nameFilters(), QStringList{"TORNEL files (*.tnl)"});
            EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder).canonicalPath());
            script(dialog);
        });
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = Window();
        ofn.lpstrFilter = "TORNEL files\0*.tnl\0";
        ofn.lpstrFile = buffer;
        ofn.nMaxFile = 200;
        ofn.Flags = OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
        return save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    }
};

TEST_F(QtFileDialogs, OpenWantsAnExistingFile) {
    const QString path = dir.filePath("set.tnl");
    QFile(path).open(QIODevice::WriteOnly);
    char buffer[200] = "";
    EXPECT_TRUE(Choose(false, buffer, [path](QFileDialog* dialog) {
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    }));
    EXPECT_EQ(QString::fromLocal8Bit(buffer), path);
    EXPECT_EQ(TopWindow()->focusWidget(), Panel());
    // The next dialog opens in the folder of the file chosen (checked by
    // Choose), and the process's current directory has not moved.
    EXPECT_EQ(QDir::currentPath(), startDir);
    expectedFolder = dir.path();
    EXPECT_FALSE(Choose(false, buffer, [](QFileDialog* dialog) { dialog->reject(); }));
}

TEST_F(QtFileDialogs, SaveTakesANewNameAndAsksNothing) {
    const QString path = dir.filePath("new.tnl");
    char buffer[200] = "";
    EXPECT_TRUE(Choose(true, buffer, [path](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    }));
    EXPECT_EQ(QString::fromLocal8Bit(buffer), path);
    EXPECT_FALSE(QFile::exists(path));  // choosing creates nothing
}

// The pad's dialog: audio files first, WAV files, then everything, names
// matched whatever their case; it opens at the pad's file, selected.
TEST_F(QtFileDialogs, PadDialogListsAudioFilesAndOpensAtThePadsFile) {
    const QString kick = dir.filePath("KICK.WAV");
    QFile(kick).open(QIODevice::WriteOnly);
    OnModal([kick](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        const QStringList filters = dialog->nameFilters();
        ASSERT_EQ(filters.size(), 3);
        EXPECT_TRUE(filters[0].startsWith("Audio files (*.wav *.wave *.aif"));
        EXPECT_EQ(filters[1], "WAV files (*.wav) (*.wav)");
        EXPECT_EQ(filters[2], "All files (*)");
        EXPECT_TRUE(dialog->testOption(QFileDialog::HideNameFilterDetails));
        EXPECT_FALSE(dialog->filter() & QDir::CaseSensitive);
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QFileInfo(kick).canonicalPath());
        EXPECT_EQ(dialog->selectedFiles().value(0), kick);
        dialog->reject();
    });
    FileChoice choice;
    choice.filters = {{"Audio files", "*.wav;*.wave;*.aif"}, {"WAV files (*.wav)", "*.wav"}, {"All files", "*"}};
    choice.initialFile = QFile::encodeName(kick).toStdString();
    choice.initialDir = QFile::encodeName(startDir).toStdString();
    std::string path;
    EXPECT_FALSE(CurrentHost()->ChooseFile(Window(), choice, path));
}

}  // namespace
