// What the audio callback runs: takes the queued requests, mixes the voices at
// kMixRate, plays the mix at the speed rate/22050 on the device, and keeps it
// within full scale.
#pragma once

#include "engine/command_queue.h"
#include "engine/limiter.h"
#include "engine/voice_mix.h"
#include "engine/speed_change.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace engine {

// Requests take effect at block boundaries; PortAudio is asked for blocks of
// this size and longer renders are cut into them.
constexpr size_t kBlockFrames = 128;
// The output rate at which a sample plays at its natural speed.
constexpr int32_t kNaturalRate = 22050;

class Renderer {
public:
    // Control thread.
    Renderer(int32_t rate, int deviceRate);
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // False when the rate asks for a speed the engine does not play.
    bool Ready() const { return ready_; }
    int DeviceRate() const { return deviceRate_; }
    CommandQueue& Queue() { return queue_; }

    // Audio callback: `frames` interleaved stereo frames at the device rate.
    void Render(float* out, size_t frames);
    // Takes every queued request. Called by the callback at each block, and
    // by the control thread only while no callback can run.
    void ApplyPending();

private:
    void RenderBlock(float* out, size_t frames);

    CommandQueue queue_;
    Mixer mixer_;
    std::optional<SpeedChange> speed_; // none when the mix plays as it is
    Limiter limiter_;
    int deviceRate_;
    bool ready_;
};

// The wave output level: left in the low 16 bits, right in the high.
void SetOutputLevel(uint32_t level);

// Test hook: while held, every callback stops at the start of its next block
// and waits there. Holding returns once a callback is waiting, or false when
// none came within `patience`.
bool HoldCallbacks(bool hold, std::chrono::milliseconds patience);

} // namespace engine
