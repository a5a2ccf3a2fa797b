// The engine opens on its clocked null output at once and moves to the
// device when the opening worker has it; here a stand-in device that takes a
// second to open and is then driven through EngineRender.
#include "engine_fixture.h"

#include "audio/sound_card.h"

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int32_t kOpeningMs = 1000;
constexpr float kStep = 1.0f / 32768.0f;

class SlowDevice : public testing::Test {
protected:
    void SetUp() override {
        EngineSetOutputLevel(0xFFFFFFFFu);
        EngineSetDeviceStandIn(kOpeningMs);
    }
    void TearDown() override {
        EngineSetDeviceStandIn(-1);
        EngineCloseChannel(engine_, 0, 1);
        EngineClose(engine_);
        EngineStats stats{};
        EngineGetStats(&stats);
        EXPECT_EQ(stats.engines + stats.samples, 0u);
    }

    void OpenAndActivate() {
        EngineConfig config{10, 1, 1, 0};
        engine_ = EngineOpen(&config, 22050);
        ASSERT_NE(engine_, 0u);
        EngineOpenChannels(engine_, 8, 2);
        EngineActivate(engine_, 1);
    }

    EngineHandle engine_ = 0;
};

TEST_F(SlowDevice, APadPlayedWhileTheDeviceOpensSoundsOnFromWhereItStands) {
    OpenAndActivate();
    EngineStats stats{};
    EngineGetStats(&stats);
    EXPECT_EQ(stats.onDevice, 0u) << "the open waited for the device";

    // A ramp at a quarter of the mixing rate: after resampling (to 16-bit
    // frames) the output climbs a step every four frames, so the value heard
    // tells how far the pad has played and any restart or gap breaks the climb.
    Sound ramp = Ramp(30000);
    ramp.rate = 11025;
    const std::string path = WriteWav("arrival.wav", ramp);
    const EngineHandle sample = EngineLoadSample(engine_, path.c_str(), 0, 0);
    ASSERT_NE(sample, 0u);
    const PlayRequest play{24, engine_, 1, sample, 0, 5, 0};
    const auto played = Clock::now();
    EnginePlay(&play);

    std::vector<float> block(2 * 512);
    const auto deadline = played + 20s;
    while (EngineRender(engine_, block.data(), 512) == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    ASSERT_LT(Clock::now(), deadline) << "the device never arrived";
    const double waited = std::chrono::duration<double>(Clock::now() - played).count();
    EngineGetStats(&stats);
    EXPECT_EQ(stats.onDevice, 1u);

    // Played on the null output meanwhile: about `waited` seconds in.
    const double heardAt = block[0] / kStep * 4 / 44100;
    EXPECT_GT(heardAt, 0.5 * kOpeningMs / 1000.0);
    EXPECT_LT(heardAt, waited + 0.1);
    std::vector<float> next(2 * 512);
    EngineRender(engine_, next.data(), 512);
    block.insert(block.end(), next.begin(), next.end());
    for (size_t i = 2; i < block.size(); i += 2) {
        ASSERT_GE(block[i] - block[i - 2], -kStep / 8) << "frame " << i / 2;
        ASSERT_LE(block[i] - block[i - 2], kStep * 9 / 8) << "frame " << i / 2;
    }
    EXPECT_NEAR((block[block.size() - 2] - block[0]) / kStep, 1023 / 4.0, 2);
}

TEST_F(SlowDevice, ClosingWhileTheDeviceOpensEndsTheOpenerCleanly) {
    OpenAndActivate();
    EngineClose(engine_);
    engine_ = 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(kOpeningMs + 200)); // the opener would act now
}

TEST(HeldOpening, TheDeviceOpensOnlyOnceTheProgramLetsIt) {
    EngineSetDeviceStandIn(0);
    audio::HoldCardOpening();
    EngineConfig config{10, 1, 1, 0};
    const EngineHandle held = EngineOpen(&config, 22050);
    const EngineHandle closedWhileHeld = EngineOpen(&config, 22050);
    EngineClose(closedWhileHeld);
    EngineActivate(held, 1);
    std::this_thread::sleep_for(300ms);
    std::vector<float> block(2 * 64);
    EXPECT_EQ(EngineRender(held, block.data(), 64), 0u) << "opened while held";
    audio::ReleaseCardOpening();
    const auto deadline = Clock::now() + 10s;
    while (EngineRender(held, block.data(), 64) == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    EXPECT_LT(Clock::now(), deadline) << "never opened once released";
    EngineClose(held);
    EngineSetDeviceStandIn(-1);
}

TEST(EngineUnderruns, ALateTickOfTheNullOutputIsCounted) {
    EngineConfig config{10, 1, 1, 0};
    const EngineHandle engine = EngineOpen(&config, 22050);
    ASSERT_NE(engine, 0u);
    EngineActivate(engine, 1);
    EngineStats before{};
    EngineGetStats(&before);
    EngineDelayNextTick(engine);
    EngineStats after{};
    const auto deadline = Clock::now() + 5s;
    do {
        std::this_thread::sleep_for(10ms);
        EngineGetStats(&after);
    } while (after.underruns == before.underruns && Clock::now() < deadline);
    EXPECT_GT(after.underruns, before.underruns);
    EngineClose(engine);
}

} // namespace
