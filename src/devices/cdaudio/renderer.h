// The audio-callback side of the player. Render runs on whichever thread
// drives the output (its back end's callback, its silent clock, or the
// caller of AdvanceVirtualOutput), one at a time.
//
// Render never locks, allocates, logs or touches files: it takes the latest
// request from the mailbox, frames from the ring, and publishes what it
// played.
//
// What it publishes is what has been heard: a sound card holds the frames
// of its output latency before the listener hears them, so the renderer
// keeps what it rendered in each recent call and publishes the position of
// the frame that is at the listener now. Every request is heard at once (the
// output drops what it held), so a new request starts that record afresh.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "audio/output.h"
#include "devices/cdaudio/block_ring.h"

namespace cdaudio {

// What the output has played, packed into one word so that it is read whole.
struct PlayedState {
    std::uint32_t generation;  // of the request taken last
    bool playing;
    std::uint64_t position;    // disc frame after the last frame heard
};

class Renderer : public audio::Source {
public:
    RequestMailbox& Requests() { return requests_; }
    BlockRing& Ring() { return ring_; }

    // Audio thread: fills `frames` interleaved stereo frames.
    void Render(std::int16_t* out, std::size_t frames);
    void Render(void* out, std::size_t frames) override { Render(static_cast<std::int16_t*>(out), frames); }
    void HeldFrames(std::uint32_t frames) override { SetOutputLatency(frames); }

    // The output, while Render does not run: frames rendered before the
    // listener hears them (0 for outputs that hold none).
    void SetOutputLatency(std::uint32_t frames) { latency_.store(frames, std::memory_order_relaxed); }

    // Any thread.
    PlayedState Played() const;
    std::uint64_t FramesOut() const { return framesOut_.load(std::memory_order_acquire); }
    // Calls that found the ring empty in the middle of play.
    std::uint64_t Underruns() const { return underruns_.load(std::memory_order_relaxed); }
    void SetLevel(std::uint32_t level) { level_.store(level, std::memory_order_relaxed); }

private:
    // One call of Render, in output frames and disc positions.
    struct Rendered {
        std::uint64_t framesEnd = 0;  // FramesOut after the call
        std::uint32_t frames = 0;
        std::uint64_t positionStart = 0;
        std::uint64_t positionEnd = 0;
        bool playing = false;         // at the end of the call
    };
    // Enough calls for half a second of latency at 64-frame callbacks.
    static constexpr std::size_t kRemembered = 512;

    void TakeRequests();
    void Remember(const Rendered& call);
    void PublishHeard();

    RequestMailbox requests_;
    BlockRing ring_;
    std::atomic<std::uint64_t> played_{0};
    std::atomic<std::uint64_t> framesOut_{0};
    std::atomic<std::uint64_t> underruns_{0};
    std::atomic<std::uint32_t> latency_{0};
    std::atomic<std::uint32_t> level_{0xFFFFFFFFu};

    // Owned by the audio thread.
    std::uint32_t generation_ = 0;
    bool playing_ = false;
    bool begun_ = false;            // a frame of the current request was played
    std::uint64_t position_ = 0;
    std::uint64_t heard_ = 0;       // published position; never goes back within a request
    std::uint32_t consumed_ = 0;    // frames taken from the front block
    std::array<Rendered, kRemembered> calls_{};
    std::size_t callCount_ = 0;     // remembered calls of the current request
    std::size_t nextCall_ = 0;
};

}  // namespace cdaudio
