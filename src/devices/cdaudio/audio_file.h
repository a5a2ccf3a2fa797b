// One audio file that libsndfile reads, seen as 44.1 kHz stereo 16-bit:
// mono is doubled, extra channels dropped, other rates converted by libsoxr.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SF_INFO;
struct soxr;

namespace cdaudio {

class SourceStream;

// A float sample as a 16-bit one: NaN becomes silence, beyond full scale
// (infinities too) clamps.
std::int16_t ToSample(float value);

class AudioFile {
public:
    // Null when the file cannot be opened as audio or holds none.
    static std::unique_ptr<AudioFile> Open(const std::string& path);
    ~AudioFile();
    // The length Open would give, without getting ready to read; 0 when
    // the file would not open.
    static std::uint64_t LengthOf(const std::string& path);

    // Length in 44.1 kHz frames.
    std::uint64_t Length() const { return length_; }
    // Fills `frames` frames from `at` (44.1 kHz timeline); what cannot be
    // read is silence and makes the result false.
    bool Read(std::uint64_t at, std::int16_t* out, std::size_t frames);

private:
    AudioFile() = default;
    static std::uint64_t LengthOf(const SF_INFO& info);
    bool SeekTo(std::uint64_t at);
    std::size_t ReadSource(std::size_t frames);
    std::size_t ReadFrames(std::int16_t* out, std::size_t frames);
    static std::size_t SupplyInput(void* state, const void** data, std::size_t frames);

    std::unique_ptr<SourceStream> source_;
    soxr* resampler_ = nullptr;      // only when the rate differs
    int rate_ = 0;
    std::uint64_t length_ = 0;
    std::uint64_t next_ = 0;         // the frame the next sequential read gives
    std::uint64_t span_ = 0;              // converted files: restart spacing
    std::uint64_t converterPreroll_ = 0;  // source frames
    bool positioned_ = false;
    bool converterUsed_ = false;
    bool inputEnded_ = false;
    std::vector<float> stereo_;      // that chunk as stereo
    std::vector<float> converted_;
    std::vector<std::int16_t> discarded_;  // frames read only to be thrown away
};

}  // namespace cdaudio
