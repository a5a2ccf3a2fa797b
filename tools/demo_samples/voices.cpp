#include "voices.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace demo_samples {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// Fixed-seed noise: the same samples on every build and every machine.
class Noise {
public:
    double Next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return double(state_ >> 11) / double(1ull << 53) * 2.0 - 1.0;
    }

private:
    uint64_t state_ = 0x746F726E656CULL;
};

size_t Frames(double seconds) { return size_t(seconds * kRate); }

double Decay(size_t i, double seconds) { return std::exp(-double(i) / (seconds * kRate)); }

// The last few milliseconds fade out so a pad never ends on a click.
std::vector<float> Finish(std::vector<float> pcm) {
    const size_t fade = std::min<size_t>(pcm.size(), Frames(0.005));
    for (size_t i = 0; i < fade; ++i)
        pcm[pcm.size() - 1 - i] *= float(i) / float(fade);
    return pcm;
}

// Fills `seconds` of sound from `voice`(frame index).
template <class Voice>
std::vector<float> Synth(double seconds, Voice voice) {
    std::vector<float> pcm(Frames(seconds));
    for (size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = float(voice(i));
    return Finish(pcm);
}

} // namespace

std::vector<float> Kick() {
    double phase = 0;
    return Synth(0.45, [&](size_t i) {
        phase += kTwoPi * (45 + 110 * Decay(i, 0.04)) / kRate; // the pitch drop gives the thump
        return 0.9 * std::sin(phase) * Decay(i, 0.16);
    });
}

std::vector<float> Snare() {
    Noise noise;
    return Synth(0.25, [&](size_t i) {
        const double body = std::sin(kTwoPi * 185 * double(i) / kRate) * Decay(i, 0.03);
        return 0.45 * body + 0.5 * noise.Next() * Decay(i, 0.06);
    });
}

std::vector<float> HiHat() {
    Noise noise;
    double previous = 0;
    return Synth(0.09, [&](size_t i) {
        const double white = noise.Next();
        const double bright = white - previous; // differenced noise: the highs only
        previous = white;
        return 0.3 * bright * Decay(i, 0.018);
    });
}

std::vector<float> Stab() {
    const double notes[] = {220.0, 261.63, 329.63, 440.0}; // A minor
    double smooth = 0;
    return Synth(0.5, [&](size_t i) {
        double saw = 0;
        for (const double hz : notes)
            saw += 2 * std::fmod(hz * double(i) / kRate, 1.0) - 1;
        smooth += (0.05 + 0.4 * Decay(i, 0.08)) * (saw / 4 - smooth); // a closing low-pass
        return 0.8 * smooth * Decay(i, 0.18);
    });
}

std::vector<float> Riser() {
    Noise noise;
    double phase = 0;
    const double length = double(Frames(2.0));
    return Synth(2.0, [&](size_t i) {
        const double t = double(i) / length;
        phase += kTwoPi * (200 + 1800 * t * t) / kRate;
        return t * t * (0.35 * std::sin(phase) + 0.25 * noise.Next());
    });
}

} // namespace demo_samples
