// Samples decoded at load time into the engine's mixing format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace engine {

// Every sample is stored at this rate whatever its file's rate: mixing at one
// rate lets the whole mix be resampled once for the output speed.
constexpr int kMixRate = 44100;

// 16-bit storage keeps a minute of stereo under 11 MB while staying far below
// the resampler's noise floor for 16-bit sources.
struct Sample {
    std::vector<int16_t> pcm; // interleaved, `channels` per frame
    size_t frames = 0;        // frames at kMixRate, > 0
    int channels = 0;         // 1 or 2
};

// Reads and decodes a file (anything libsndfile reads) a slice at a time,
// resampling it to kMixRate, so that a load needs little beyond the sample
// itself. Null when the file cannot be read, holds no audio, or is longer
// than kMaxSeconds. Control thread only: it reads files and allocates.
constexpr int kMaxSeconds = 600;
std::unique_ptr<Sample> DecodeSample(const char* path);

} // namespace engine
