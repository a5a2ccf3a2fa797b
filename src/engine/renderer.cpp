#include "engine/renderer.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace engine {
namespace {

std::atomic<uint32_t> g_outputLevel{0xFFFFFFFFu}; // kept across opens
std::atomic<bool> g_testHold{false}; // see HoldCallbacks
std::atomic<int> g_held{0}; // callbacks waiting at the hold

// The speeds the engine plays: a twentieth to eight times the natural one.
constexpr double kMinStep = 0.05;
constexpr double kMaxStep = 8.0;

double Step(int32_t rate, int deviceRate) {
    if (deviceRate <= 0)
        return 0.0;
    if (int64_t(rate) * kMixRate == int64_t(kNaturalRate) * deviceRate)
        return 1.0;
    return double(kMixRate) * rate / kNaturalRate / deviceRate;
}

void ApplyLevel(float* out, size_t frames) {
    const uint32_t level = g_outputLevel.load(std::memory_order_relaxed);
    const float left = float(level & 0xFFFFu) / 65535.0f;
    const float right = float(level >> 16) / 65535.0f;
    for (size_t i = 0; i < frames; ++i) {
        out[2 * i] *= left;
        out[2 * i + 1] *= right;
    }
}

// Only ever reached while a test holds the callbacks.
void WaitWhileHeld() {
    g_held.fetch_add(1, std::memory_order_acq_rel);
    while (g_testHold.load(std::memory_order_acquire))
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    g_held.fetch_sub(1, std::memory_order_acq_rel);
}

} // namespace

void SetOutputLevel(uint32_t level) { g_outputLevel.store(level, std::memory_order_relaxed); }

bool HoldCallbacks(bool hold, std::chrono::milliseconds patience) {
    g_testHold.store(hold, std::memory_order_release);
    if (!hold)
        return true;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (g_held.load(std::memory_order_acquire) == 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
}

Renderer::Renderer(int32_t rate, int deviceRate) : limiter_(deviceRate), deviceRate_(deviceRate) {
    const double step = Step(rate, deviceRate);
    ready_ = step >= kMinStep && step <= kMaxStep;
    if (ready_ && step != 1.0)
        speed_.emplace(step);
}

void Renderer::ApplyPending() {
    Command command;
    while (queue_.Pop(command)) {
        MixerApply(mixer_, command);
        if (command.op == Op::Play && speed_)
            speed_->CatchUp(mixer_, command.channel);
    }
}

void Renderer::RenderBlock(float* out, size_t frames) {
    if (g_testHold.load(std::memory_order_relaxed))
        WaitWhileHeld();
    ApplyPending();
    if (speed_)
        speed_->Render(mixer_, out, frames);
    else
        MixerRender(mixer_, out, frames);
    ApplyLevel(out, frames);
    limiter_.Process(out, frames);
}

void Renderer::Render(float* out, size_t frames) {
    while (frames > 0) {
        const size_t block = std::min(frames, kBlockFrames);
        RenderBlock(out, block);
        out += 2 * block;
        frames -= block;
    }
}

} // namespace engine
