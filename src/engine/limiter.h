// Keeps the output within full scale without touching a quieter mix: while
// every sample stays below -1 dBFS the output is the mix itself, bit for bit.
// Louder mixes are turned down by a gain that falls within the block that
// needs it and recovers slowly, and whatever still lies above -1 dBFS is
// rounded off softly towards full scale. It looks no further ahead than the
// block it is given, so it adds no delay. Audio callback only.
#pragma once

#include <cstddef>

namespace engine {

class Limiter {
public:
    explicit Limiter(int deviceRate);
    // `frames` interleaved stereo frames, in place.
    void Process(float* out, size_t frames);

private:
    float gain_ = 1.0f;
    float releasePerFrame_; // share of the way back to 1 the gain makes each frame
};

} // namespace engine
