// The frames of an audio file as libsndfile decodes them, as stereo float,
// from any position exactly. libsndfile's seek in a lossy stream (Ogg) can
// land hundreds of frames off, so there positions are reached by decoding
// on from where the decoder is, or from the start; the last frames decoded
// are kept, so that stepping back a little costs nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

struct sf_private_tag;

namespace cdaudio {

class SourceStream {
public:
    // Takes the open file; `lossy` when its seek cannot be trusted.
    SourceStream(sf_private_tag* file, int channels, bool lossy);
    ~SourceStream();
    SourceStream(const SourceStream&) = delete;
    SourceStream& operator=(const SourceStream&) = delete;

    bool Seek(std::uint64_t frame);
    // Up to `frames` stereo frames from the position on; 0 at the end.
    std::size_t Read(float* stereo, std::size_t frames);

private:
    std::size_t Decode(float* stereo, std::size_t frames);
    bool DecodeIntoHistory();

    sf_private_tag* file_;
    int channels_;
    bool lossy_;
    // Left uninitialised: they are large, and every frame is written
    // before it is read.
    std::unique_ptr<float[]> input_;  // one chunk, all channels
    // Lossy streams only: the position handed out next, the decoder's
    // position, and the frames before it in a ring.
    std::uint64_t position_ = 0;
    std::uint64_t decoded_ = 0;
    std::uint64_t kept_ = 0;
    std::unique_ptr<float[]> history_;
};

}  // namespace cdaudio
