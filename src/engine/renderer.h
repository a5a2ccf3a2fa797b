// What the audio callback runs: takes the queued requests, mixes the voices at
// kMixRate, plays the mix at the speed rate/22050 on the device, and keeps it
// within full scale.
#pragma once

#include "audio/output.h"
#include "engine/command_queue.h"
#include "engine/limiter.h"
#include "engine/voice_mix.h"
#include "engine/speed_change.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace engine {

// Requests take effect at block boundaries; the output is asked for blocks
// of this size and longer renders are cut into them.
constexpr size_t kBlockFrames = 128;
// What an engine that plays through its output renders at; the output
// converts it for a server or card that runs at another rate.
constexpr int kOutputRate = 44100;
// The output rate at which a sample plays at its natural speed.
constexpr int32_t kNaturalRate = 22050;

class Renderer : public audio::Source {
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
    void Render(void* out, size_t frames) override { Render(static_cast<float*>(out), frames); }
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

// A seam for the suite's tests of a callback that stops answering, kept in
// the program since the engine library is one build for both: while held,
// every callback stops at the start of its next block and waits there; the
// program never holds, and the callback pays one relaxed load a block.
// Holding returns once a callback is waiting, or false when none came within
// `patience`.
bool HoldCallbacks(bool hold, std::chrono::milliseconds patience);

} // namespace engine
