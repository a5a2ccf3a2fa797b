// Qt keys as the virtual-key codes the console reads.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "platform/qt/key_map.h"

using qthost::VirtualKey;

namespace {

win::UINT Code(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, scanCode, 0, 0);
    return VirtualKey(event);
}

TEST(KeyMap, LettersDigitsAndSpaceAreTheirOwnCodes) {
    EXPECT_EQ(Code(Qt::Key_A), 0x41u);
    EXPECT_EQ(Code(Qt::Key_Z), 0x5Au);
    EXPECT_EQ(Code(Qt::Key_0), 0x30u);
    EXPECT_EQ(Code(Qt::Key_9), 0x39u);
    EXPECT_EQ(Code(Qt::Key_Space), 0x20u);
    // Shift and Ctrl do not change a letter's code.
    EXPECT_EQ(Code(Qt::Key_M, Qt::ShiftModifier | Qt::ControlModifier), 0x4Du);
}

TEST(KeyMap, KeypadDigitsAreNumpadCodes) {
    EXPECT_EQ(Code(Qt::Key_0, Qt::KeypadModifier), 0x60u);
    EXPECT_EQ(Code(Qt::Key_3, Qt::KeypadModifier), 0x63u);
    EXPECT_EQ(Code(Qt::Key_9, Qt::KeypadModifier), 0x69u);
    EXPECT_EQ(Code(Qt::Key_Plus, Qt::KeypadModifier), 0x6Bu);
    EXPECT_EQ(Code(Qt::Key_Enter, Qt::KeypadModifier), 0x0Du);
}

TEST(KeyMap, TopRowKeysAreDigitsByPositionOnEveryLayout) {
    // Shift+1 arrives as '!' with the digit row's X keycode (10..19 = 1..9, 0).
    EXPECT_EQ(Code(Qt::Key_Exclam, Qt::ShiftModifier, 10), 0x31u);
    EXPECT_EQ(Code(Qt::Key_NumberSign, Qt::ShiftModifier, 12), 0x33u);
    EXPECT_EQ(Code(Qt::Key_ParenRight, Qt::ShiftModifier, 19), 0x30u);
    // AZERTY's unshifted row: & é ... à.
    EXPECT_EQ(Code(Qt::Key_Ampersand, Qt::NoModifier, 10), 0x31u);
    EXPECT_EQ(Code(Qt::Key_Eacute, Qt::NoModifier, 11), 0x32u);
    EXPECT_EQ(Code(Qt::Key_Agrave, Qt::NoModifier, 19), 0x30u);
    // '!' elsewhere (AZERTY's key beside the right Shift) is no digit.
    EXPECT_EQ(Code(Qt::Key_Exclam, Qt::NoModifier, 61), 0u);
}

TEST(KeyMap, LettersByLabelOrByPlaceForOtherScripts) {
    // QWERTZ's Z is where US Y is; AZERTY's A where US Q is: the label counts.
    EXPECT_EQ(Code(Qt::Key_Z, Qt::NoModifier, 29), 0x5Au);
    EXPECT_EQ(Code(Qt::Key_A, Qt::NoModifier, 24), 0x41u);
    // A Cyrillic letter on US Z's key is Z; a Latin letter beyond A..Z is none.
    const QKeyEvent ya(QEvent::KeyPress, 0x6D1, Qt::NoModifier, 52, 0x6D1, 0, QString::fromUtf8("\xD1\x8F"));
    EXPECT_EQ(VirtualKey(ya), 0x5Au);
    const QKeyEvent oe(QEvent::KeyPress, Qt::Key_Odiaeresis, Qt::NoModifier, 47, 0xF6, 0, QString::fromUtf8("\xC3\xB6"));
    EXPECT_EQ(VirtualKey(oe), 0u);
}

TEST(KeyMap, OtherKeysHaveTheirUsualCodesOrNone) {
    EXPECT_EQ(Code(Qt::Key_Escape), 0x1Bu);
    EXPECT_EQ(Code(Qt::Key_Return), 0x0Du);
    EXPECT_EQ(Code(Qt::Key_Left), 0x25u);
    EXPECT_EQ(Code(Qt::Key_F1), 0x70u);
    EXPECT_EQ(Code(Qt::Key_F12), 0x7Bu);
    EXPECT_EQ(Code(Qt::Key_Comma), 0xBCu);
    EXPECT_EQ(Code(Qt::Key_Less, Qt::ShiftModifier), 0xBCu);
    EXPECT_EQ(Code(Qt::Key_Alt, Qt::AltModifier), 0x12u);
    EXPECT_EQ(Code(Qt::Key_VolumeUp), 0u);
    EXPECT_EQ(Code(Qt::Key_Adiaeresis), 0u);
}

}  // namespace
