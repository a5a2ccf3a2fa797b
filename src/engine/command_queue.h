// Fixed-size single-producer single-consumer queue of requests from the
// control thread to the audio callback. Never allocates after construction.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace engine {

struct Sample;

enum class Op : uint8_t {
    Play,    // start `sample` on `channel` from its first frame, sounding loops + 1 times
    Stop,    // silence `channel`
    StopAll, // silence every channel
    Forget,  // silence every channel that plays `sample`: it is about to be freed
};

struct Command {
    Op op;
    uint8_t channel;
    uint16_t loops;
    const Sample* sample;
};

class CommandQueue {
public:
    static constexpr size_t kCapacity = 256; // a power of two

    // Control thread only. False when full.
    bool Push(const Command& command) {
        const size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) == kCapacity)
            return false;
        slots_[tail & (kCapacity - 1)] = command;
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }

    // Consumer only (the callback, or the control thread while no callback runs).
    bool Pop(Command& command) {
        const size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire))
            return false;
        command = slots_[head & (kCapacity - 1)];
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    // How many commands were ever pushed / taken; the control thread compares
    // them to learn that the consumer has seen a command.
    size_t Pushed() const { return tail_.load(std::memory_order_acquire); }
    size_t Taken() const { return head_.load(std::memory_order_acquire); }

private:
    std::array<Command, kCapacity> slots_{};
    alignas(64) std::atomic<size_t> head_{0};
    alignas(64) std::atomic<size_t> tail_{0};
};

} // namespace engine
