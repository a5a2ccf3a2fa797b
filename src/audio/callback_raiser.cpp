#include "audio/callback_raiser.h"

#include <chrono>

namespace audio {
namespace {

// How soon a new callback thread is raised.
constexpr auto kWatch = std::chrono::milliseconds(50);

}  // namespace

CallbackRaiser::CallbackRaiser(ThreadRole role) : role_(role), watcher_([this] { Watch(); }) {}

CallbackRaiser::~CallbackRaiser()
{
    {
        std::lock_guard guard(lock_);
        stop_ = true;
    }
    stopped_.notify_all();
    watcher_.join();
}

void CallbackRaiser::Watch()
{
    long raised = 0;
    std::unique_lock guard(lock_);
    while (!stopped_.wait_for(guard, kWatch, [this] { return stop_; })) {
        const long thread = thread_.load(std::memory_order_relaxed);
        if (thread == 0 || thread == raised) continue;
        guard.unlock();
        RaiseThread(thread, role_);
        raised = thread;
        guard.lock();
    }
}

}  // namespace audio
