#include "devices/cdaudio/source_stream.h"

#include <sndfile.h>

#include <algorithm>

namespace cdaudio {
namespace {
constexpr std::size_t kChunkFrames = 4096;
// Frames kept behind the decoder: more than a converter looks back, and a
// most of a second of stepping back.
constexpr std::size_t kHistoryFrames = 1 << 15;
}  // namespace

SourceStream::SourceStream(sf_private_tag* file, int channels, bool lossy)
    : file_(file),
      channels_(channels),
      lossy_(lossy),
      input_(new float[kChunkFrames * static_cast<std::size_t>(channels)]),
      history_(lossy ? new float[kHistoryFrames * 2] : nullptr)
{
}

SourceStream::~SourceStream() { sf_close(file_); }

std::size_t SourceStream::Decode(float* stereo, std::size_t frames)
{
    frames = std::min(frames, kChunkFrames);
    sf_count_t got = sf_readf_float(file_, input_.get(), static_cast<sf_count_t>(frames));
    if (got <= 0) return 0;
    for (sf_count_t i = 0; i < got; ++i) {
        const float* frame = &input_[static_cast<std::size_t>(i * channels_)];
        stereo[2 * i] = frame[0];
        stereo[2 * i + 1] = channels_ > 1 ? frame[1] : frame[0];
    }
    return static_cast<std::size_t>(got);
}

bool SourceStream::Seek(std::uint64_t frame)
{
    if (!lossy_) return sf_seek(file_, static_cast<sf_count_t>(frame), SEEK_SET) >= 0;
    position_ = frame;
    if (frame >= decoded_ - kept_) return true;
    // Before what is kept: decode again from the start, where every seek is exact.
    decoded_ = kept_ = 0;
    return sf_seek(file_, 0, SEEK_SET) >= 0;
}

bool SourceStream::DecodeIntoHistory()
{
    std::size_t at = static_cast<std::size_t>(decoded_ % kHistoryFrames);
    std::size_t got = Decode(&history_[at * 2], std::min(kChunkFrames, kHistoryFrames - at));
    decoded_ += got;
    kept_ = std::min<std::uint64_t>(kept_ + got, kHistoryFrames);
    return got > 0;
}

std::size_t SourceStream::Read(float* stereo, std::size_t frames)
{
    if (!lossy_) return Decode(stereo, frames);
    while (position_ >= decoded_) {
        if (!DecodeIntoHistory()) return 0;
    }
    std::size_t at = static_cast<std::size_t>(position_ % kHistoryFrames);
    std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>({frames, decoded_ - position_, kHistoryFrames - at}));
    std::copy(&history_[at * 2], &history_[(at + n) * 2], stereo);
    position_ += n;
    return n;
}

}  // namespace cdaudio
