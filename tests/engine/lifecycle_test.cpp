// Handles: loads that fail, channels that close, samples freed while they
// sound, and every operation given no engine, no sample or a stale handle.
#include "engine/engine_fixture.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "portable.h"

TEST_F(EngineTest, MissingGarbageAndEmptyFilesDoNotLoad) {
    Open(22050);
    EXPECT_EQ(EngineLoadSample(engine_, TempPath("absent.wav").c_str(), 0, 0), 0u);
    EXPECT_EQ(EngineLoadSample(engine_, nullptr, 0, 0), 0u);
    const std::string garbage = TempPath("garbage.wav");
    std::ofstream(garbage) << "RIFF\x10\0\0\0WAVEfmt this is not a wave file at all";
    EXPECT_EQ(EngineLoadSample(engine_, garbage.c_str(), 0, 0), 0u);
    EXPECT_EQ(EngineLoadSample(engine_, WriteWav("empty.wav", Sound{}).c_str(), 0, 0), 0u);
    EXPECT_EQ(EngineLoadSample(engine_, testing::TempDir().c_str(), 0, 0), 0u); // a directory
}

TEST_F(EngineTest, NaNAndInfinitiesInAFloatFileBecomeSilenceAndFullScale) {
    Open(22050);
    Sound odd;
    odd.pcm = {0.5f, NAN, 0.25f, INFINITY, -INFINITY, -0.25f, NAN, 0.0f};
    const std::string same = WriteSound("odd.wav", odd, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    Play(EngineLoadSample(engine_, same.c_str(), 0, 0));
    const std::vector<float> left = Left(Render(8));
    EXPECT_EQ(left[1], 0.0f);
    EXPECT_EQ(left[6], 0.0f);
    EXPECT_GT(left[3], 0.8f); // full scale, turned down a little to fit the output
    EXPECT_LT(left[4], -0.8f);
    EXPECT_NEAR(left[0], 0.5f, 0.01f);

    // Resampled at load, a NaN must not spread through the filter.
    Sound sine = Sine(1000, 0.5, 2205, 22050);
    sine.pcm[1000] = NAN;
    sine.pcm[1001] = -INFINITY;
    const std::string other = WriteSound("odd22.wav", sine, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    Play(EngineLoadSample(engine_, other.c_str(), 0, 0));
    const std::vector<float> out = Render(4410);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return std::isfinite(v) && std::fabs(v) <= 1; }));
    EXPECT_GT(Peak(Left(out), 2100, 4000), 0.4f);
}

TEST_F(EngineTest, CompressedFormatsLoad) {
    Open(22050);
    const Sound sine = Sine(1000, 0.5, 4410, 44100);
    for (const auto& [name, format] :
         {std::pair{"pad.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16}, {"pad.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS}}) {
        const EngineHandle sample = EngineLoadSample(engine_, WriteSound(name, sine, format).c_str(), 0, 0);
        EXPECT_NE(sample, 0u) << name;
        EngineFreeSample(engine_, sample);
    }
}

TEST_F(EngineTest, NoEngineNoSampleAndStaleHandlesAreHarmless) {
    const std::string path = WriteWav("pad.wav", Ramp(100));
    EngineConfig config = ConfigRecord();
    EXPECT_EQ(EngineLoadSample(0, path.c_str(), 0, 0), 0u);
    EngineActivate(0, 1);
    EngineOpenChannels(0, 8, 2);
    const PlayRequest none = PlayRecord(0, 1, 0, 0);
    EnginePlay(&none);
    EnginePlay(nullptr);
    EngineFlushChannel(0, 1, 2);
    EngineCloseChannel(0, 0, 1);
    EngineFreeSample(0, 0);
    EngineClose(0);

    const EngineHandle stale = EngineOpenManual(&config, 22050, 44100);
    EngineClose(stale);
    EXPECT_EQ(EngineLoadSample(stale, path.c_str(), 0, 0), 0u);
    EngineActivate(stale, 1);
    EngineFlushChannel(stale, 1, 2);
    EXPECT_EQ(EngineClose(stale), 1u);

    Open(22050);
    EXPECT_NE(engine_, stale);
    const EngineHandle sample = Load(Ramp(100));
    Play(0);
    Play(sample + 1000);
    Play(sample, 0);  // channel 0 never plays
    Play(sample, 99); // nor one past the last
    EngineFreeSample(engine_, 0);
    EngineFreeSample(engine_, sample + 1000);
    EngineFreeSample(stale, sample); // another engine's handle frees nothing
    EXPECT_EQ(Peak(Render(256), 0, 512), 0.0f);
    Play(sample);
    EXPECT_GT(Peak(Render(128), 0, 256), 0.0f);
    EngineFreeSample(engine_, sample);
    EXPECT_EQ(EngineFreeSample(engine_, sample), 1u); // twice: the second does nothing
}

TEST_F(EngineTest, ClosedChannelIgnoresPlaysUntilReopened) {
    Open(22050);
    const EngineHandle sample = Load(Ramp(1000));
    Play(sample, 2);
    Render(128);
    EngineCloseChannel(engine_, 2, 0);
    EXPECT_EQ(Peak(Render(128), 0, 256), 0.0f);
    Play(sample, 2);
    EXPECT_EQ(Peak(Render(128), 0, 256), 0.0f);
    Play(sample, 3); // other channels stay open
    EXPECT_GT(Peak(Render(128), 0, 256), 0.0f);
    EngineCloseChannel(engine_, 0, 1);
    EXPECT_EQ(Peak(Render(128), 0, 256), 0.0f);
    EngineStats stats{};
    EngineGetStats(&stats);
    EXPECT_EQ(stats.channels, 0u);
    EXPECT_EQ(EngineOpenChannels(engine_, 8, 2), 0u);
    Play(sample, 2);
    EXPECT_GT(Peak(Render(128), 0, 256), 0.0f);
    EngineFreeSample(engine_, sample);
}

TEST_F(EngineTest, FreeingASoundingSampleSilencesItsChannels) {
    Open(33074);
    const EngineHandle sample = Load(Sine(1000, 0.5, 44100, 44100));
    Play(sample, 1);
    Play(sample, 4, 9);
    Render(512);
    EngineFreeSample(engine_, sample);
    const std::vector<float> after = Render(2048);
    EXPECT_LT(Peak(after, 2 * 1024, after.size()), 1e-5f);
}

TEST_F(EngineTest, CloseReleasesWhatTheCallerLeftBehind) {
    Open(22050);
    Load(Ramp(100), "one.wav");
    Load(Ramp(100), "two.wav");
    EngineStats stats{};
    EngineGetStats(&stats);
    EXPECT_EQ(stats.samples, 2u);
    EXPECT_EQ(stats.channels, 7u);
    EXPECT_EQ(stats.sampleBytes, 2 * 100 * sizeof(int16_t));
    // TearDown closes the engine and checks that nothing is left.
}

TEST(EngineNullOutput, RunsOnItsOwnClockAndFreesWhileItRuns) {
    portable::SetEnv("TORNEL_NULL_AUDIO", "1");
    EngineConfig config = ConfigRecord();
    const EngineHandle engine = EngineOpen(&config, 33074);
    ASSERT_NE(engine, 0u);
    EngineOpenChannels(engine, 8, 2);
    EngineActivate(engine, 1);
    const std::string path = WriteWav("clocked.wav", Sine(1000, 0.5, 44100, 44100));
    for (int round = 0; round < 20; ++round) {
        const EngineHandle sample = EngineLoadSample(engine, path.c_str(), 0, 0);
        const PlayRequest request = PlayRecord(engine, uint32_t(round % 7 + 1), sample, 3);
        EnginePlay(&request);
        EngineFreeSample(engine, sample);
    }
    EngineCloseChannel(engine, 0, 1);
    EngineClose(engine);
    EngineStats stats{};
    EngineGetStats(&stats);
    EXPECT_EQ(stats.engines + stats.samples + stats.channels, 0u);
}
