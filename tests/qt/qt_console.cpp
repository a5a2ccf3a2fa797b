#include "qt/qt_console.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "platform/core/core_control.h"
#include "platform/devices.h"
#include "platform/host.h"
#include "shell/console_state.h"
#include "shell/main_window.h"

namespace {

// Runs a script on the next modal window to be shown.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> script) : QObject(qApp), script_(std::move(script)) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->isModal() && script_) {
            qApp->removeEventFilter(this);
            // After open() has returned: the dialog is complete and focused.
            QTimer::singleShot(0, this, [this, widget] {
                script_(widget);
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void(QWidget*)> script_;
};

}  // namespace

QtHostTest::QtHostTest() { win::core::ResetCore(); }

QWidget* TopWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->findChild<QWidget*>("panel")) return w;
    }
    return nullptr;
}

QWidget* Panel() {
    QWidget* top = TopWindow();
    return top ? top->findChild<QWidget*>("panel") : nullptr;
}

void Pump() { win::core::PumpMessages(); }

std::uint32_t ScreenPixel(int x, int y) {
    QWidget* panel = Panel();
    QWindow* window = TopWindow()->windowHandle();
    const QPoint at = panel->mapTo(TopWindow(), QPoint(x, y));
    const QImage shown = window->screen()->grabWindow(window->winId(), at.x(), at.y(), 1, 1).toImage();
    return shown.isNull() ? ~0u : shown.pixel(0, 0) & 0xFFFFFF;
}

void OnModal(std::function<void(QWidget*)> script) { new ModalWatcher(std::move(script)); }

QtConsole::QtConsole() {
    cd.HoldDisc(10, 200000);
    win::InstallCdAudioDevice(&cd);
    ConsoleStateReset();
    RegisterMainClass(win::GetModuleHandleA(nullptr));
    CreateMainWindow(win::GetModuleHandleA(nullptr), win::SW_SHOWNORMAL);
    Pump();
}

QtConsole::~QtConsole() {
    Korvex_OnDestroy(g_hWnd);
    Pump();
    win::InstallCdAudioDevice(nullptr);
}

win::HWND QtConsole::Window() const { return g_hWnd; }

std::uint32_t SurfacePixel(int x, int y) {
    return win::WindowSurface(win::MainWindow()).pixels[y * win::Surface::kWidth + x] & 0xFFFFFF;
}
