#include "platform/qt/startup_warmup.h"

#include <fontconfig/fontconfig.h>

#include <QBuffer>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QImageReader>
#include <QStringList>

namespace qthost {

namespace {

// The menu bar's overflow arrow is the first image Qt reads, and reading it
// asks every image plugin whether it knows the file: each a library to load.
// Asking them about nothing loads them all.
void LoadImagePlugins() {
    QBuffer nothing;
    QImageReader(&nothing).canRead();
}

}  // namespace

// FcInit sets the process's configuration atomically, every function of
// QFontDatabase is thread-safe, and Qt's plugin loader and bus connections
// are shared by all threads behind locks, so the main thread may ask for any
// of them at any moment: it finds them ready, or waits for these threads.
StartupWarmup::StartupWarmup()
    : fonts_([this, ready = application_.get_future()]() mutable {
          FcInit();
          fontConfiguration_.count_down();
          if (!ready.get()) return;
          QFontDatabase::families();
          LoadImagePlugins();
      }) {}

StartupWarmup::~StartupWarmup() {
    ApplicationReady(false);
    Wait();
}

// The bus has a thread of its own: connecting takes round trips to the bus
// daemon, which neither the fonts nor the window need wait for.
void StartupWarmup::ApplicationReady(bool ready) {
    if (told_) return;
    told_ = true;
    if (ready) bus_ = std::thread([] { QDBusConnection::sessionBus(); });
    application_.set_value(ready);
}

void StartupWarmup::WaitForFontConfiguration() { fontConfiguration_.wait(); }

void StartupWarmup::Wait() {
    if (fonts_.joinable()) fonts_.join();
    if (bus_.joinable()) bus_.join();
}

}  // namespace qthost
