#include <soxr.h>

#include <algorithm>
#include <cstring>

#include "audio/back_end.h"

namespace audio {
namespace {

// The renderer's 16-bit frames are turned to float a slice at a time.
constexpr std::size_t kPcmFrames = 1024;
// Converted frames kept for the next pull: far more than one block yields.
constexpr std::size_t kFifoFrames = 16384;

}  // namespace

Feed::Feed(Output& owner, std::uint32_t id, const OutputConfig& config)
    : owner_(owner), id_(id), config_(config)
{
    if (config_.format == SampleFormat::Int16) pcm_.resize(kPcmFrames * 2);
}

Feed::~Feed()
{
    if (converter_) soxr_delete(converter_);
}

bool Feed::Prepare(int sinkRate)
{
    if (sinkRate == config_.rate) return true;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    converter_ = soxr_create(config_.rate, sinkRate, 2, &error, nullptr, &quality, nullptr);
    if (error) {
        converter_ = nullptr;
        return false;
    }
    in_.resize(config_.blockFrames * 2);
    fifo_.resize(kFifoFrames * 2);
    // One block of silence through the converter now, so that it has made
    // its buffers before the callback first uses it.
    std::fill(in_.begin(), in_.end(), 0.0f);
    std::size_t done = 0;
    soxr_process(converter_, in_.data(), config_.blockFrames, nullptr, fifo_.data(), kFifoFrames, &done);
    fifoFrames_ = done;
    return true;
}

std::uint32_t Feed::ConversionDelay() const
{
    return converter_ ? static_cast<std::uint32_t>(soxr_delay(converter_)) : 0;
}

void Feed::RenderFloat(Source& source, float* out, std::size_t frames)
{
    if (config_.format == SampleFormat::Float32) {
        source.Render(out, frames);
        return;
    }
    while (frames > 0) {
        const std::size_t n = std::min(frames, kPcmFrames);
        source.Render(pcm_.data(), n);
        for (std::size_t i = 0; i < 2 * n; ++i) out[i] = pcm_[i] * (1.0f / 32768.0f);
        out += 2 * n;
        frames -= n;
    }
}

void Feed::Fill(Source& source, float* out, std::size_t frames)
{
    if (!converter_) {
        RenderFloat(source, out, frames);
        return;
    }
    while (frames > 0) {
        if (fifoFrames_ == 0) {
            RenderFloat(source, in_.data(), config_.blockFrames);
            std::size_t done = 0;
            soxr_process(converter_, in_.data(), config_.blockFrames, nullptr, fifo_.data(), kFifoFrames, &done);
            fifoFrames_ = done;
            continue;
        }
        const std::size_t n = std::min(frames, fifoFrames_);
        std::memcpy(out, fifo_.data(), n * 2 * sizeof(float));
        std::memmove(fifo_.data(), fifo_.data() + 2 * n, (fifoFrames_ - n) * 2 * sizeof(float));
        fifoFrames_ -= n;
        out += 2 * n;
        frames -= n;
    }
}

}  // namespace audio
