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
    ASSERT_EQ(g_cdState, CD_STOPPED);
    QTest::mousePress(Panel(), Qt::LeftButton, {}, QPoint(110, 42));
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, QPoint(110, 42));
    Pump();
    EXPECT_EQ(g_cdState, CD_PLAYING);
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

// Key events as the French (AZERTY) and German (QWERTZ) layouts deliver them
// on X: the native scan code is the X keycode, the native key the keysym.
struct LayoutKey {
    int key;
    quint32 keycode, keysym;
    const char* text;
};

void Stroke(const LayoutKey& k) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, k.key, Qt::NoModifier, k.keycode, k.keysym, 0, QString::fromUtf8(k.text));
        QApplication::sendEvent(Panel(), &event);
    }
    Pump();
}

TEST_F(QtConsoleInput, FrenchAndGermanLayoutsPlayAsTheUsOneDoes) {
    // The top row unshifted: & é " ' ( set the CD balance, - è _ ç à the wave's.
    const LayoutKey azertyRow[] = {{Qt::Key_Ampersand, 10, 0x26, "&"}, {Qt::Key_Eacute, 11, 0xE9, "\xC3\xA9"},
                                   {Qt::Key_QuoteDbl, 12, 0x22, "\""}, {Qt::Key_Apostrophe, 13, 0x27, "'"},
                                   {Qt::Key_ParenLeft, 14, 0x28, "("},  {Qt::Key_Minus, 15, 0x2D, "-"},
                                   {Qt::Key_Egrave, 16, 0xE8, "\xC3\xA8"}, {Qt::Key_Underscore, 17, 0x5F, "_"},
                                   {Qt::Key_Ccedilla, 18, 0xE7, "\xC3\xA7"}, {Qt::Key_Agrave, 19, 0xE0, "\xC3\xA0"}};
    const int balances[] = {451, 466, 476, 486, 501, 551, 566, 576, 586, 601};
    for (int i = 0; i < 10; ++i) {
        Stroke(azertyRow[i]);
        EXPECT_EQ(i < 5 ? g_cdBalanceX : g_waveBalanceX, balances[i]) << azertyRow[i].text;
    }

    // Letters by their label. AZERTY's W sits where US Z does: it loops
    // pad 2 and plays nothing.
    g_padLoaded[0] = g_padLoaded[1] = 1;
    Stroke({Qt::Key_W, 52, 0x77, "w"});
    EXPECT_EQ(g_padLoop[1], 1);
    // QWERTZ's Z sits where US Y does: it plays pad 1, lit while held.
    const LayoutKey z{Qt::Key_Z, 29, 0x7A, "z"};
    QKeyEvent press(QEvent::KeyPress, z.key, Qt::NoModifier, z.keycode, z.keysym, 0, "z");
    QApplication::sendEvent(Panel(), &press);
    Pump();
    EXPECT_TRUE(LampIs(kBrightGreen));
    QKeyEvent release(QEvent::KeyRelease, z.key, Qt::NoModifier, z.keycode, z.keysym, 0, "z");
    QApplication::sendEvent(Panel(), &release);
    Pump();
    EXPECT_FALSE(LampIs(kBrightGreen));
}

}  // namespace
