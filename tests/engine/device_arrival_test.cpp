// The engine opens on its output's silent clock at once and moves to a
// server when the output's keeper has one; here a stand-in server that takes
// a while to open, whose stream the test pulls as the server would.
#include "engine_fixture.h"

#include "audio/sound_card.h"
#include "counting_source.h"
#include "stand_in_servers.h"

#include <chrono>

namespace {

using namespace std::chrono_literals;
using audio_test::Eventually;
using audio_test::StandIns;
using Clock = std::chrono::steady_clock;

constexpr auto kOpening = 500ms;
constexpr float kStep = 1.0f / 32768.0f;

class SlowServer : public testing::Test {
protected:
    void SetUp() override { EngineSetOutputLevel(0xFFFFFFFFu); }
    void TearDown() override {
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

    StandIns servers_{{{"PulseAudio", false, 44100, kOpening}}};
    EngineHandle engine_ = 0;
};

TEST_F(SlowServer, APadPlayedWhileTheServerOpensSoundsOnFromWhereItStands) {
    OpenAndActivate();
    EngineStats stats{};
    EngineGetStats(&stats);
    EXPECT_EQ(stats.onDevice, 0u) << "the open waited for the server";

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
    ASSERT_TRUE(Eventually([&] { return servers_.Pull("Pads", block.data(), 512); })) << "the server never opened";
    const double waited = std::chrono::duration<double>(Clock::now() - played).count();
    EngineGetStats(&stats);
    EXPECT_EQ(stats.onDevice, 1u);
    EngineOutputInfo info{};
    ASSERT_EQ(EngineGetOutputInfo(engine_, &info), 1);
    EXPECT_STREQ(info.backEnd, "PulseAudio");

    // Played on the clock meanwhile: about `waited` seconds in.
    const double heardAt = block[0] / kStep * 4 / 44100;
    EXPECT_GT(heardAt, 0.5 * std::chrono::duration<double>(kOpening).count());
    EXPECT_LT(heardAt, waited + 0.1);
    std::vector<float> next(2 * 512);
    ASSERT_TRUE(servers_.Pull("Pads", next.data(), 512));
    block.insert(block.end(), next.begin(), next.end());
    for (size_t i = 2; i < block.size(); i += 2) {
        ASSERT_GE(block[i] - block[i - 2], -kStep / 8) << "frame " << i / 2;
        ASSERT_LE(block[i] - block[i - 2], kStep * 9 / 8) << "frame " << i / 2;
    }
    EXPECT_NEAR((block[block.size() - 2] - block[0]) / kStep, 1023 / 4.0, 2);
}

TEST_F(SlowServer, ClosingWhileTheServerOpensEndsTheKeeperCleanly) {
    OpenAndActivate();
    EngineClose(engine_);
    engine_ = 0;
    EngineStats stats{};
    EngineGetStats(&stats);
    EXPECT_EQ(stats.engines, 0u);
}

TEST_F(SlowServer, ALostServerGivesThePadsToTheClockAndTheyReturnWithIt) {
    OpenAndActivate();
    std::vector<float> block(2 * 64);
    ASSERT_TRUE(Eventually([&] { return servers_.Pull("Pads", block.data(), 64); }));
    servers_.Kill("PulseAudio");
    EngineStats stats{};
    ASSERT_TRUE(Eventually([&] {
        EngineGetStats(&stats);
        return stats.onDevice == 0;
    }));
    servers_.Revive("PulseAudio");
    ASSERT_TRUE(Eventually([&] {
        EngineGetStats(&stats);
        return stats.onDevice == 1;
    }));
    EngineOutputInfo info{};
    ASSERT_EQ(EngineGetOutputInfo(engine_, &info), 1);
    EXPECT_EQ(info.losses, 1u);
}

TEST(HeldOpening, TheServerOpensOnlyOnceTheProgramLetsIt) {
    StandIns servers({{"PulseAudio"}});
    audio::HoldCardOpening();
    EngineConfig config{10, 1, 1, 0};
    const EngineHandle held = EngineOpen(&config, 22050);
    const EngineHandle closedWhileHeld = EngineOpen(&config, 22050);
    EngineClose(closedWhileHeld);
    EngineActivate(held, 1);
    // The keeper looks at the hold every 20 ms: ten looks and still on the clock.
    const auto heldUntil = Clock::now() + 200ms;
    EngineStats stats{};
    while (Clock::now() < heldUntil) {
        EngineGetStats(&stats);
        ASSERT_EQ(stats.onDevice, 0u) << "opened while held";
    }
    audio::ReleaseCardOpening();
    EXPECT_TRUE(Eventually([&] {
        EngineGetStats(&stats);
        return stats.onDevice == 1;
    })) << "never opened once released";
    EngineClose(held);
}

} // namespace
