// The message queue and loop: posted messages first, then the quit, then
// paints, then timer ticks; the host is asked to wait only when none is due.
#include "platform/core/call_log.h"
#include "platform/core/core_control.h"
#include "platform/core/core_state.h"
#include "platform/core/thread_posts.h"

namespace win {
namespace core {

namespace {

bool InRange(UINT msg, UINT filterMin, UINT filterMax) {
    return (filterMin == 0 && filterMax == 0) || (msg >= filterMin && msg <= filterMax);
}

MSG Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return MSG{hwnd, message, wParam, lParam, CurrentHostOrNull().TickCount(), {0, 0}};
}

bool TakePaint(MSG* msg) {
    for (auto& w : State().windows) {
        if (w->alive && HasUpdate(*w)) {
            *msg = Make(w.get(), WM_PAINT, 0, 0);
            return true;
        }
    }
    return false;
}

// A play with notify ends unseen by the loop; it looks this often.
constexpr DWORD kNoticePollMs = 20;

// The tick to wake at when nothing is due: the next timer, or far away.
DWORD WakeDeadline() {
    const DWORD now = CurrentHostOrNull().TickCount();
    DWORD due = now + 0x7FFFFFFFu;
    DWORD timer = 0;
    if (NextTimerDue(&timer)) due = timer;
    if (CdAwaitsNotice() && static_cast<std::int32_t>(due - (now + kNoticePollMs)) > 0) due = now + kNoticePollMs;
    return due;
}

// Blocks until a message is ready. False when the host has no more input
// to give: the loop then ends as if quit with code 0.
bool WaitMessage(MSG* msg, bool remove) {
    while (!NextMessage(msg, remove, false)) {
        if (!CurrentHostOrNull().WaitForInput(WakeDeadline())) return false;
    }
    return true;
}

}  // namespace

bool NextMessage(MSG* msg, bool remove, bool stopAtQuit) {
    TakeThreadPosts();
    PostCdNotices();
    CoreState& s = State();
    if (!s.posted.empty()) {
        *msg = s.posted.front();
        if (remove) s.posted.pop_front();
        return true;
    }
    if (s.quitPosted) {
        if (stopAtQuit) return false;
        *msg = Make(nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0);
        if (remove) s.quitPosted = false;
        return true;
    }
    if (TakePaint(msg)) return true;
    return TakeDueTimer(msg, remove);
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FindWindow(hwnd);
    if (!w) return 0;
    if (w->dialog) {
        DLGPROC proc = w->dialog->proc;
        return proc ? proc(hwnd, msg, wParam, lParam) : 0;
    }
    return w->proc ? w->proc(hwnd, msg, wParam, lParam) : 0;
}

LRESULT Dispatch(const MSG& msg) {
    if (msg.message == WM_TIMER && msg.lParam != 0) {
        auto proc = reinterpret_cast<TIMERPROC>(msg.lParam);
        proc(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
        return 0;
    }
    return Send(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

int PumpMessages() {
    int count = 0;
    MSG msg;
    while (NextMessage(&msg, true, true)) {
        Dispatch(msg);
        ++count;
    }
    return count;
}

bool QuitPending() { return State().quitPosted; }
int QuitCode() { return State().quitCode; }

}  // namespace core

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    core::LogCall("GetMessageA");
    if (!msg) return -1;
    for (;;) {
        if (!core::WaitMessage(msg, true)) {
            *msg = MSG{nullptr, WM_QUIT, 0, 0, core::CurrentHostOrNull().TickCount(), {0, 0}};
            return FALSE;
        }
        if (msg->message == WM_QUIT) return FALSE;
        if ((!hwnd || msg->hwnd == hwnd) && core::InRange(msg->message, filterMin, filterMax)) return TRUE;
        core::Dispatch(*msg);  // filtered out: delivered anyway rather than lost
    }
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
    core::LogCall("PeekMessageA", remove);
    MSG next;
    if (!msg || !core::NextMessage(&next, false, false)) return FALSE;
    if (hwnd && next.hwnd != hwnd) return FALSE;
    if (!core::InRange(next.message, filterMin, filterMax)) return FALSE;
    if (remove & PM_REMOVE) core::NextMessage(&next, true, false);
    *msg = next;
    return TRUE;
}

BOOL TranslateMessage(const MSG*) {
    core::LogCall("TranslateMessage");
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg) return 0;
    core::LogCall("DispatchMessageA", msg->message, msg->wParam, msg->lParam);
    return core::Dispatch(*msg);
}

// From another thread, as on Windows: the message waits in a queue of its
// own, and the host is woken to take it.
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!core::OnGuiThread()) {
        if (!core::PostFromThread(hwnd, msg, wParam, lParam)) return FALSE;
        if (Host* host = CurrentHost()) host->Wake();
        return TRUE;
    }
    core::LogCall("PostMessageA", msg, wParam, lParam);
    if (hwnd && !core::FindWindow(hwnd)) return FALSE;
    core::State().posted.push_back(core::Make(hwnd, msg, wParam, lParam));
    return TRUE;
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    core::LogCall("SendMessageA", msg, wParam, lParam);
    return core::Send(hwnd, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    core::LogCall("PostQuitMessage", exitCode);
    core::State().quitPosted = true;
    core::State().quitCode = exitCode;
}

void PostHostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!core::FindWindow(hwnd)) return;
    core::State().posted.push_back(core::Make(hwnd, msg, wParam, lParam));
}

void RunNestedLoop(const std::function<bool()>& done) {
    MSG msg;
    while (!done()) {
        // A modal box's button ends the loop from inside the host's wait, with
        // no message to follow: done() is asked again after every wait.
        if (!core::NextMessage(&msg, false, false)) {
            if (!core::CurrentHostOrNull().WaitForInput(core::WakeDeadline())) return;
            continue;
        }
        if (msg.message == WM_QUIT) return;  // left pending for the outer loop
        core::NextMessage(&msg, true, false);
        core::Dispatch(msg);
    }
}

}  // namespace win
