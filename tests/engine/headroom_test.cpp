// The output never goes beyond full scale, and a mix below -1 dBFS reaches
// the output untouched.
#include "engine/engine_fixture.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

class EngineHeadroom : public EngineTest {
protected:
    // At -6 dBFS each, in phase: three and a half times full scale.
    void PlaySevenInPhase(EngineHandle sample) {
        for (uint32_t channel = 1; channel <= 7; ++channel)
            Play(sample, channel, 3);
    }

    // At the natural speed a pad plays its 16-bit frames as they are.
    void ExpectUntouched(EngineHandle sample, const Sound& sound) {
        Play(sample, 1);
        const std::vector<float> left = Left(Render(sound.pcm.size()));
        for (size_t i = 0; i < sound.pcm.size(); ++i)
            ASSERT_EQ(left[i], float(std::lround(sound.pcm[i] * 32768.0)) / 32768.0f) << "frame " << i;
    }
};

TEST_F(EngineHeadroom, SevenPadsAtMinus6dBFSStayWithinFullScaleWithoutHardClipping) {
    for (const int32_t rate : {22050, 33074, 11026}) {
        Open(rate);
        const EngineHandle sample = Load(Sine(220, 0.5, 22050, 44100));
        PlaySevenInPhase(sample);
        const std::vector<float> out = Render(44100);
        EXPECT_LE(Peak(out, 0, out.size()), 1.0f) << "at " << rate;
        const auto flat = std::count_if(out.begin(), out.end(), [](float v) { return std::fabs(v) > 0.99f; });
        EXPECT_LT(double(flat) / double(out.size()), 0.01) << "at " << rate;
        EngineCloseChannel(engine_, 0, 1);
        EngineFreeSample(engine_, sample);
        EngineClose(engine_);
    }
    engine_ = 0;
}

TEST_F(EngineHeadroom, MixBelowMinus1dBFSIsUntouchedAlsoAfterALoudPassage) {
    Open(22050);
    const Sound sound = Sine(1000, 0.889, 4410, 44100); // -1.02 dBFS
    const std::string path = WriteSound("quiet.wav", sound, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const EngineHandle quiet = EngineLoadSample(engine_, path.c_str(), 0, 0);
    ExpectUntouched(quiet, sound);

    PlaySevenInPhase(Load(Sine(220, 0.5, 22050, 44100), "loud.wav"));
    Render(22050);
    EngineCloseChannel(engine_, 0, 1);
    EngineOpenChannels(engine_, 8, 2);
    Render(2 * 44100); // the gain comes back to unity
    ExpectUntouched(quiet, sound);
}

// Guards against a limiter that looks for the peak in part of its block
// only (its first frames, or as many samples as the block has frames): a
// click late in every block would then pass at full gain and be rounded
// off flat, block after block, instead of being turned down.
TEST_F(EngineHeadroom, LoudClickAnywhereInABlockIsTurnedDownNotFlattened) {
    constexpr size_t kBlock = 128, kClick = 16, kBlocks = 40;
    for (const size_t at : {size_t(0), size_t(60), kBlock - kClick}) {
        Open(22050);
        Sound clicks;
        clicks.pcm.assign(kBlock * kBlocks, 0.0f);
        for (size_t block = 0; block < kBlocks; ++block)
            for (size_t i = 0; i < kClick; ++i)
                clicks.pcm[block * kBlock + at + i] = i % 2 ? -0.5f : 0.5f;
        const EngineHandle sample = Load(clicks, "clicks.wav");
        PlaySevenInPhase(sample);
        const std::vector<float> left = Left(Render(clicks.pcm.size()));
        ASSERT_EQ(SoundingSpan(left, 0.1f).first, at);
        // The first block turns the gain down; every later click stays below -1 dBFS.
        EXPECT_LT(Peak(left, kBlock, left.size()), 0.9f) << "click at frame " << at << " of each block";
        EngineCloseChannel(engine_, 0, 1);
        EngineFreeSample(engine_, sample);
        EngineClose(engine_);
    }
    engine_ = 0;
}
