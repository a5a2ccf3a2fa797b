// Window timers on the host's clock. A timer holds at most one pending tick:
// the next one is scheduled a period after the tick is taken, as on the real
// system, so a late loop sees one tick, not a burst.
#include <algorithm>

#include "platform/core/call_log.h"
#include "platform/core/core_control.h"
#include "platform/core/core_state.h"

namespace win {
namespace core {

namespace {

constexpr UINT kMinimumPeriod = 10;  // USER_TIMER_MINIMUM
bool g_timersRefused = false;

bool IsDue(const Timer& t, DWORD now) { return static_cast<std::int32_t>(now - t.due) >= 0; }

}  // namespace

void SetTimersRefused(bool refused) { g_timersRefused = refused; }

bool TakeDueTimer(MSG* msg, bool remove) {
    const DWORD now = CurrentHostOrNull().TickCount();
    Timer* first = nullptr;
    for (auto& t : State().timers)
        if (IsDue(t, now) && (!first || static_cast<std::int32_t>(t.due - first->due) < 0)) first = &t;
    if (!first) return false;
    *msg = MSG{first->hwnd, WM_TIMER, first->id, reinterpret_cast<LPARAM>(first->proc), now, {0, 0}};
    if (remove) first->due = now + first->period;
    return true;
}

bool NextTimerDue(DWORD* due) {
    const auto& timers = State().timers;
    if (timers.empty()) return false;
    DWORD best = timers.front().due;
    for (const auto& t : timers)
        if (static_cast<std::int32_t>(t.due - best) < 0) best = t.due;
    *due = best;
    return true;
}

bool TimerRunning(HWND hwnd, UINT_PTR id) {
    return std::ranges::any_of(State().timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

void DropTimersOf(HWND hwnd) {
    std::erase_if(State().timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

}  // namespace core

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT periodMs, TIMERPROC proc) {
    core::LogCall("SetTimer", id, periodMs);
    if (core::g_timersRefused) return 0;
    if (hwnd && !core::FindWindow(hwnd)) return 0;
    auto& s = core::State();
    if (!hwnd) id = s.nextTimerId++;
    const UINT period = std::max(periodMs, core::kMinimumPeriod);
    const DWORD due = core::CurrentHostOrNull().TickCount() + period;
    for (auto& t : s.timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t = core::Timer{hwnd, id, period, due, proc};
            return id;
        }
    }
    s.timers.push_back(core::Timer{hwnd, id, period, due, proc});
    return id ? id : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    core::LogCall("KillTimer", id);
    auto& timers = core::State().timers;
    const auto before = timers.size();
    std::erase_if(timers, [&](const core::Timer& t) { return t.hwnd == hwnd && t.id == id; });
    return timers.size() != before ? TRUE : FALSE;
}

DWORD GetTickCount() {
    core::LogCall("GetTickCount");
    return core::CurrentHostOrNull().TickCount();
}

}  // namespace win
