// The sound threads' priority request falls back step by step as the system
// refuses: SCHED_FIFO, RealtimeKit, a raised nice level, normal priority.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/thread_priority.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace audio {
namespace {

struct Asked {
    std::string step;
    long tid;
    int level;
};
std::vector<Asked> g_asked;

template <bool Grant>
bool Fifo(long tid, int level)
{
    g_asked.push_back({"fifo", tid, level});
    return Grant;
}
template <bool Grant>
bool Kit(long tid, int level)
{
    g_asked.push_back({"rtkit", tid, level});
    return Grant;
}
template <bool Grant>
bool Nice(long tid, int level)
{
    g_asked.push_back({"nice", tid, level});
    return Grant;
}

class ThreadPriority : public testing::Test {
protected:
    void SetUp() override { g_asked.clear(); }
    void TearDown() override { SetPriorityStepsForTests(SystemPrioritySteps()); }

    static std::vector<std::string> Steps()
    {
        std::vector<std::string> steps;
        for (const Asked& asked : g_asked) steps.push_back(asked.step);
        return steps;
    }
};

TEST_F(ThreadPriority, KeepsTheFirstStepGrantedInOrder)
{
    SetPriorityStepsForTests({Fifo<true>, Kit<true>, Nice<true>});
    EXPECT_EQ(RaiseThread(42, ThreadRole::Pads), Priority::Fifo);
    EXPECT_EQ(Steps(), (std::vector<std::string>{"fifo"}));
    EXPECT_EQ(g_asked[0].tid, 42);

    g_asked.clear();
    SetPriorityStepsForTests({Fifo<false>, Kit<true>, Nice<true>});
    EXPECT_EQ(RaiseThread(42, ThreadRole::Pads), Priority::RealtimeKit);
    EXPECT_EQ(Steps(), (std::vector<std::string>{"fifo", "rtkit"}));
    EXPECT_EQ(ObtainedPriority(ThreadRole::Pads), Priority::RealtimeKit);

    g_asked.clear();
    SetPriorityStepsForTests({Fifo<false>, Kit<false>, Nice<true>});
    EXPECT_EQ(RaiseThread(42, ThreadRole::Pads), Priority::Nice);
    EXPECT_EQ(Steps(), (std::vector<std::string>{"fifo", "rtkit", "nice"}));

    g_asked.clear();
    SetPriorityStepsForTests({Fifo<false>, nullptr, Nice<true>});  // no RealtimeKit client
    EXPECT_EQ(RaiseThread(42, ThreadRole::Pads), Priority::Nice);
    EXPECT_EQ(Steps(), (std::vector<std::string>{"fifo", "nice"}));
}

TEST_F(ThreadPriority, TheDiscWorkerAsksForTheLevelJustBelowThePads)
{
    for (ThreadRole role : {ThreadRole::Pads, ThreadRole::Disc}) {
        SetPriorityStepsForTests({Fifo<false>, Kit<false>, Nice<false>});
        testing::internal::CaptureStderr();
        RaiseThread(7, role);
        testing::internal::GetCapturedStderr();
    }
    ASSERT_EQ(g_asked.size(), 6u);
    EXPECT_EQ(g_asked[3].level, g_asked[0].level - 1);  // real-time: lower is below
    EXPECT_EQ(g_asked[4].level, g_asked[1].level - 1);
    EXPECT_EQ(g_asked[5].level, g_asked[2].level + 1);  // nice: higher is below
    EXPECT_GT(g_asked[0].level, 0);
    EXPECT_LT(g_asked[2].level, 0);
}

TEST_F(ThreadPriority, SaysOnceWhenOnlyNormalPriorityWasHad)
{
    SetPriorityStepsForTests({Fifo<false>, Kit<false>, Nice<false>});
    testing::internal::CaptureStderr();
    EXPECT_EQ(RaiseThread(7, ThreadRole::Pads), Priority::Normal);
    EXPECT_EQ(RaiseThread(8, ThreadRole::Disc), Priority::Normal);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("normal priority"), std::string::npos);
    EXPECT_EQ(said.find("normal priority"), said.rfind("normal priority")) << said;
    EXPECT_EQ(Describe(Priority::Normal, ThreadRole::Pads), "normal");
}

#ifdef _WIN32
// A process may raise its own threads without a privilege: the system's own
// steps give the pads time-critical and the disc the level below it.
TEST_F(ThreadPriority, WindowsGrantsItsHighestThreadPriorities)
{
    EXPECT_EQ(RaiseThread(CurrentThreadId(), ThreadRole::Pads), Priority::Fifo);
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_TIME_CRITICAL);
    EXPECT_EQ(RaiseThread(CurrentThreadId(), ThreadRole::Disc), Priority::Fifo);
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_HIGHEST);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
}
#endif

}  // namespace
}  // namespace audio
