#include "engine/renderer.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace engine {
namespace {

std::atomic<uint32_t> g_outputLevel{0xFFFFFFFFu}; // kept across opens

// soxr's buffers grow only while little of them has been consumed; a few very
// long requests at open make them large enough that from then on they are
// compacted in place instead (checked by counting allocations over 200000
// blocks of 1 to 128 frames at speed ratios from 0.05 to 8: none).
constexpr int kPrimeRequests = 4;
constexpr size_t kPrimeFrames = 65536;
constexpr double kMinRatio = 0.05;
constexpr double kMaxRatio = 8.0;

void ApplyLevel(float* out, size_t frames) {
    const uint32_t level = g_outputLevel.load(std::memory_order_relaxed);
    const float left = float(level & 0xFFFFu) / 65535.0f;
    const float right = float(level >> 16) / 65535.0f;
    for (size_t i = 0; i < frames; ++i) {
        out[2 * i] *= left;
        out[2 * i + 1] *= right;
    }
}

} // namespace

void SetOutputLevel(uint32_t level) { g_outputLevel.store(level, std::memory_order_relaxed); }

Renderer::Renderer(int32_t rate, int deviceRate) : deviceRate_(deviceRate) {
    if (int64_t(rate) * kMixRate == int64_t(kNaturalRate) * deviceRate) {
        ready_ = true;
        return;
    }
    // Minimum phase and small transforms keep the delay within a block; the
    // samples are 16-bit, so 16-bit precision keeps the noise below theirs.
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_16_BITQ | SOXR_MINIMUM_PHASE, 0);
    soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    runtime.log2_min_dft_size = 9;
    runtime.log2_large_dft_size = 10;
    const double ratio = double(kMixRate) * rate / kNaturalRate / deviceRate;
    if (ratio < kMinRatio || ratio > kMaxRatio)
        return;
    soxr_error_t error = nullptr;
    resampler_ = soxr_create(ratio * deviceRate, deviceRate, 2, &error, nullptr, &quality, &runtime);
    if (error || soxr_set_input_fn(resampler_, Pull, this, kPullFrames))
        return;
    std::vector<float> scratch(2 * kPrimeFrames);
    for (int i = 0; i < kPrimeRequests; ++i)
        soxr_output(resampler_, scratch.data(), kPrimeFrames);
    ready_ = !soxr_error(resampler_);
}

Renderer::~Renderer() { soxr_delete(resampler_); }

void Renderer::ApplyPending() {
    Command command;
    while (queue_.Pop(command))
        MixerApply(mixer_, command);
}

size_t Renderer::Pull(void* self, soxr_in_t* data, size_t requested) {
    Renderer& renderer = *static_cast<Renderer*>(self);
    const size_t frames = std::min(requested, kPullFrames);
    MixerRender(renderer.mixer_, renderer.pulled_.data(), frames);
    *data = renderer.pulled_.data();
    return frames;
}

void Renderer::RenderBlock(float* out, size_t frames) {
    ApplyPending();
    if (resampler_) {
        const size_t done = soxr_output(resampler_, out, frames);
        std::fill(out + 2 * done, out + 2 * frames, 0.0f);
    } else {
        MixerRender(mixer_, out, frames);
    }
    ApplyLevel(out, frames);
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
