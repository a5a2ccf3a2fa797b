// headless::Session: installs the headless host over a freshly reset core.
#include <cstdlib>

#include "platform/core/core_control.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_host.h"
#include "platform/menu_state.h"

namespace headless {
namespace {

HeadlessHost* g_host = nullptr;

HeadlessHost& Host() { return *g_host; }

void Post(UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    win::PostHostMessage(win::MainWindow(), msg, wParam, lParam);
    win::core::PumpMessages();
}

const win::MenuEntry* FindEntry(const std::vector<win::MenuEntry>& entries, UINT id) {
    for (const auto& e : entries) {
        if (!e.children.empty()) {
            if (const win::MenuEntry* found = FindEntry(e.children, id)) return found;
        } else if (e.id == static_cast<int>(id)) {
            return &e;
        }
    }
    return nullptr;
}

constexpr win::WPARAM kLeftButton = 0x0001;   // MK_LBUTTON
constexpr win::WPARAM kRightButton = 0x0002;  // MK_RBUTTON
constexpr win::LPARAM kKeyUpBits = win::LPARAM{1} << 30 | win::LPARAM{1} << 31;
bool g_leftDown = false;

}  // namespace

Session::Session() {
    if (g_host) std::abort();  // one session at a time
    g_host = new HeadlessHost();
    win::core::ResetCore();
    win::InstallHost(g_host);
    win::core::SetCallLog(&g_host->calls);
    const std::string english = "Japanese";
    win::core::SetLanguageOverride(&english);
    g_leftDown = false;
}

Session::~Session() {
    win::core::SetCallLog(nullptr);
    win::InstallHost(nullptr);
    win::core::ResetCore();
    delete g_host;
    g_host = nullptr;
}

void Session::CloseWhenIdle(bool on) { Host().closeWhenIdle = on; }
void Session::OnAdvance(std::function<void(DWORD)> listener) { Host().advanceListeners.push_back(std::move(listener)); }

void Session::MouseDown(int x, int y) {
    g_leftDown = true;
    Post(win::WM_LBUTTONDOWN, kLeftButton, win::MAKELPARAM(x, y));
}
void Session::MouseUp(int x, int y) {
    g_leftDown = false;
    Post(win::WM_LBUTTONUP, 0, win::MAKELPARAM(x, y));
}
void Session::MouseMove(int x, int y) { Post(win::WM_MOUSEMOVE, g_leftDown ? kLeftButton : 0, win::MAKELPARAM(x, y)); }
void Session::Click(int x, int y) {
    MouseDown(x, y);
    MouseUp(x, y);
}
void Session::RightDown(int x, int y) { Post(win::WM_RBUTTONDOWN, kRightButton, win::MAKELPARAM(x, y)); }
void Session::KeyDown(UINT vk, bool repeat) { Post(win::WM_KEYDOWN, vk, 1 | (repeat ? win::KF_REPEAT_LPARAM_BIT : 0)); }
void Session::KeyUp(UINT vk) { Post(win::WM_KEYUP, vk, 1 | kKeyUpBits); }
void Session::Command(int id) { Post(win::WM_COMMAND, win::MAKEWPARAM(id, 0), 0); }
void Session::Close() { Post(win::WM_CLOSE, 0, 0); }

DWORD Session::Now() const { return Host().now; }

// Steps from one timer tick to the next so that every tick lands on its own
// virtual time, then pumps what became due.
void Session::Advance(DWORD ms) {
    win::core::PumpMessages();
    DWORD remaining = ms;
    while (remaining > 0) {
        DWORD step = remaining;
        DWORD due = 0;
        if (win::core::NextTimerDue(&due)) {
            const auto untilDue = static_cast<std::int32_t>(due - Host().now);
            if (untilDue > 0 && static_cast<DWORD>(untilDue) < step) step = static_cast<DWORD>(untilDue);
        }
        Host().now += step;
        remaining -= step;
        for (const auto& listener : Host().advanceListeners) listener(step);
        win::core::PumpMessages();
    }
}

void Session::Pump() { win::core::PumpMessages(); }
bool Session::QuitPosted() const { return win::core::QuitPending(); }
int Session::ExitCode() const { return win::core::QuitCode(); }

std::uint32_t Session::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= win::Surface::kWidth || y >= win::Surface::kHeight) return 0;
    return Screen().pixels[y * win::Surface::kWidth + x];
}

const win::Surface& Session::Screen() const { return win::WindowSurface(Host().mainWindow); }

std::string Session::WindowTitle() const { return Host().mainTitle; }

bool Session::MenuChecked(UINT id) const {
    if (!Host().mainMenu) return false;
    const win::MenuEntry* entry = FindEntry(Host().mainMenu->items, id);
    return entry && entry->checked;
}

const std::vector<std::string>& Session::Calls() const { return Host().calls; }
void Session::ClearCalls() { Host().calls.clear(); }
std::vector<std::string> Session::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& call : Host().calls)
        if (call.compare(0, prefix.size(), prefix) == 0) out.push_back(call);
    return out;
}

void Session::AnswerMessageBox(int buttonId) { Host().messageBoxAnswers.push_back(buttonId); }
void Session::AnswerFileDialog(const std::string& path) { Host().fileAnswers.push_back(path); }
void Session::AnswerDialog(std::function<void(win::DialogState&)> script) {
    Host().dialogScripts.push_back(std::move(script));
}
const std::vector<std::string>& Session::MessageBoxes() const { return Host().messageBoxes; }
const std::vector<std::string>& Session::OpenedDocuments() const { return Host().openedDocuments; }
const std::vector<win::FileChoice>& Session::FileDialogs() const { return Host().fileChoices; }

void Session::RefuseTimers(bool refuse) { win::core::SetTimersRefused(refuse); }
bool Session::TimerRunning(HWND hwnd, UINT id) const { return win::core::TimerRunning(hwnd, id); }
void Session::LimitDiskSpace(long bytes) { win::core::SetDiskBudget(bytes); }
void Session::SetLanguageName(const std::string& bytes) { win::core::SetLanguageOverride(&bytes); }

GdiCounts LiveGdiObjects() {
    const win::core::GdiTally t = win::core::LiveGdiTally();
    return GdiCounts{t.pens, t.brushes, t.fonts, t.bitmaps, t.memoryDCs, t.windowDCs};
}

}  // namespace headless
