// Freeing a sample while the audio callback plays it: the free may not return
// before the callback has let go of the sample, and a callback that never
// answers must not keep the free waiting for ever.
#include "engine/engine_fixture.h"

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// An engine on the null output, whose callback runs on a clock thread of its
// own, with channels 1..7 open.
class ClockedEngine : public testing::Test {
protected:
    void SetUp() override {
        EngineConfig config = ConfigRecord();
        engine_ = EngineOpen(&config, 22050);
        ASSERT_NE(engine_, 0u);
        EngineOpenChannels(engine_, 8, 2);
        EngineActivate(engine_, 1);
        path_ = WriteWav("clocked.wav", Sine(1000, 0.5, 2205, 44100));
    }

    void TearDown() override {
        EngineHoldCallbacks(0);
        EngineCloseChannel(engine_, 0, 1);
        EngineClose(engine_);
        EngineStats stats{};
        EngineGetStats(&stats);
        EXPECT_EQ(stats.engines + stats.samples + stats.channels, 0u);
        EXPECT_EQ(stats.sampleBytes, 0u);
    }

    EngineHandle LoadAndLoopOnSevenChannels() {
        const EngineHandle sample = EngineLoadSample(engine_, path_.c_str(), 0, 0);
        for (uint32_t channel = 1; channel <= 7; ++channel) {
            const PlayRequest request = PlayRecord(engine_, channel, sample, 65535);
            EnginePlay(&request);
        }
        return sample;
    }

    EngineHandle engine_ = 0;
    std::string path_;
};

} // namespace

TEST_F(ClockedEngine, FreeReturnsOnlyAfterTheCallbackHasTakenTheRequest) {
    const EngineHandle sample = LoadAndLoopOnSevenChannels();
    ASSERT_EQ(EngineHoldCallbacks(1), 1);
    std::atomic<bool> returned{false};
    std::thread freeing([&] {
        EngineFreeSample(engine_, sample);
        returned = true;
    });
    // Either the free waits for the held callback, or it has already returned.
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!returned && EngineCallsWaiting() == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    EXPECT_FALSE(returned) << "the sample was freed while the callback could still play it";
    EngineHoldCallbacks(0);
    freeing.join();
    EXPECT_EQ(EngineSampleLoaded(engine_, sample), 0);
}

TEST_F(ClockedEngine, CallbackThatNeverAnswersKeepsTheSampleUntilItDoes) {
    const EngineHandle sample = LoadAndLoopOnSevenChannels();
    EngineStats loaded{};
    EngineGetStats(&loaded);
    ASSERT_EQ(EngineHoldCallbacks(1), 1);
    const auto start = Clock::now();
    EngineFreeSample(engine_, sample);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(EngineSampleLoaded(engine_, sample), 0);
    EngineStats held{};
    EngineGetStats(&held);
    EXPECT_EQ(held.samples, 0u);
    EXPECT_EQ(held.sampleBytes, loaded.sampleBytes); // still readable by the held callback
    EngineHoldCallbacks(0);
    // The next free that the callback answers lets the old one go too.
    EngineFreeSample(engine_, LoadAndLoopOnSevenChannels());
    EngineStats after{};
    EngineGetStats(&after);
    EXPECT_EQ(after.sampleBytes, 0u);
}

// Under AddressSanitizer a free that does not wait shows as a read of freed
// memory within a few rounds. Each round lets a callback go from the start
// of the block that takes the plays, and frees after a random number of
// yields, somewhere in that block or a later one.
TEST_F(ClockedEngine, ManyFreesWhileSevenChannelsLoop) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 2000; ++round) {
        const EngineHandle sample = LoadAndLoopOnSevenChannels();
        ASSERT_EQ(EngineHoldCallbacks(1), 1) << "round " << round;
        EngineHoldCallbacks(0);
        for (auto yields = random() % 256; yields > 0; --yields)
            std::this_thread::yield();
        EngineFreeSample(engine_, sample);
    }
}
