// A renderer for the output's tests: frame n of what it renders holds n in
// both channels, so what a server pulls tells how far the sound has played
// and any gap, repeat or restart shows.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

#include "audio/output.h"

namespace audio_test {

class CountingSource : public audio::Source {
public:
    void Render(void* out, std::size_t frames) override
    {
        auto* samples = static_cast<float*>(out);
        std::uint64_t next = rendered_.load(std::memory_order_relaxed);
        for (std::size_t i = 0; i < frames; ++i, ++next) samples[2 * i] = samples[2 * i + 1] = float(next);
        rendered_.store(next, std::memory_order_release);
        if (stallOnce_.exchange(false)) std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    void HeldFrames(std::uint32_t frames) override { held_.store(frames); }

    std::uint64_t Rendered() const { return rendered_.load(std::memory_order_acquire); }
    std::uint32_t Held() const { return held_.load(); }
    // The next render takes far longer than its block lasts.
    void StallOnce() { stallOnce_.store(true); }

private:
    std::atomic<std::uint64_t> rendered_{0};
    std::atomic<std::uint32_t> held_{0};
    std::atomic<bool> stallOnce_{false};
};

// Waits, yielding, until `done` holds; false after half a minute.
inline bool Eventually(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace audio_test
