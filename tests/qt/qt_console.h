// The console on the Qt host, offscreen, for the host's own tests.
//
//   QtConsole fixture: a fresh core, the application and the Qt host, a
//   recording "cdaudio" device holding ten tracks, and the console started
//   (class, main window, first paint).
//   Press(110, 42); Release(110, 42); Pump();   // PLAY, through Qt events
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <functional>

#include "platform/qt/qt_host.h"
#include "platform/win.h"
#include "support/recording_cd.h"

class QWidget;
class QDialog;

// Qt's application and host, on a core reset to a fresh process' state.
class QtHostTest : public ::testing::Test {
protected:
    QtHostTest();

private:
    int argc_ = 1;
    char name_[8] = "test_qt";
    char* argv_[2] = {name_, nullptr};
    qthost::HostApplication app_{argc_, argv_};
};

class QtConsole : public QtHostTest {
protected:
    QtConsole();
    ~QtConsole() override;

    RecordingCd cd;
    win::HWND Window() const;
};

// The main window's top-level widget and its panel.
QWidget* TopWindow();
QWidget* Panel();
// Dispatches what the Qt events posted (no waiting).
void Pump();
// Pixel (x, y) of the panel as the screen shows it (the window's backing
// store), 0x00RRGGBB; ~0 before the window has reached the screen.
std::uint32_t ScreenPixel(int x, int y);
// Surface pixel (x, y) of the main window, 0x00RRGGBB.
std::uint32_t SurfacePixel(int x, int y);
// Runs `script` on the next modal window as soon as it is shown, from inside
// the nested loop that runs it.
void OnModal(std::function<void(QWidget*)> script);
