// Windows has no real-time class a user may not enter, so the real-time step
// is the highest priorities of a normal process: time-critical for the pads,
// highest for the disc, which stays below them as on Linux. The raised step
// is above normal for both.
#include <windows.h>

#include "audio/system_priority.h"
#include "audio/thread_priority.h"

namespace audio {

long CurrentThreadId() { return static_cast<long>(GetCurrentThreadId()); }

namespace system {
namespace {

constexpr int kPadsRealtimeLevel = 20;  // as thread_priority.cpp asks for the pads

bool SetThread(long tid, int priority)
{
    HANDLE thread = OpenThread(THREAD_SET_INFORMATION, FALSE, static_cast<DWORD>(tid));
    if (!thread) return false;
    const bool set = SetThreadPriority(thread, priority) != 0;
    CloseHandle(thread);
    return set;
}

}  // namespace

bool SetRealtime(long tid, int level)
{
    return SetThread(tid, level >= kPadsRealtimeLevel ? THREAD_PRIORITY_TIME_CRITICAL : THREAD_PRIORITY_HIGHEST);
}

bool SetRaised(long tid, int) { return SetThread(tid, THREAD_PRIORITY_ABOVE_NORMAL); }

const char* const kRealtimeName = "time-critical";
const char* const kRaisedName = "above-normal";

}  // namespace system
}  // namespace audio
