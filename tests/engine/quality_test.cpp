// A resampled sine must stay clean: the residual after fitting the expected
// sine is the resampler's noise and distortion. The sines stay below -1 dBFS,
// where the output's limiter leaves the mix alone.
#include "engine/engine_fixture.h"

#include <cmath>

namespace {

// Signal-to-noise ratio of `mono` against the best sine at `cyclesPerFrame`.
double SnrDb(const std::vector<float>& mono, size_t first, size_t count, double cyclesPerFrame) {
    const double w = 2 * M_PI * cyclesPerFrame;
    double xc = 0, xs = 0, cc = 0, ss = 0, cs = 0;
    for (size_t i = 0; i < count; ++i) {
        const double x = mono[first + i], c = std::cos(w * i), s = std::sin(w * i);
        xc += x * c, xs += x * s, cc += c * c, ss += s * s, cs += c * s;
    }
    const double det = cc * ss - cs * cs;
    const double a = (xc * ss - xs * cs) / det, b = (xs * cc - xc * cs) / det;
    double signal = 0, noise = 0;
    for (size_t i = 0; i < count; ++i) {
        const double fit = a * std::cos(w * i) + b * std::sin(w * i);
        const double error = mono[first + i] - fit;
        signal += fit * fit;
        noise += error * error;
    }
    return 10 * std::log10(signal / noise);
}

struct Speed {
    int32_t rate;
    int32_t deviceRate;
};

class ResampledSine : public EngineTest, public testing::WithParamInterface<Speed> {};
using FastSine = ResampledSine;

std::string SpeedName(const testing::TestParamInfo<Speed>& info) {
    return std::to_string(info.param.rate) + "_on_" + std::to_string(info.param.deviceRate);
}

} // namespace

TEST_P(ResampledSine, KeepsNinetyDecibelsOfSignalToNoise) {
    const auto [rate, deviceRate] = GetParam();
    Open(rate, deviceRate);
    Play(Load(Sine(1000, 0.85, 3 * 44100, 44100)));
    const std::vector<float> left = Left(Render(size_t(deviceRate)));
    const double hz = 1000.0 * rate / 22050;
    EXPECT_GE(SnrDb(left, 4096, size_t(deviceRate) / 2, hz / deviceRate), 90.0) << "at " << rate;
}

INSTANTIATE_TEST_SUITE_P(Speeds, ResampledSine,
                         testing::Values(Speed{33074, 44100}, Speed{11026, 44100}, Speed{22050, 48000},
                                         Speed{27000, 48000}),
                         SpeedName);

TEST_F(EngineTest, FileAtAnotherRateIsResampledCleanlyAtLoad) {
    Open(22050);
    Play(Load(Sine(1000, 0.85, 22050, 22050)));
    const std::vector<float> left = Left(Render(30000));
    EXPECT_GE(SnrDb(left, 4096, 16384, 1000.0 / 44100), 90.0);
}

// Guards against a kernel that keeps its full passband when it reads faster
// than the natural speed: at the fast end of the speed fader a tone near the
// top of the band lands above the output's Nyquist frequency and would fold
// back into the band instead of vanishing.
TEST_P(FastSine, LeavesNoAliasOfWhatGoesBeyondTheOutputsBand) {
    const auto [rate, deviceRate] = GetParam();
    Open(rate, deviceRate);
    Sound mix = Sine(1000, 0.6, 3 * 44100, 44100);
    const Sound high = Sine(18000, 0.25, 3 * 44100, 44100);
    for (size_t i = 0; i < mix.pcm.size(); ++i)
        mix.pcm[i] += high.pcm[i];
    Play(Load(mix));
    const std::vector<float> left = Left(Render(size_t(deviceRate)));
    const double hz = 1000.0 * rate / 22050;
    EXPECT_GE(SnrDb(left, 4096, size_t(deviceRate) / 2, hz / deviceRate), 90.0) << "at " << rate;
}

INSTANTIATE_TEST_SUITE_P(FastEnd, FastSine, testing::Values(Speed{33074, 44100}, Speed{33074, 48000}),
                         SpeedName);
