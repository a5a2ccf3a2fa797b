// A play sounds at the start of the next block at every speed (within a frame
// of the mix), and looped passes keep their length when resampled.
#include "engine/engine_fixture.h"

class EngineSpeeds : public EngineTest, public testing::WithParamInterface<int32_t> {};

TEST_P(EngineSpeeds, PlaySoundsAtTheStartOfTheNextBlock) {
    Open(GetParam());
    const EngineHandle sample = Load(Sine(1000, 0.5, 4410, 44100));
    for (size_t lead = 128; lead < 1500; lead += 257) {
        Render(lead); // any phase of the speed change against the blocks
        Play(sample, 1, 1);
        const std::vector<float> left = Left(Render(20000));
        const auto [first, last] = SoundingSpan(left, 0.01f);
        EXPECT_LE(first, 4u) << "after " << lead;
        EXPECT_NEAR(double(last - first), 2 * 4410 * 22050.0 / GetParam(), 4) << "after " << lead;
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, EngineSpeeds, testing::Values(11026, 16000, 22050, 27000, 33074));
