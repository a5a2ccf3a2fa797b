// The lock-free channels between the threads of the player:
//   worker -> audio callback: BlockRing, blocks of decoded frames, single
//   producer and single consumer over fixed storage;
//   GUI -> audio callback: RequestMailbox, the latest play or hold request.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace cdaudio {

constexpr std::size_t kBlockFrames = 2048;
// About 1.1 s of sound. The disc's reader runs below the pads' threads, so
// steady playback keeps 0.9 s decoded ahead to ride out a busy machine.
constexpr std::size_t kRingBlocks = 24;
// Steady playback leaves this many blocks free, so that the first blocks of
// a new request go in at once, behind the old ones the callback will drop.
constexpr std::size_t kHeadroomBlocks = 4;

struct AudioBlock {
    std::uint32_t generation = 0;  // the request it was read for
    bool endOfDisc = false;        // no frames: the disc ends at `start`
    std::uint64_t start = 0;       // disc frame of the first frame
    std::uint32_t frames = 0;
    std::int16_t samples[kBlockFrames * 2];
};

class BlockRing {
public:
    // Producer: the slot to fill, or null when the ring is full.
    AudioBlock* WriteSlot()
    {
        std::uint64_t head = head_.load(std::memory_order_relaxed);
        if (head - tail_.load(std::memory_order_acquire) == kRingBlocks) return nullptr;
        return &blocks_[head % kRingBlocks];
    }
    std::size_t Filled() const
    {
        return static_cast<std::size_t>(head_.load(std::memory_order_relaxed) - tail_.load(std::memory_order_acquire));
    }
    void Publish() { head_.store(head_.load(std::memory_order_relaxed) + 1, std::memory_order_release); }

    // Consumer: the oldest block, or null when the ring is empty.
    const AudioBlock* Front() const
    {
        std::uint64_t tail = tail_.load(std::memory_order_relaxed);
        if (tail == head_.load(std::memory_order_acquire)) return nullptr;
        return &blocks_[tail % kRingBlocks];
    }
    void Pop() { tail_.store(tail_.load(std::memory_order_relaxed) + 1, std::memory_order_release); }

private:
    std::array<AudioBlock, kRingBlocks> blocks_;
    alignas(64) std::atomic<std::uint64_t> head_{0};
    alignas(64) std::atomic<std::uint64_t> tail_{0};
};

// Requests carry a generation number of this many bits, so that a request
// fits one atomic word with its position. It wraps; comparisons allow for it.
constexpr int kGenerationBits = 23;
constexpr std::uint32_t kGenerationMask = (1u << kGenerationBits) - 1;

// -1, 0 or 1 as generation `a` is older than, the same as or newer than `b`.
inline int CompareGenerations(std::uint32_t a, std::uint32_t b)
{
    std::uint32_t ahead = (a - b) & kGenerationMask;
    return ahead == 0 ? 0 : ahead < (kGenerationMask >> 1) ? 1 : -1;
}

// What the audio callback is to do from its next block on. Each request
// says everything (play or hold, and where), so only the latest matters.
struct PlayerRequest {
    std::uint32_t generation = 0;
    bool play = false;        // false: hold at `at`
    std::uint64_t at = 0;     // disc frame
};

// One word packing a generation, a flag and a position: what the GUI asks
// for (RequestMailbox) and what the callback has played (Renderer).
constexpr int kPositionBits = 40;
constexpr std::uint64_t kPositionMask = (std::uint64_t{1} << kPositionBits) - 1;

inline std::uint64_t Pack(std::uint32_t generation, bool flag, std::uint64_t position)
{
    return std::uint64_t{generation & kGenerationMask} << (kPositionBits + 1) | std::uint64_t{flag} << kPositionBits |
           (position & kPositionMask);
}

inline PlayerRequest Unpack(std::uint64_t word)
{
    return {static_cast<std::uint32_t>(word >> (kPositionBits + 1)) & kGenerationMask,
            ((word >> kPositionBits) & 1) != 0, word & kPositionMask};
}

// GUI -> callback: the latest request in one atomic word. It never fills
// up and neither side waits: a request posted before the callback took the
// previous one simply replaces it.
class RequestMailbox {
public:
    void Post(const PlayerRequest& request)
    {
        word_.store(Pack(request.generation, request.play, request.at), std::memory_order_release);
    }
    PlayerRequest Latest() const { return Unpack(word_.load(std::memory_order_acquire)); }

private:
    std::atomic<std::uint64_t> word_{0};
};

}  // namespace cdaudio
