// The samples the build synthesises load as pads and fit a pad's title.
#include "engine/engine_fixture.h"

#include <cstring>

TEST_F(EngineTest, DemoSamplesLoadAndSound) {
    Open(22050);
    const char* names[] = {"KICK.WAV", "SNARE.WAV", "HIHAT.WAV", "STAB.WAV", "RISER.WAV"};
    uint32_t channel = 1;
    for (const char* name : names) {
        EXPECT_LE(std::strlen(name), 19u);
        const std::string path = std::string(TORNEL_DEMO_SAMPLES_DIR) + "/" + name;
        const EngineHandle sample = EngineLoadSample(engine_, path.c_str(), 0, 0);
        ASSERT_NE(sample, 0u) << name;
        Play(sample, channel++);
    }
    const std::vector<float> out = Render(4096);
    EXPECT_GT(Peak(out, 0, out.size()), 0.1f);
    EXPECT_LE(Peak(out, 0, out.size()), 5.0f); // five hits together, none clipped alone
}
