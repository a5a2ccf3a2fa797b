// Speed, loops, restarts, flushes and the output level, rendered through a
// manual output.
#include "engine/engine_fixture.h"

#include <cmath>

namespace {

// Sign changes from negative to non-negative over [first, last).
int Cycles(const std::vector<float>& mono, size_t first, size_t last) {
    int cycles = 0;
    for (size_t i = first + 1; i < last; ++i)
        cycles += mono[i - 1] < 0 && mono[i] >= 0;
    return cycles;
}

} // namespace

TEST_F(EngineTest, NaturalRatePlaysTheFramesUnchanged) {
    Open(22050);
    const Sound ramp = Ramp(1000);
    Play(Load(ramp));
    const std::vector<float> left = Left(Render(1500));
    for (size_t i = 0; i < 1000; ++i)
        ASSERT_FLOAT_EQ(left[i], ramp.pcm[i]) << "frame " << i;
    EXPECT_EQ(Peak(left, 1000, 1500), 0.0f);
}

TEST_F(EngineTest, FileRateDoesNotChangeTheNaturalSpeed) {
    Open(22050);
    Play(Load(Sine(441, 0.5, 11025, 22050))); // half a second of 441 Hz
    const std::vector<float> left = Left(Render(30000));
    const auto [first, last] = SoundingSpan(left, 0.01f);
    EXPECT_NEAR(double(last - first), 22050, 64);
    EXPECT_NEAR(Cycles(left, first, last), 220, 1);
}

TEST_F(EngineTest, RateOf33074PlaysOneAndAHalfTimesFaster) {
    Open(33074);
    Play(Load(Sine(1000, 0.5, 44100, 44100)));
    const std::vector<float> left = Left(Render(40000));
    const auto [first, last] = SoundingSpan(left, 0.01f);
    EXPECT_LT(first, 256u);
    EXPECT_NEAR(double(last - first), 44100.0 * 22050 / 33074, 64);
    EXPECT_NEAR(Cycles(left, first, last), 1000, 1); // a second's cycles in two thirds of one
}

TEST_F(EngineTest, LoopCountNSoundsTheSampleNPlusOneTimesWithoutAGap) {
    Open(22050);
    const Sound ramp = Ramp(300);
    Play(Load(ramp), 3, 2);
    const std::vector<float> left = Left(Render(1200));
    for (size_t i = 0; i < 900; ++i)
        ASSERT_FLOAT_EQ(left[i], ramp.pcm[i % 300]) << "frame " << i;
    EXPECT_EQ(Peak(left, 900, 1200), 0.0f);
}

TEST_F(EngineTest, PlayOnASoundingChannelRestartsIt) {
    Open(22050);
    const Sound ramp = Ramp(1000);
    const EngineHandle sample = Load(ramp);
    Play(sample, 1, 5);
    Render(300);
    Play(sample);
    const std::vector<float> left = Left(Render(1200));
    EXPECT_FLOAT_EQ(left[0], ramp.pcm[0]);
    EXPECT_FLOAT_EQ(left[999], ramp.pcm[999]);
    EXPECT_EQ(Peak(left, 1000, 1200), 0.0f); // the new request's loop count (0) replaced 5
}

TEST_F(EngineTest, ChannelsMixAndFlushSilencesOneAtTheNextBlock) {
    Open(22050);
    const EngineHandle a = Load(Sine(500, 0.25, 44100, 44100), "a.wav");
    const EngineHandle b = Load(Sine(700, 0.25, 44100, 44100), "b.wav");
    Play(a, 1);
    Play(b, 7);
    Render(256);
    EngineFlushChannel(engine_, 1, 2);
    EngineFlushChannel(engine_, 7, 2);
    EXPECT_EQ(Peak(Render(128), 0, 256), 0.0f);
    Play(a, 1); // a flushed channel stays open
    EXPECT_GT(Peak(Render(128), 0, 256), 0.1f);
}

// The resampler delays the mix by up to about a block and a half at 1.5x,
// whatever the phase of the request within its processing blocks.
TEST_F(EngineTest, FlushAtAnotherSpeedSilencesWithinTheResamplersDelay) {
    Open(33074);
    const EngineHandle sample = Load(Sine(1000, 0.5, 44100, 44100));
    for (size_t lead = 300; lead < 1300; lead += 97) {
        Play(sample);
        Render(lead);
        EngineFlushChannel(engine_, 1, 2);
        const std::vector<float> after = Render(1024);
        EXPECT_LT(Peak(after, 2 * 384, after.size()), 1e-4f) << "after " << lead;
    }
}

TEST_F(EngineTest, OutputLevelScalesEachSideAndOutlivesTheEngine) {
    EngineSetOutputLevel(0x4000FFFFu);
    Open(22050);
    Play(Load(Sine(1000, 0.5, 4410, 44100)));
    const std::vector<float> out = Render(4410);
    const float left = Peak(Left(out), 0, 4410);
    const float right = Peak(Right(out), 0, 4410);
    EXPECT_NEAR(left, 0.5f, 1e-3f);
    EXPECT_NEAR(right / left, float(0x4000) / 65535.0f, 1e-4f);

    EngineCloseChannel(engine_, 0, 1);
    EngineClose(engine_);
    Open(22050);
    Play(Load(Sine(1000, 0.5, 4410, 44100)));
    EXPECT_NEAR(Peak(Right(Render(4410)), 0, 4410), right, 1e-4f);
    EngineSetOutputLevel(0);
    Play(Load(Sine(1000, 0.5, 4410, 44100), "again.wav"));
    EXPECT_EQ(Peak(Render(512), 0, 1024), 0.0f);
}

TEST_F(EngineTest, StereoSidesStayApart) {
    Open(22050);
    Sound stereo;
    stereo.channels = 2;
    for (int i = 0; i < 500; ++i)
        stereo.pcm.insert(stereo.pcm.end(), {0.25f, -0.5f});
    Play(Load(stereo));
    const std::vector<float> out = Render(500);
    EXPECT_FLOAT_EQ(out[2 * 499], 0.25f);
    EXPECT_FLOAT_EQ(out[2 * 499 + 1], -0.5f);
}

TEST_F(EngineTest, NothingSoundsBeforeActivationOrAfterDeactivation) {
    EngineConfig config = ConfigRecord();
    engine_ = EngineOpenManual(&config, 22050, 44100);
    EngineOpenChannels(engine_, 8, 2);
    const EngineHandle sample = Load(Ramp(1000));
    Play(sample);
    EXPECT_EQ(Render(256), std::vector<float>(512, 0.0f));
    EngineActivate(engine_, 1);
    EXPECT_GT(Peak(Render(128), 0, 256), 0.0f);
    EngineActivate(engine_, 0);
    EXPECT_EQ(Render(128), std::vector<float>(256, 0.0f));
}
