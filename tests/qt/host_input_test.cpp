// What the window procedure hears from Qt's pointer and key events: a
// window of its own class records every input message.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <vector>

#include "qt/qt_console.h"

using namespace win;

namespace {

struct Heard {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Heard&) const = default;
};

std::vector<Heard> g_heard;

LRESULT RecordInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if ((msg >= WM_KEYDOWN && msg <= WM_SYSKEYUP) || (msg >= WM_MOUSEMOVE && msg <= WM_RBUTTONUP) || msg == WM_COMMAND)
        g_heard.push_back({msg, wParam, lParam});
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

constexpr LPARAM kFirstPress = 0x00000001;
constexpr LPARAM kRepeat = 0x40000001;
constexpr LPARAM kRelease = static_cast<LPARAM>(0xC0000001u);
constexpr WPARAM kLeftHeld = 0x0001;

class HostInput : public QtHostTest {
protected:
    HostInput() {
        g_heard.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordInput;
        wc.lpszClassName = "InputRecorder";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, "InputRecorder", "Recorder", WS_CAPTION, 0, 0, kWindowWidth, kWindowHeight,
                                  nullptr, nullptr, nullptr, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        Pump();
    }

    std::vector<Heard> Take() {
        Pump();
        return std::exchange(g_heard, {});
    }

    void SendMouse(QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, Panel()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(Panel(), &event);
    }

    void SendKey(QEvent::Type type, int key, bool autoRepeat, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(Panel(), &event);
    }

    HWND window_ = nullptr;
};

TEST_F(HostInput, PointerMessagesCarryClientCoordinatesAndButtonState) {
    QTest::mousePress(Panel(), Qt::LeftButton, {}, QPoint(110, 42));
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, QPoint(110, 42));
    QTest::mousePress(Panel(), Qt::RightButton, {}, QPoint(633, 436));
    EXPECT_EQ(Take(), (std::vector<Heard>{{WM_LBUTTONDOWN, kLeftHeld, MAKELPARAM(110, 42)},
                                          {WM_LBUTTONUP, 0, MAKELPARAM(110, 42)},
                                          {WM_RBUTTONDOWN, 0x0002, MAKELPARAM(633, 436)}}));
}

TEST_F(HostInput, MovesArriveWithoutAButtonAndOnlyInsideTheClientArea) {
    SendMouse(QEvent::MouseMove, Qt::NoButton, QPoint(5, 6), Qt::NoButton);
    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(400, 300), Qt::LeftButton);
    // Dragged out of the window: no capture, so neither the move nor the
    // release outside is heard.
    SendMouse(QEvent::MouseMove, Qt::NoButton, QPoint(-3, 300), Qt::LeftButton);
    SendMouse(QEvent::MouseMove, Qt::NoButton, QPoint(400, kClientHeight), Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(kClientWidth + 10, 300), Qt::NoButton);
    EXPECT_EQ(Take(), (std::vector<Heard>{{WM_MOUSEMOVE, 0, MAKELPARAM(5, 6)},
                                          {WM_LBUTTONDOWN, kLeftHeld, MAKELPARAM(400, 300)}}));
}

TEST_F(HostInput, ADoubleClickIsTwoPlainPresses) {
    // What Qt's window delivers for a double click: the second press comes
    // as the double-click event alone.
    const QPoint at(86, 42);
    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, at, Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, at, Qt::NoButton);
    SendMouse(QEvent::MouseButtonDblClick, Qt::LeftButton, at, Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, at, Qt::NoButton);
    const LPARAM xy = MAKELPARAM(86, 42);
    EXPECT_EQ(Take(), (std::vector<Heard>{{WM_LBUTTONDOWN, kLeftHeld, xy},
                                          {WM_LBUTTONUP, 0, xy},
                                          {WM_LBUTTONDOWN, kLeftHeld, xy},
                                          {WM_LBUTTONUP, 0, xy}}));
}

TEST_F(HostInput, AHeldKeyRepeatsItsKeyDownAndIsReleasedOnce) {
    SendKey(QEvent::KeyPress, Qt::Key_Q, false);
    // X11 auto-repeat: release+press pairs, both flagged as auto-repeats.
    for (int i = 0; i < 3; ++i) {
        SendKey(QEvent::KeyRelease, Qt::Key_Q, true);
        SendKey(QEvent::KeyPress, Qt::Key_Q, true);
    }
    SendKey(QEvent::KeyRelease, Qt::Key_Q, false);
    EXPECT_EQ(Take(), (std::vector<Heard>{{WM_KEYDOWN, 'Q', kFirstPress},
                                          {WM_KEYDOWN, 'Q', kRepeat},
                                          {WM_KEYDOWN, 'Q', kRepeat},
                                          {WM_KEYDOWN, 'Q', kRepeat},
                                          {WM_KEYUP, 'Q', kRelease}}));
}

TEST_F(HostInput, APressOfAKeyAlreadyDownIsARepeatEvenWithoutQtsFlag) {
    SendKey(QEvent::KeyPress, Qt::Key_Z, false);
    SendKey(QEvent::KeyPress, Qt::Key_Z, false);
    SendKey(QEvent::KeyRelease, Qt::Key_Z, false);
    SendKey(QEvent::KeyPress, Qt::Key_Z, false);
    EXPECT_EQ(Take(), (std::vector<Heard>{{WM_KEYDOWN, 'Z', kFirstPress},
                                          {WM_KEYDOWN, 'Z', kRepeat},
                                          {WM_KEYUP, 'Z', kRelease},
                                          {WM_KEYDOWN, 'Z', kFirstPress}}));
}

TEST_F(HostInput, AltMakesSystemKeysShiftAndCtrlChangeNothing) {
    SendKey(QEvent::KeyPress, Qt::Key_Z, false, Qt::AltModifier);
    SendKey(QEvent::KeyRelease, Qt::Key_Z, false, Qt::AltModifier);
    SendKey(QEvent::KeyPress, Qt::Key_X, false, Qt::ShiftModifier);
    SendKey(QEvent::KeyPress, Qt::Key_C, false, Qt::ControlModifier);
    constexpr LPARAM kContext = 1 << 29;
    EXPECT_EQ(Take(), (std::vector<Heard>{{WM_SYSKEYDOWN, 'Z', kFirstPress | kContext},
                                          {WM_SYSKEYUP, 'Z', kRelease | kContext},
                                          {WM_KEYDOWN, 'X', kFirstPress},
                                          {WM_KEYDOWN, 'C', kFirstPress}}));
}

TEST_F(HostInput, KeysWithoutACodeAreNotDelivered) {
    SendKey(QEvent::KeyPress, Qt::Key_VolumeUp, false);
    SendKey(QEvent::KeyRelease, Qt::Key_VolumeUp, false);
    EXPECT_TRUE(Take().empty());
}

TEST_F(HostInput, TabIsAKeyNotAFocusMove) {
    QTest::keyClick(Panel(), Qt::Key_Tab);
    EXPECT_EQ(Take(), (std::vector<Heard>{{WM_KEYDOWN, 0x09, kFirstPress}, {WM_KEYUP, 0x09, kRelease}}));
    EXPECT_EQ(TopWindow()->focusWidget(), Panel());
}

TEST_F(HostInput, AKeyReleasedWhileThePanelHadNoFocusDoesNotRepeatLater) {
    SendKey(QEvent::KeyPress, Qt::Key_Z, false);
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(Panel(), &out);
    SendKey(QEvent::KeyPress, Qt::Key_Z, false);
    EXPECT_EQ(Take(), (std::vector<Heard>{{WM_KEYDOWN, 'Z', kFirstPress}, {WM_KEYDOWN, 'Z', kFirstPress}}));
}

TEST_F(HostInput, TheCloseBoxAsksTheWindowProcedure) {
    EXPECT_FALSE(TopWindow()->close());  // the window stays until it is destroyed
    EXPECT_TRUE(TopWindow()->isVisible());
    Pump();  // WM_CLOSE reaches DefWindowProc, which destroys the window
    EXPECT_FALSE(TopWindow() && TopWindow()->isVisible());
}

}  // namespace
