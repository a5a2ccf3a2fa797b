// Raises the threads an audio callback runs on. PortAudio starts a new
// thread with each start of a stream, and the callback may not wait on the
// RealtimeKit service itself, so it only reports its thread and a watcher of
// its own raises each new one.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "audio/thread_priority.h"

namespace audio {

class CallbackRaiser {
public:
    explicit CallbackRaiser(ThreadRole role);
    ~CallbackRaiser();
    CallbackRaiser(const CallbackRaiser&) = delete;
    CallbackRaiser& operator=(const CallbackRaiser&) = delete;

    // Audio callback: never waits.
    void Report()
    {
        const long thread = CurrentThreadId();
        if (thread_.load(std::memory_order_relaxed) != thread) thread_.store(thread, std::memory_order_relaxed);
    }

private:
    void Watch();

    const ThreadRole role_;
    std::atomic<long> thread_{0};
    std::mutex lock_;
    std::condition_variable stopped_;
    bool stop_ = false;
    std::thread watcher_;
};

}  // namespace audio
