// The audio-callback side of the player. Render runs on whichever thread
// drives the output (PortAudio's callback, the null output's clock, or the
// caller of AdvanceVirtualOutput), one at a time.
//
// Render never locks, allocates, logs or touches files: it takes the latest
// request from the mailbox, frames from the ring, and publishes what it
// played.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "devices/cdaudio/block_ring.h"

namespace cdaudio {

// What the output has played, packed into one word so that it is read whole.
struct PlayedState {
    std::uint32_t generation;  // of the request taken last
    bool playing;
    std::uint64_t position;    // disc frame after the last frame heard
};

class Renderer {
public:
    RequestMailbox& Requests() { return requests_; }
    BlockRing& Ring() { return ring_; }

    // Audio thread: fills `frames` interleaved stereo frames.
    void Render(std::int16_t* out, std::size_t frames);

    // Any thread.
    PlayedState Played() const;
    std::uint64_t FramesOut() const { return framesOut_.load(std::memory_order_acquire); }
    void SetLevel(std::uint32_t level) { level_.store(level, std::memory_order_relaxed); }

private:
    void TakeRequests();
    void Publish();

    RequestMailbox requests_;
    BlockRing ring_;
    std::atomic<std::uint64_t> played_{0};
    std::atomic<std::uint64_t> framesOut_{0};
    std::atomic<std::uint32_t> level_{0xFFFFFFFFu};

    // Owned by the audio thread.
    std::uint32_t generation_ = 0;
    bool playing_ = false;
    std::uint64_t position_ = 0;
    std::uint32_t consumed_ = 0;  // frames taken from the front block
};

}  // namespace cdaudio
