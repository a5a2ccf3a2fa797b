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

// Fed in slices: soxr keeps a whole one-shot input in its FIFO and moves it
// along as it goes, which turns long files quadratic.
std::vector<float> ToMixRate(const std::vector<float>& pcm, int rate, int channels) {
    if (pcm.empty() || rate == kMixRate)
        return pcm;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    soxr_error_t error = nullptr;
    std::unique_ptr<soxr, decltype(&soxr_delete)> resampler(
        soxr_create(rate, kMixRate, unsigned(channels), &error, nullptr, &quality, &runtime), soxr_delete);
    if (error)
        return {};
    const size_t inFrames = pcm.size() / channels;
    std::vector<float> out;
    // Room for what one slice of input can give at this rate's ratio.
    std::vector<float> slice(size_t(kReadFrames) * channels * (kMixRate / rate + 1));
    const size_t sliceFrames = slice.size() / channels;
    size_t taken = 0;
    while (true) {
        const size_t ilen = std::min<size_t>(kReadFrames, inFrames - taken);
        const float* in = ilen ? pcm.data() + taken * channels : nullptr; // null ends the input
        size_t idone = 0, odone = 0;
        if (soxr_process(resampler.get(), in, ilen, &idone, slice.data(), sliceFrames, &odone))
            return {};
        out.insert(out.end(), slice.begin(), slice.begin() + odone * channels);
        taken += idone;
        if (!in && odone < sliceFrames)
            return out;
    }
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
