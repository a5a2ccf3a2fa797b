// What the audio callback runs: takes the queued requests, mixes the voices at
// kMixRate and resamples the mix once to the device at the speed rate/22050.
#ifndef TORNEL_ENGINE_RENDERER_H
#define TORNEL_ENGINE_RENDERER_H

#include "engine/command_queue.h"
#include "engine/mixer.h"

#include <soxr.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace engine {

// Requests take effect at block boundaries; PortAudio is asked for blocks of
// this size and longer renders are cut into them.
constexpr size_t kBlockFrames = 128;
// The output rate at which a sample plays at its natural speed.
constexpr int32_t kNaturalRate = 22050;

class Renderer {
public:
    // Control thread. The resampler is created, and primed so that its buffers
    // have reached a size they never outgrow, here: the callback never makes it
    // allocate.
    Renderer(int32_t rate, int deviceRate);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    bool Ready() const { return ready_; }
    int DeviceRate() const { return deviceRate_; }
    CommandQueue& Queue() { return queue_; }

    // Audio callback: `frames` interleaved stereo frames at the device rate.
    void Render(float* out, size_t frames);
    // Takes every queued request. Called by the callback at each block, and
    // by the control thread only while no callback can run.
    void ApplyPending();

private:
    static constexpr size_t kPullFrames = 64; // small: little mix buffered ahead
    static size_t Pull(void* self, soxr_in_t* data, size_t requested);
    void RenderBlock(float* out, size_t frames);

    CommandQueue queue_;
    Mixer mixer_;
    soxr_t resampler_ = nullptr; // null when the speed factor is exactly 1
    std::array<float, 2 * kPullFrames> pulled_{};
    int deviceRate_;
    bool ready_ = false;
};

// The wave output level: left in the low 16 bits, right in the high.
void SetOutputLevel(uint32_t level);

} // namespace engine

#endif
