// Pointer and keys through Qt events reach the console's handlers.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <algorithm>

#include "qt/qt_console.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr std::uint32_t kBrightGreen = 0x00FF00;

class QtConsoleInput : public QtConsole {
protected:
    // Pad 0 holds a file as far as the keyboard is concerned.
    static void LoadPadOne() { g_padLoaded[0] = 1; }

    static bool LampIs(std::uint32_t colour) {
        for (int y = 306; y <= 313; ++y) {
            for (int x = 85; x <= 103; ++x) {
                if (SurfacePixel(x, y) != colour) return false;
            }
        }
        return true;
    }

    static void Key(QEvent::Type type, int key, bool autoRepeat) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(Panel(), &event);
    }
};

TEST_F(QtConsoleInput, AClickOnPlayStartsTheDisc) {
    ASSERT_EQ(g_cdState, 2);
    QTest::mousePress(Panel(), Qt::LeftButton, {}, QPoint(110, 42));
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, QPoint(110, 42));
    Pump();
    EXPECT_EQ(g_cdState, 0);
    const Commands& sent = cd.Sent();
    EXPECT_TRUE(std::any_of(sent.begin(), sent.end(), [](const std::string& c) { return c.rfind("play cdaudio", 0) == 0; }));
}

TEST_F(QtConsoleInput, ZLightsPadOnesLampUntilItIsReleased) {
    LoadPadOne();
    QTest::keyPress(Panel(), Qt::Key_Z);
    Pump();
    EXPECT_TRUE(LampIs(kBrightGreen));
    // Drawn at once, outside a paint: the screen follows.
    EXPECT_TRUE(QTest::qWaitFor([] { return ScreenPixel(94, 310) == kBrightGreen; }));

    QTest::keyRelease(Panel(), Qt::Key_Z);
    Pump();
    const std::uint32_t dark = SurfacePixel(94, 310);
    EXPECT_NE(dark, kBrightGreen);
    EXPECT_TRUE(LampIs(dark));
    EXPECT_TRUE(QTest::qWaitFor([dark] { return ScreenPixel(94, 310) == dark; }));
}

TEST_F(QtConsoleInput, AnAutoRepeatingLoopKeySwitchesTheLoopOnce) {
    LoadPadOne();
    ASSERT_EQ(g_padLoop[0], 0);
    Key(QEvent::KeyPress, Qt::Key_Q, false);
    for (int i = 0; i < 5; ++i) {
        Key(QEvent::KeyRelease, Qt::Key_Q, true);
        Key(QEvent::KeyPress, Qt::Key_Q, true);
        Pump();
        EXPECT_EQ(g_padLoop[0], 0);
    }
    Key(QEvent::KeyRelease, Qt::Key_Q, false);
    Pump();
    EXPECT_EQ(g_padLoop[0], 1);
}

TEST_F(QtConsoleInput, KeypadDigitsDoNothingTopRowDigitsMoveTheKnobs) {
    const int centre = g_cdBalanceX;
    QTest::keyClick(Panel(), Qt::Key_1, Qt::KeypadModifier);
    Pump();
    EXPECT_EQ(g_cdBalanceX, centre);
    QTest::keyClick(Panel(), Qt::Key_1);
    Pump();
    EXPECT_EQ(g_cdBalanceX, 451);
}

}  // namespace
