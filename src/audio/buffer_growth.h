// How long a buffer the pads ask of PulseAudio: short while the server keeps
// up, doubled at each burst of underflows up to a ceiling, and halved again
// after a quiet while. Keeper thread only.
#pragma once

#include <chrono>
#include <cstdint>

namespace audio {

class BufferGrowth {
public:
    using Clock = std::chrono::steady_clock;
    BufferGrowth(std::chrono::milliseconds shortest, std::chrono::milliseconds longest,
                 std::chrono::milliseconds quietWhile)
        : shortest_(shortest), longest_(longest), quietWhile_(quietWhile), wanted_(shortest)
    {
    }

    // `underflows`: the server's count so far. True when the wanted length changed.
    bool Observe(std::uint64_t underflows, Clock::time_point now);
    std::chrono::milliseconds Wanted() const { return wanted_; }

private:
    const std::chrono::milliseconds shortest_;
    const std::chrono::milliseconds longest_;
    const std::chrono::milliseconds quietWhile_;
    std::chrono::milliseconds wanted_;
    std::uint64_t seen_ = 0;
    Clock::time_point lastChange_{};
};

}  // namespace audio
