#include "audio/thread_priority.h"

#include <atomic>
#include <cstdio>

#include "audio/system_priority.h"

namespace audio {
namespace {

// Low among real-time priorities, as RealtimeKit grants by default, yet above
// every thread at normal priority.
constexpr int kPadsRealtime = 20;
constexpr int kPadsNice = -10;

int Level(Priority priority, ThreadRole role)
{
    const int below = role == ThreadRole::Disc ? 1 : 0;
    switch (priority) {
    case Priority::Fifo:
    case Priority::RealtimeKit:
        return kPadsRealtime - below;
    case Priority::Nice:
        return kPadsNice + below;
    case Priority::Normal:
        break;
    }
    return 0;
}

std::atomic<RaiseStep> g_fifo{system::SetRealtime};
std::atomic<RaiseStep> g_nice{system::SetRaised};
std::atomic<RaiseStep> g_realtimeKit{nullptr};
std::atomic<RaiseStep> g_installedKit{nullptr};
std::atomic<Priority> g_obtained[2] = {Priority::Normal, Priority::Normal};
std::atomic<bool> g_toldNormal{false};

bool Try(RaiseStep step, long tid, Priority priority, ThreadRole role)
{
    return step && step(tid, Level(priority, role));
}

}  // namespace

Priority RaiseThread(long tid, ThreadRole role)
{
    Priority got = Priority::Normal;
    if (Try(g_fifo.load(), tid, Priority::Fifo, role)) got = Priority::Fifo;
    else if (Try(g_realtimeKit.load(), tid, Priority::RealtimeKit, role)) got = Priority::RealtimeKit;
    else if (Try(g_nice.load(), tid, Priority::Nice, role)) got = Priority::Nice;
    g_obtained[static_cast<int>(role)].store(got);
    if (got == Priority::Normal && !g_toldNormal.exchange(true))
        std::fputs("tornel: sound threads run at normal priority (no real-time or raised priority was granted)\n",
                   stderr);
    return got;
}

Priority ObtainedPriority(ThreadRole role) { return g_obtained[static_cast<int>(role)].load(); }

std::string Describe(Priority priority, ThreadRole role)
{
    const std::string level = std::to_string(Level(priority, role));
    switch (priority) {
    case Priority::Fifo:
        return system::kRealtimeName + (" " + level);
    case Priority::RealtimeKit:
        return "RealtimeKit " + level;
    case Priority::Nice:
        return system::kRaisedName + (" " + level);
    case Priority::Normal:
        break;
    }
    return "normal";
}

void SetRealtimeKit(RaiseStep step)
{
    g_installedKit.store(step);
    g_realtimeKit.store(step);
}

PrioritySteps SystemPrioritySteps() { return {system::SetRealtime, g_installedKit.load(), system::SetRaised}; }

void SetPriorityStepsForTests(const PrioritySteps& steps)
{
    g_fifo.store(steps.fifo);
    g_realtimeKit.store(steps.realtimeKit);
    g_nice.store(steps.nice);
    g_toldNormal.store(false);
}

}  // namespace audio
