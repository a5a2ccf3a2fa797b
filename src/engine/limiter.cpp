#include "engine/limiter.h"

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

constexpr float kThreshold = 0.891250938f; // -1 dBFS
constexpr float kKnee = 1.0f - kThreshold;
constexpr double kReleaseSeconds = 0.15;
// Closer than this to 1 the gain is 1: the mix passes unchanged again.
constexpr float kUnityGap = 1e-4f;

float Peak(const float* values, size_t count) {
    float peak = 0.0f;
    for (size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::fabs(values[i]));
    return peak;
}

// Continuous with its slope at the threshold, reaching full scale only in the
// limit; the last clamp catches rounding.
float SoftClip(float value) {
    const float magnitude = std::fabs(value);
    if (!(magnitude > kThreshold))
        return value;
    const float rounded = std::min(1.0f, kThreshold + kKnee * std::tanh((magnitude - kThreshold) / kKnee));
    return std::copysign(rounded, value);
}

} // namespace

Limiter::Limiter(int deviceRate)
    : releasePerFrame_(float(1.0 - std::exp(-1.0 / (kReleaseSeconds * std::max(deviceRate, 1))))) {}

void Limiter::Process(float* out, size_t frames) {
    const size_t values = 2 * frames;
    const float peak = Peak(out, values);
    const float needed = peak > kThreshold ? kThreshold / peak : 1.0f;
    if (gain_ == 1.0f && needed == 1.0f)
        return;
    // Falls to what this block needs across the block, or recovers towards it.
    float target = gain_ + (1.0f - gain_) * std::min(1.0f, releasePerFrame_ * float(frames));
    target = std::min(target, needed);
    if (target > 1.0f - kUnityGap)
        target = 1.0f;
    const float step = frames ? (target - gain_) / float(frames) : 0.0f;
    for (size_t i = 0; i < frames; ++i) {
        const float gain = gain_ + step * float(i + 1);
        out[2 * i] = SoftClip(out[2 * i] * gain);
        out[2 * i + 1] = SoftClip(out[2 * i + 1] * gain);
    }
    gain_ = target;
}

} // namespace engine
