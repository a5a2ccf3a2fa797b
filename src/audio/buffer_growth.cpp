#include "audio/buffer_growth.h"

#include <algorithm>

namespace audio {

bool BufferGrowth::Observe(std::uint64_t underflows, Clock::time_point now)
{
    const bool underflowed = underflows > seen_;
    seen_ = underflows;
    if (underflowed) {
        lastChange_ = now;
        if (wanted_ >= longest_) return false;
        wanted_ = std::min(wanted_ * 2, longest_);
        return true;
    }
    if (wanted_ > shortest_ && now - lastChange_ >= quietWhile_) {
        lastChange_ = now;
        wanted_ = std::max(wanted_ / 2, shortest_);
        return true;
    }
    return false;
}

}  // namespace audio
