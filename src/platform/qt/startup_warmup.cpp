#include "platform/qt/startup_warmup.h"

#include <fontconfig/fontconfig.h>

#include <QDBusConnection>
#include <QFontDatabase>
#include <QStringList>

namespace qthost {

// FcInit sets the process's configuration atomically, every function of
// QFontDatabase is thread-safe, and the bus connections are shared by all
// threads, so the main thread may ask for any of them at any moment: it finds
// them ready, or waits on Qt's lock for this thread to finish.
StartupWarmup::StartupWarmup()
    : worker_([this, ready = application_.get_future()]() mutable {
          FcInit();
          fontConfiguration_.count_down();
          if (!ready.get()) return;
          QFontDatabase::families();
          QDBusConnection::sessionBus();
      }) {}

StartupWarmup::~StartupWarmup() {
    ApplicationReady(false);
    Wait();
}

void StartupWarmup::ApplicationReady(bool ready) {
    if (told_) return;
    told_ = true;
    application_.set_value(ready);
}

void StartupWarmup::WaitForFontConfiguration() { fontConfiguration_.wait(); }

void StartupWarmup::Wait() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace qthost
