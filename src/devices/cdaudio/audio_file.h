// One audio file that libsndfile reads, seen as 44.1 kHz stereo 16-bit:
// mono is doubled, extra channels dropped, other rates converted by libsoxr.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct sf_private_tag;
struct soxr;

namespace cdaudio {

class AudioFile {
public:
    // Null when the file cannot be opened as audio or holds none.
    static std::unique_ptr<AudioFile> Open(const std::string& path);
    ~AudioFile();

    // Length in 44.1 kHz frames.
    std::uint64_t Length() const { return length_; }
    // Fills `frames` frames from `at` (44.1 kHz timeline); what cannot be
    // read is silence and makes the result false.
    bool Read(std::uint64_t at, std::int16_t* out, std::size_t frames);

private:
    AudioFile() = default;
    bool SeekTo(std::uint64_t at);
    std::size_t ReadSource(std::size_t frames);
    std::size_t ReadFrames(std::int16_t* out, std::size_t frames);
    static std::size_t SupplyInput(void* state, const void** data, std::size_t frames);

    sf_private_tag* file_ = nullptr;
    soxr* resampler_ = nullptr;      // only when the rate differs
    int channels_ = 0;
    int rate_ = 0;
    std::uint64_t length_ = 0;
    std::uint64_t next_ = 0;         // the frame the next sequential read gives
    bool positioned_ = false;
    bool inputEnded_ = false;
    std::vector<float> input_;       // one chunk of source frames, all channels
    std::vector<float> stereo_;      // that chunk as stereo
    std::vector<float> converted_;
};

}  // namespace cdaudio
