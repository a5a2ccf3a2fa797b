// The core's state record, the host slot and the reset used between tests.
#include "platform/core/core_state.h"

#include <atomic>
#include <chrono>

#include "platform/core/core_control.h"
#include "platform/core/gdi_objects.h"
#include "platform/core/thread_posts.h"

namespace win {
namespace core {

namespace {

CoreState* g_state = new CoreState();  // never freed: outlives static destructors
// Atomic: threads that post messages wake the host through it.
std::atomic<Host*> g_host{nullptr};

// Stands in until a host is installed: real time, no waiting, every modal
// question cancelled.
class NullHost final : public Host {
public:
    DWORD TickCount() override {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        return static_cast<DWORD>(ms.count());
    }
    bool WaitForInput(DWORD) override { return false; }
    int MessageBox(HWND, const char*, const char*, UINT type) override {
        return (type & 0xF) == MB_OK ? IDOK : IDCANCEL;
    }
    bool ChooseFile(HWND, const FileChoice&, std::string&) override { return false; }
    void RunDialog(DialogState& dialog) override { dialog.Dismiss(); }
    bool OpenDocument(const char*) override { return false; }
};

}  // namespace

CoreState& State() { return *g_state; }

Host& CurrentHostOrNull() {
    static NullHost nullHost;
    Host* host = g_host.load();
    return host ? *host : nullHost;
}

Window* FindWindow(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (auto& w : g_state->windows)
        if (w.get() == hwnd) return w->alive ? w.get() : nullptr;
    return nullptr;
}

void ResetCore() {
    ResetGdi();
    *g_state = CoreState();
    SetDiskBudget(-1);
    SetLanguageOverride(nullptr);
    SetTimersRefused(false);
    ResetMultimedia();
}

}  // namespace core

void InstallHost(Host* host) {
    core::MarkGuiThread();
    core::g_host.store(host);
}
Host* CurrentHost() { return core::g_host.load(); }

HWND MainWindow() { return core::FindWindow(core::State().mainWindow); }

const Surface& WindowSurface(HWND hwnd) {
    static Surface blank{};
    Window* w = core::FindWindow(hwnd);
    if (!w) {
        for (auto& other : core::State().windows)
            if (other.get() == hwnd) w = other.get();  // a destroyed window keeps its last pixels
    }
    return w && w->surface ? *w->surface : blank;
}

}  // namespace win
