#include "engine/sample.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

constexpr sf_count_t kReadFrames = 16384;

struct FileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

// The first one or two channels of the file as interleaved floats, or an
// empty vector when the file is unreadable or too long.
std::vector<float> ReadFrames(SNDFILE* file, const SF_INFO& info, int channels) {
    const size_t limit = size_t(info.samplerate) * kMaxSeconds;
    std::vector<float> block(size_t(kReadFrames) * info.channels);
    std::vector<float> pcm;
    size_t frames = 0;
    sf_count_t got;
    while ((got = sf_readf_float(file, block.data(), kReadFrames)) > 0) {
        if (frames + size_t(got) > limit)
            return {};
        pcm.resize((frames + size_t(got)) * channels);
        float* out = pcm.data() + frames * channels;
        for (sf_count_t f = 0; f < got; ++f)
            for (int c = 0; c < channels; ++c)
                *out++ = block[size_t(f) * info.channels + c];
        frames += size_t(got);
    }
    return pcm;
}

std::vector<float> ToMixRate(const std::vector<float>& pcm, int rate, int channels) {
    if (pcm.empty() || rate == kMixRate)
        return pcm;
    const size_t inFrames = pcm.size() / channels;
    const size_t outFrames = size_t(std::llround(double(inFrames) * kMixRate / rate));
    std::vector<float> out(std::max<size_t>(outFrames, 1) * channels);
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    size_t done = 0;
    if (soxr_oneshot(rate, kMixRate, unsigned(channels), pcm.data(), inFrames, nullptr, out.data(),
                     outFrames, &done, &io, &quality, &runtime))
        return {};
    out.resize(done * channels);
    return out;
}

int16_t ToInt16(float value) {
    const long scaled = std::lround(double(value) * 32768.0);
    return int16_t(std::clamp(scaled, -32768L, 32767L));
}

} // namespace

std::unique_ptr<Sample> DecodeSample(const char* path) {
    SF_INFO info{};
    std::unique_ptr<SNDFILE, FileCloser> file(sf_open(path, SFM_READ, &info));
    if (!file || info.channels < 1 || info.samplerate < 1000 || info.samplerate > 768000)
        return nullptr;
    const int channels = std::min(info.channels, 2);
    const std::vector<float> pcm = ToMixRate(ReadFrames(file.get(), info, channels), info.samplerate,
                                             channels);
    if (pcm.empty())
        return nullptr;
    auto sample = std::make_unique<Sample>();
    sample->channels = channels;
    sample->frames = pcm.size() / channels;
    sample->pcm.resize(sample->frames * channels);
    std::transform(pcm.begin(), pcm.begin() + sample->pcm.size(), sample->pcm.begin(), ToInt16);
    return sample;
}

} // namespace engine
