#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "audio/system_priority.h"
#include "audio/thread_priority.h"

namespace audio {

long CurrentThreadId() { return static_cast<long>(syscall(SYS_gettid)); }

namespace system {

bool SetRealtime(long tid, int level)
{
    sched_param param{};
    param.sched_priority = level;
    // Children of a real-time thread start at normal priority.
    return sched_setscheduler(static_cast<pid_t>(tid), SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0;
}

bool SetRaised(long tid, int level) { return setpriority(PRIO_PROCESS, static_cast<id_t>(tid), level) == 0; }

const char* const kRealtimeName = "SCHED_FIFO";
const char* const kRaisedName = "nice";

}  // namespace system
}  // namespace audio
