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
