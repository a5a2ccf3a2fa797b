// Plays the mix at `step` mix frames per output frame. The kernel reads a few
// dozen mix frames ahead of the output; a voice that starts is mixed straight
// into those frames too, so it sounds from the next output frame on rather
// than once the read position reaches the frames mixed after it began. A stop
// lets what was mixed ahead play out: under 2 ms of the mix at the console's
// speeds.
#pragma once

#include "engine/kernel.h"
#include "engine/voice_mix.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine {

class SpeedChange {
public:
    // Control thread: allocates the ring of mix frames once and for all.
    explicit SpeedChange(double step);

    // Audio callback: `frames` interleaved stereo output frames.
    void Render(Mixer& mixer, float* out, size_t frames);
    // Audio callback: the voice on `channel` has just started.
    void CatchUp(Mixer& mixer, uint32_t channel);

private:
    float* Frame(int64_t index) { return ring_.data() + 2 * size_t(index & int64_t(ringFrames_ - 1)); }
    void MixUpTo(Mixer& mixer, int64_t end);

    double step_;
    Kernel kernel_;
    size_t ringFrames_; // a power of two
    std::vector<float> ring_; // mix frames by index modulo ringFrames_
    std::vector<float> window_; // the frames one read takes, where they wrap in the ring
    double position_ = 0; // mix frame under the next output frame
    int64_t mixed_ = 0;   // mix frames made so far
};

} // namespace engine
