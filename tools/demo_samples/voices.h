// One synthesised drum or synth hit per pad sample: mono, -1..1, at kRate.
#ifndef TORNEL_TOOLS_DEMO_SAMPLES_VOICES_H
#define TORNEL_TOOLS_DEMO_SAMPLES_VOICES_H

#include <vector>

namespace demo_samples {

constexpr int kRate = 44100;

std::vector<float> Kick();
std::vector<float> Snare();
std::vector<float> HiHat();
std::vector<float> Stab();
std::vector<float> Riser();

} // namespace demo_samples

#endif
