// The output over stand-in servers: which back end it takes, the silent
// clock while none is there, the move back to the clock when one goes away
// and on again when it returns, conversion to another rate, the pads' buffer
// growing on underflows.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <vector>

#include "audio/buffer_growth.h"
#include "audio/output.h"
#include "counting_source.h"
#include "stand_in_servers.h"

namespace audio_test {
namespace {

using namespace std::chrono_literals;

constexpr double kPi = 3.14159265358979323846;

audio::OutputConfig Pads() { return {}; }

// Pulls a block from `stream` and checks that it carries on from `last`.
::testing::AssertionResult PullsOnFrom(StandIns& servers, const std::string& stream, float& last)
{
    std::vector<float> block(2 * 256);
    if (!servers.Pull(stream, block.data(), 256)) return ::testing::AssertionFailure() << "no stream open";
    for (std::size_t i = 0; i < 256; ++i) {
        if (block[2 * i] < last) return ::testing::AssertionFailure() << "went back to " << block[2 * i];
        last = block[2 * i];
    }
    if (block[2 * 255] - block[0] != 255) return ::testing::AssertionFailure() << "a gap inside the block";
    return ::testing::AssertionSuccess();
}

TEST(BackEndOrder, TheFirstServerThatAcceptsIsTakenAndNoneLeavesTheClock)
{
    {
        StandIns servers({{"JACK", true}, {"PulseAudio"}, {"ALSA"}});
        CountingSource source;
        audio::Output output(Pads(), source);
        ASSERT_TRUE(Eventually([&] { return output.OnServer(); }));
        EXPECT_EQ(output.State().backEnd, "PulseAudio");
        EXPECT_EQ(servers.ServerOf("Pads"), "PulseAudio");
    }
    {
        StandIns servers({{"JACK", true}, {"PulseAudio", true}, {"ALSA"}});
        CountingSource source;
        audio::Output output(Pads(), source);
        ASSERT_TRUE(Eventually([&] { return output.OnServer(); }));
        EXPECT_EQ(output.State().backEnd, "ALSA");
    }
    StandIns servers({{"JACK", true}, {"PulseAudio", true}, {"ALSA", true}});
    CountingSource source;
    audio::Output output(Pads(), source);
    output.Start();
    // The clock plays meanwhile and stays.
    ASSERT_TRUE(Eventually([&] { return source.Rendered() > 44100 / 10; }));
    EXPECT_FALSE(output.OnServer());
    EXPECT_EQ(output.State().backEnd, "silent clock");
}

TEST(LossAndReturn, TheClockKeepsTimeAndTheSoundGoesOnFromWhereItStands)
{
    StandIns servers({{"PulseAudio", false, 44100, 300ms}, {"ALSA", true}});
    CountingSource source;
    audio::Output output(Pads(), source);
    output.Start();
    EXPECT_FALSE(output.OnServer()) << "the output waited for the server";
    ASSERT_TRUE(Eventually([&] { return output.OnServer(); }));
    // The clock played while the server opened: the server's first frame is
    // where the clock had got to.
    std::vector<float> first(2);
    ASSERT_TRUE(servers.Pull("Pads", first.data(), 1));
    EXPECT_GT(first[0], 44100 * 0.15);
    float last = first[0];
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(PullsOnFrom(servers, "Pads", last));

    servers.Kill("PulseAudio");
    ASSERT_TRUE(Eventually([&] { return !output.OnServer(); }));
    EXPECT_EQ(output.State().losses, 1u);
    const std::uint64_t atLoss = source.Rendered();
    ASSERT_TRUE(Eventually([&] { return source.Rendered() > atLoss + 4410; })) << "the clock did not take over";

    servers.Revive("PulseAudio");
    ASSERT_TRUE(Eventually([&] { return servers.ServerOf("Pads") == "PulseAudio" && output.OnServer(); }));
    const std::uint64_t atReturn = source.Rendered();
    ASSERT_TRUE(PullsOnFrom(servers, "Pads", last));
    EXPECT_GE(last, float(atReturn)) << "the sound restarted instead of going on";
}

TEST(LossAndReturn, AServerThatStaysAwayGivesWayToTheNextThatOpens)
{
    StandIns servers({{"PulseAudio"}, {"ALSA"}});
    CountingSource source;
    audio::Output output(Pads(), source);
    ASSERT_TRUE(Eventually([&] { return output.State().backEnd == "PulseAudio"; }));
    servers.Kill("PulseAudio");
    ASSERT_TRUE(Eventually([&] { return output.State().backEnd == "ALSA"; }));
    EXPECT_TRUE(output.OnServer());
}

TEST(LossAndReturn, StoppedAndDestroyedWhileTheServerOpensItEndsCleanly)
{
    StandIns servers({{"PulseAudio", false, 44100, 200ms}});
    CountingSource source;
    {
        audio::Output output(Pads(), source);
        output.Start();
    }
    audio::Output output(Pads(), source);
    output.Start();
    ASSERT_TRUE(Eventually([&] { return output.OnServer(); }));
    output.Stop();
    const std::uint64_t stopped = source.Rendered();
    std::vector<float> block(2 * 64);
    ASSERT_TRUE(servers.Pull("Pads", block.data(), 64));
    EXPECT_EQ(source.Rendered(), stopped) << "rendered while stopped";
    EXPECT_EQ(block[0], 0.0f);
}

TEST(SilentClock, ATickThatComesTooLateIsCounted)
{
    StandIns servers({{"JACK", true}});
    CountingSource source;
    audio::Output output(Pads(), source);
    output.Start();
    ASSERT_TRUE(Eventually([&] { return source.Rendered() > 0; }));
    EXPECT_EQ(output.Underruns(), 0u);
    source.StallOnce();
    EXPECT_TRUE(Eventually([&] { return output.Underruns() > 0; }));
}

// A 441 Hz tone pulled by a server at 48000: the tone is still 441 Hz, and
// the renderer ran at its own rate.
TEST(RateConversion, AServerAtAnotherRateHearsTheSameTone)
{
    class Tone : public audio::Source {
    public:
        void Render(void* out, std::size_t frames) override
        {
            auto* samples = static_cast<float*>(out);
            std::uint64_t n = n_.load();
            for (std::size_t i = 0; i < frames; ++i, ++n)
                samples[2 * i] = samples[2 * i + 1] = 0.5f * float(std::sin(2 * kPi * 441.0 * double(n) / 44100));
            n_.store(n);
        }
        std::atomic<std::uint64_t> n_{0};
    } tone;
    for (const int rate : {48000, 96000}) {
        StandIns servers({{"JACK", false, rate}});
        tone.n_.store(0);
        audio::Output output(Pads(), tone);
        output.Start();
        ASSERT_TRUE(Eventually([&] { return output.OnServer(); }));
        // From here only the server's pulls render.
        const std::uint64_t before = tone.n_.load();
        std::vector<float> second(2 * std::size_t(rate));
        ASSERT_TRUE(servers.Pull("Pads", second.data(), rate));
        output.Stop();
        EXPECT_EQ(output.State().rate, rate);
        // The renderer has rendered one second, the converter's delay aside.
        EXPECT_NEAR(double(tone.n_.load() - before), 44100.0, 441.0);
        int crossings = 0;
        for (int i = rate / 2; i + 1 < rate; ++i) crossings += (second[2 * i] < 0) != (second[2 * i + 2] < 0);
        EXPECT_NEAR(crossings, 441, 2) << "at " << rate;
    }
}

TEST(PadsBuffer, UnderflowsLengthenItUpToTheCeiling)
{
    StandIns servers({{"PulseAudio"}});
    CountingSource source;
    audio::Output output(Pads(), source);
    output.Start();
    ASSERT_TRUE(Eventually([&] { return output.OnServer(); }));
    EXPECT_NEAR(output.State().latencyMs, 5, 0.1);
    for (int burst = 0; burst < 5; ++burst) {
        const double before = output.State().latencyMs;
        servers.Underflow("Pads");
        if (before < 40) {
            ASSERT_TRUE(Eventually([&] { return output.State().latencyMs > before; }));
        }
    }
    EXPECT_NEAR(output.State().latencyMs, 40, 0.1);
    EXPECT_EQ(output.Underruns(), 5u);
}

TEST(PadsBuffer, ComesBackDownAfterAQuietWhile)
{
    using Clock = audio::BufferGrowth::Clock;
    audio::BufferGrowth growth(5ms, 40ms, 10s);
    const Clock::time_point start{};
    EXPECT_TRUE(growth.Observe(1, start + 1s));
    EXPECT_TRUE(growth.Observe(3, start + 2s));
    EXPECT_EQ(growth.Wanted(), 20ms);
    EXPECT_FALSE(growth.Observe(3, start + 11s)) << "shrank before a quiet while";
    EXPECT_TRUE(growth.Observe(3, start + 12s));
    EXPECT_EQ(growth.Wanted(), 10ms);
    EXPECT_TRUE(growth.Observe(3, start + 22s));
    EXPECT_EQ(growth.Wanted(), 5ms);
    EXPECT_FALSE(growth.Observe(3, start + 60s));
}

}  // namespace
}  // namespace audio_test
