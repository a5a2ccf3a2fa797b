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

} // namespace

std::vector<float> Kick() {
    std::vector<float> pcm(Frames(0.45));
    double phase = 0;
    for (size_t i = 0; i < pcm.size(); ++i) {
        const double hz = 45 + 110 * Decay(i, 0.04); // the pitch drop gives the thump
        phase += kTwoPi * hz / kRate;
        pcm[i] = float(0.9 * std::sin(phase) * Decay(i, 0.16));
    }
    return Finish(pcm);
}

std::vector<float> Snare() {
    Noise noise;
    std::vector<float> pcm(Frames(0.25));
    for (size_t i = 0; i < pcm.size(); ++i) {
        const double body = std::sin(kTwoPi * 185 * double(i) / kRate) * Decay(i, 0.03);
        pcm[i] = float(0.45 * body + 0.5 * noise.Next() * Decay(i, 0.06));
    }
    return Finish(pcm);
}

std::vector<float> HiHat() {
    Noise noise;
    std::vector<float> pcm(Frames(0.09));
    double previous = 0;
    for (size_t i = 0; i < pcm.size(); ++i) {
        const double white = noise.Next();
        pcm[i] = float(0.6 * (white - previous) * 0.5 * Decay(i, 0.018)); // differenced: bright
        previous = white;
    }
    return Finish(pcm);
}

std::vector<float> Stab() {
    const double notes[] = {220.0, 261.63, 329.63, 440.0}; // A minor
    std::vector<float> pcm(Frames(0.5));
    double smooth = 0;
    for (size_t i = 0; i < pcm.size(); ++i) {
        double saw = 0;
        for (const double hz : notes)
            saw += 2 * std::fmod(hz * double(i) / kRate, 1.0) - 1;
        const double cutoff = 0.05 + 0.4 * Decay(i, 0.08); // one-pole low-pass closing
        smooth += cutoff * (saw / 4 - smooth);
        pcm[i] = float(0.8 * smooth * Decay(i, 0.18));
    }
    return Finish(pcm);
}

std::vector<float> Riser() {
    Noise noise;
    std::vector<float> pcm(Frames(2.0));
    double phase = 0;
    for (size_t i = 0; i < pcm.size(); ++i) {
        const double t = double(i) / double(pcm.size());
        phase += kTwoPi * (200 + 1800 * t * t) / kRate;
        pcm[i] = float(t * t * (0.35 * std::sin(phase) + 0.25 * noise.Next()));
    }
    return Finish(pcm);
}

} // namespace demo_samples
