// The console's window on the Qt host: title, menu, pixels, close.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/core/core_control.h"
#include "platform/devices.h"
#include "qt/qt_console.h"
#include "shell/console_state.h"
#include "shell/main_window.h"

using namespace win;

namespace {

QMenuBar* MenuBar() { return TopWindow()->findChild<QMenuBar*>(); }

// The item reached by following menu titles, e.g. {"Setting", "CD loop", "ON"}.
QAction* MenuItem(const QStringList& path) {
    QList<QAction*> actions = MenuBar()->actions();
    QAction* found = nullptr;
    for (const QString& title : path) {
        found = nullptr;
        for (QAction* a : actions) {
            if (a->text() == title) found = a;
        }
        if (!found) return nullptr;
        if (found->menu()) actions = found->menu()->actions();
    }
    return found;
}

QStringList Titles(const QList<QAction*>& actions) {
    QStringList titles;
    for (QAction* a : actions) titles << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return titles;
}

using QtWindow = QtConsole;

TEST_F(QtWindow, ShowsTheTitledFixedWindowWithItsMenu) {
    QWidget* top = TopWindow();
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle(), "Tornel for Windows Ver3.0");
    EXPECT_EQ(Panel()->size(), QSize(kClientWidth, kClientHeight));
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);

    EXPECT_EQ(Titles(MenuBar()->actions()), (QStringList{"File", "Setting", "Help"}));
    EXPECT_EQ(Titles(MenuItem({"File"})->menu()->actions()),
              (QStringList{"Load Tornel File", "-", "Save Tornel File", "Save As", "-", "Exit"}));
    EXPECT_TRUE(MenuItem({"Setting", "CD loop", "ON"})->isChecked());
    EXPECT_FALSE(MenuItem({"Setting", "CD loop", "OFF"})->isChecked());
}

TEST_F(QtWindow, ThePanelShowsTheSurfacePixelForPixel) {
    const QImage shown = Panel()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(kClientWidth, kClientHeight));
    int differing = 0;
    for (int y = 0; y < kClientHeight; ++y) {
        for (int x = 0; x < kClientWidth; ++x) differing += (shown.pixel(x, y) & 0xFFFFFF) != SurfacePixel(x, y);
    }
    EXPECT_EQ(differing, 0);
    // The first paint reached the screen too, not only a grab.
    EXPECT_TRUE(QTest::qWaitFor([] { return ScreenPixel(40, 100) == SurfacePixel(40, 100); }));
}

TEST_F(QtWindow, MenuItemsPostTheirCommandAndTheChecksFollowTheConsole) {
    QAction* on = MenuItem({"Setting", "CD loop", "ON"});
    QAction* off = MenuItem({"Setting", "CD loop", "OFF"});
    off->trigger();
    EXPECT_FALSE(off->isChecked());  // not before the console has said so
    Pump();
    EXPECT_EQ(g_cdLoop, 0);
    EXPECT_TRUE(off->isChecked());
    EXPECT_FALSE(on->isChecked());

    on->trigger();  // a checked item chosen again stays checked
    on->trigger();
    Pump();
    EXPECT_EQ(g_cdLoop, 1);
    EXPECT_TRUE(on->isChecked());
    EXPECT_FALSE(off->isChecked());
}

TEST_F(QtWindow, TheCloseBoxShutsTheConsoleDown) {
    EXPECT_FALSE(TopWindow()->close());
    Pump();
    EXPECT_TRUE(core::QuitPending());
    EXPECT_EQ(core::QuitCode(), 0);
    EXPECT_FALSE(TopWindow()->isVisible());
}

TEST_F(QtWindow, ExitLeavesTheWindowUntilTheProcessEnds) {
    MenuItem({"File", "Exit"})->trigger();
    Pump();
    EXPECT_TRUE(core::QuitPending());
    EXPECT_FALSE(MenuBar()->isVisible());  // the menu was destroyed
}

using QtProgram = QtHostTest;

TEST_F(QtProgram, WinMainRunsItsLoopOnQtAndEndsWithZeroWhenClosed) {
    RecordingCd cd;
    cd.HoldDisc(3, 60000);
    InstallCdAudioDevice(&cd);
    ConsoleStateReset();
    // Once the loop waits for input, the user closes the window.
    QTimer::singleShot(0, [] { TopWindow()->close(); });
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);
    EXPECT_FALSE(TopWindow()->isVisible());
    InstallCdAudioDevice(nullptr);
}

}  // namespace
