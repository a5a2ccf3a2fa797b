#include "engine/speed_change.h"

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

// The mix is made this many frames beyond what the next read needs, to mix in
// runs rather than frame by frame; a stop takes this much longer to be heard.
constexpr size_t kMixAhead = 32;

size_t PowerOfTwoAtLeast(size_t n) {
    size_t power = 1;
    while (power < n)
        power *= 2;
    return power;
}

} // namespace

SpeedChange::SpeedChange(double step)
    : step_(step), kernel_(step),
      // Twice the span from the oldest frame a read takes to the newest made.
      ringFrames_(PowerOfTwoAtLeast(2 * (2 * kernel_.HalfTaps() + kMixAhead + size_t(std::ceil(step)) + 2))),
      ring_(2 * ringFrames_, 0.0f), window_(4 * kernel_.HalfTaps(), 0.0f) {}

void SpeedChange::MixUpTo(Mixer& mixer, int64_t end) {
    while (mixed_ < end) {
        const size_t offset = size_t(mixed_ & int64_t(ringFrames_ - 1));
        const size_t count = std::min(size_t(end - mixed_), ringFrames_ - offset);
        MixerRender(mixer, ring_.data() + 2 * offset, count);
        mixed_ += int64_t(count);
    }
}

void SpeedChange::CatchUp(Mixer& mixer, uint32_t channel) {
    for (int64_t index = int64_t(std::ceil(position_)); index < mixed_;) {
        const size_t offset = size_t(index & int64_t(ringFrames_ - 1));
        const size_t count = std::min(size_t(mixed_ - index), ringFrames_ - offset);
        MixerAddVoice(mixer, channel, ring_.data() + 2 * offset, count);
        index += int64_t(count);
    }
}

void SpeedChange::Render(Mixer& mixer, float* out, size_t frames) {
    const int64_t half = int64_t(kernel_.HalfTaps());
    for (size_t i = 0; i < frames; ++i) {
        const int64_t base = int64_t(std::floor(position_));
        if (mixed_ <= base + half)
            MixUpTo(mixer, base + half + 1 + int64_t(kMixAhead));
        const int64_t first = base - half + 1;
        const float* taps = Frame(first);
        if (Frame(base + half) < taps) { // the window wraps in the ring
            for (int64_t k = 0; k < 2 * half; ++k)
                std::copy_n(Frame(first + k), 2, window_.data() + 2 * k);
            taps = window_.data();
        }
        kernel_.Read(taps, position_ - double(base), out[2 * i], out[2 * i + 1]);
        position_ += step_;
    }
}

} // namespace engine
