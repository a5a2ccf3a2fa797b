// The lock-free channels between the threads of the player:
//   worker -> audio callback: BlockRing, blocks of decoded frames;
//   GUI -> audio callback: CommandQueue, play and hold requests.
// Both are single-producer single-consumer with fixed storage.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace cdaudio {

constexpr std::size_t kBlockFrames = 2048;
constexpr std::size_t kRingBlocks = 16;  // about 0.75 s of sound

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

// What the audio callback is to do from its next block on.
struct PlayerRequest {
    std::uint32_t generation = 0;
    bool play = false;        // false: hold at `at`
    std::uint64_t at = 0;     // disc frame
};

template <std::size_t Capacity>
class RequestQueue {
public:
    bool Push(const PlayerRequest& request)
    {
        std::uint64_t head = head_.load(std::memory_order_relaxed);
        if (head - tail_.load(std::memory_order_acquire) == Capacity) return false;
        slots_[head % Capacity] = request;
        head_.store(head + 1, std::memory_order_release);
        return true;
    }
    bool Pop(PlayerRequest& request)
    {
        std::uint64_t tail = tail_.load(std::memory_order_relaxed);
        if (tail == head_.load(std::memory_order_acquire)) return false;
        request = slots_[tail % Capacity];
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }

private:
    std::array<PlayerRequest, Capacity> slots_{};
    alignas(64) std::atomic<std::uint64_t> head_{0};
    alignas(64) std::atomic<std::uint64_t> tail_{0};
};

}  // namespace cdaudio
