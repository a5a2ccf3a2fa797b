// One synthesised drum or synth hit per pad sample: mono, -1..1, at kRate.
#pragma once

#include <vector>

namespace demo_samples {

constexpr int kRate = 44100;

std::vector<float> Kick();
std::vector<float> Snare();
std::vector<float> HiHat();
std::vector<float> Stab();
std::vector<float> Riser();

} // namespace demo_samples
