#include "platform/qt/qt_host.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

#include "platform/host.h"
#include "platform/qt/startup_warmup.h"
#include "platform/qt/host_window.h"
#include "platform/qt/modal_boxes.h"
#include "platform/qt/panel_widget.h"
#include "platform/qt/session_bus.h"
#include "platform/qt/template_dialog.h"

namespace qthost {

namespace {

// With no timer running the deadline is weeks away; a wait that long reaches
// the poll as "forever", so waits are cut short (an idle wake-up a minute).
constexpr std::int32_t kLongestWaitMs = 60000;

class QtHost final : public win::Host {
public:
    explicit QtHost(StartupWarmup& warmup)
        : warmup_(warmup), dispatcher_(QAbstractEventDispatcher::instance()) {
        wake_.setSingleShot(true);
    }

    win::DWORD TickCount() override {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        return static_cast<win::DWORD>(ms.count());
    }

    // Blocks in Qt's event dispatcher until any event arrives or the
    // deadline's single-shot timer fires.
    bool WaitForInput(win::DWORD deadline) override {
        const auto remaining = static_cast<std::int32_t>(deadline - TickCount());
        if (remaining > 0) {
            wake_.start(std::min(remaining, kLongestWaitMs));
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            wake_.stop();
        } else {
            QCoreApplication::processEvents();
        }
        return true;
    }

    // The dispatcher's wake-up is safe from any thread and does not block.
    void Wake() override {
        if (dispatcher_) dispatcher_->wakeUp();
    }

    void WindowCreated(win::HWND hwnd, const char* title) override {
        windows_[hwnd] = std::make_unique<HostWindow>(hwnd, title);
    }

    void WindowShown(win::HWND hwnd) override {
        warmup_.WaitForFontConfiguration();
        if (HostWindow* w = Find(hwnd)) {
            w->ShowWithContents();
            w->FocusPanel();
        }
    }

    void WindowTitleChanged(win::HWND hwnd, const char* title) override {
        if (HostWindow* w = Find(hwnd)) w->SetTitle(title);
    }

    void WindowDestroyed(win::HWND hwnd) override {
        if (HostWindow* w = Find(hwnd)) w->Destroyed();
    }

    void MenuAttached(win::HWND hwnd, win::HMENU menu) override {
        if (HostWindow* w = Find(hwnd)) w->AttachMenu(menu);
    }

    void DropsAccepted(win::HWND hwnd, bool accept) override {
        if (HostWindow* w = Find(hwnd)) w->Panel()->setAcceptDrops(accept);
    }

    void MenuCheckChanged(win::HMENU menu, win::UINT id, bool checked) override {
        for (auto& [hwnd, w] : windows_) w->SetChecked(menu, id, checked);
    }

    // The core draws immediately only into the main window.
    void Present(const win::RECT& dirty) override {
        if (HostWindow* w = Find(win::MainWindow())) w->Panel()->Present(dirty);
    }

    // Qt sends the change to the window system at once.
    void BusyCursor(bool busy) override {
        if (busy) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
    }

    int MessageBox(win::HWND owner, const char* text, const char* caption, win::UINT type) override {
        const int answer = ShowMessageBox(Owner(owner), text, caption, type);
        RefocusMain();
        return answer;
    }

    bool ChooseFile(win::HWND owner, const win::FileChoice& choice, std::string& path) override {
        const bool chosen = ChooseFileDialog(Owner(owner), choice, path);
        RefocusMain();
        return chosen;
    }

    void RunDialog(win::DialogState& state) override {
        if (state.ended) return;  // ended while it was being set up
        {
            TemplateDialog dialog(state, Owner(win::MainWindow()));
            dialog.Start();
            win::RunNestedLoop([&state] { return state.ended; });
        }
        RefocusMain();
    }

    bool OpenDocument(const char* path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path)));
    }

private:
    HostWindow* Find(win::HWND hwnd) const {
        auto it = windows_.find(hwnd);
        return it == windows_.end() ? nullptr : it->second.get();
    }

    // A modal box's parent: the modal box already open (a dialog's own
    // handle has no window here), the owner's window, else the main window.
    QWidget* Owner(win::HWND owner) const {
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        if (HostWindow* w = Find(owner)) return w;
        return Find(win::MainWindow());
    }

    // After a modal box the keys play the pads again at once.
    void RefocusMain() const {
        if (HostWindow* w = Find(win::MainWindow())) w->FocusPanel();
    }

    StartupWarmup& warmup_;
    QAbstractEventDispatcher* const dispatcher_;  // the GUI thread's
    QTimer wake_;
    std::map<win::HWND, std::unique_ptr<HostWindow>> windows_;
};

}  // namespace

struct HostApplication::Parts {
    struct SessionBusCheck {
        SessionBusCheck() { RefuseUnreachableSessionBus(); }
    } sessionBus;          // first: it may change the environment, which no thread reads yet
    StartupWarmup warmup;  // next, so that it overlaps the display connection
    int argc;                // QApplication keeps a reference
    QApplication app;
    QtHost host;

    Parts(int count, char** argv) : argc(count), app(argc, argv), host(warmup) { warmup.ApplicationReady(true); }
    ~Parts() { warmup.Wait(); }  // its thread may still be using the application
};

HostApplication::HostApplication(int argc, char** argv) : parts_(std::make_unique<Parts>(argc, argv)) {
    // The menu is drawn in the window, as on the real system. Said before any
    // menu bar exists, this also spares the start-up a session-bus query for
    // a global menu (without a session bus, an attempt to launch one).
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    win::InstallHost(&parts_->host);
}

HostApplication::~HostApplication() { win::InstallHost(nullptr); }

int Run(int argc, char** argv, const std::function<int()>& body) {
    HostApplication application(argc, argv);
    return body();
}

}  // namespace qthost
