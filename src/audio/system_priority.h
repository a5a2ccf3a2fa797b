// The system's own ways of raising a thread of this process, which need no
// helper service: the real-time step and the raised step of RaiseThread, with
// the names reports give them. One file a system: system_priority_posix.cpp,
// system_priority_win32.cpp.
#pragma once

namespace audio::system {

// `level` as RaiseThread asks for it: a SCHED_FIFO priority (pads 20, disc
// 19) for the real-time step, a nice value (pads -10, disc -9) for the other.
bool SetRealtime(long tid, int level);
bool SetRaised(long tid, int level);

extern const char* const kRealtimeName;
extern const char* const kRaisedName;

}  // namespace audio::system
