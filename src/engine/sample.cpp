#include "engine/sample.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "audio/sound_file.h"

namespace engine {
namespace {

// Read, resampled and converted a slice at a time, so that a load holds the
// finished sample plus a few slices, however long the file.
constexpr size_t kSliceFrames = 16384;
// Room beyond the length the file announces, for the resampler's rounding.
constexpr size_t kSlackFrames = 256;

struct FileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

// A float file may hold NaN or infinities: NaN becomes silence, an infinity
// full scale, before the resampler could spread them.
float CleanSample(float value) {
    if (std::isnan(value))
        return 0.0f;
    return std::clamp(value, -1.0f, 1.0f);
}

// The resampler may overshoot full scale a little: clamped again here.
int16_t SampleToInt16(float value) {
    const long scaled = std::lround(double(CleanSample(value)) * 32768.0);
    return int16_t(std::min(scaled, 32767L));
}

using Resampler = std::unique_ptr<soxr, decltype(&soxr_delete)>;

// Null when the file is already at kMixRate.
Resampler MakeResampler(int rate, int channels, bool& failed) {
    failed = false;
    if (rate == kMixRate)
        return Resampler(nullptr, soxr_delete);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    soxr_error_t error = nullptr;
    Resampler resampler(soxr_create(rate, kMixRate, unsigned(channels), &error, nullptr, &quality, &runtime),
                        soxr_delete);
    failed = error != nullptr;
    return resampler;
}

void Append(std::vector<int16_t>& pcm, const float* values, size_t count) {
    std::transform(values, values + count, std::back_inserter(pcm), SampleToInt16);
}

// Takes every frame of `in` (null ends the input and drains what the
// resampler still holds) and appends what comes out.
bool Resample(soxr_t resampler, const float* in, size_t frames, int channels, std::vector<float>& room,
              std::vector<int16_t>& pcm) {
    const size_t roomFrames = room.size() / size_t(channels);
    while (true) {
        size_t idone = 0, odone = 0;
        if (soxr_process(resampler, in, frames, &idone, room.data(), roomFrames, &odone))
            return false;
        Append(pcm, room.data(), odone * size_t(channels));
        if (in) {
            in += idone * size_t(channels);
            frames -= idone;
            if (frames == 0 && odone < roomFrames)
                return true;
        } else if (odone < roomFrames) {
            return true;
        }
    }
}

// Frames the whole file will give at kMixRate, when the file says its length.
size_t ExpectedFrames(const SF_INFO& info) {
    if (info.frames <= 0 || info.frames > sf_count_t(info.samplerate) * kMaxSeconds)
        return 0;
    return size_t(double(info.frames) * kMixRate / info.samplerate) + kSlackFrames;
}

} // namespace

std::unique_ptr<Sample> DecodeSample(const char* path) {
    SF_INFO info{};
    std::unique_ptr<SNDFILE, FileCloser> file(audio::OpenSoundFile(path, &info));
    if (!file || info.channels < 1 || info.samplerate < 1000 || info.samplerate > 768000)
        return nullptr;
    const int channels = std::min(info.channels, 2);
    bool failed = false;
    const Resampler resampler = MakeResampler(info.samplerate, channels, failed);
    if (failed)
        return nullptr;

    auto sample = std::make_unique<Sample>();
    sample->channels = channels;
    sample->pcm.reserve(ExpectedFrames(info) * size_t(channels));
    std::vector<float> block(kSliceFrames * size_t(info.channels));
    std::vector<float> picked(kSliceFrames * size_t(channels));
    std::vector<float> room(picked.size() * size_t(kMixRate / info.samplerate + 1));
    const size_t limit = size_t(info.samplerate) * kMaxSeconds;
    size_t read = 0;
    sf_count_t got;
    while ((got = sf_readf_float(file.get(), block.data(), sf_count_t(kSliceFrames))) > 0) {
        read += size_t(got);
        if (read > limit)
            return nullptr;
        float* out = picked.data();
        for (sf_count_t f = 0; f < got; ++f)
            for (int c = 0; c < channels; ++c)
                *out++ = CleanSample(block[size_t(f) * size_t(info.channels) + size_t(c)]);
        const size_t values = size_t(got) * size_t(channels);
        if (!resampler)
            Append(sample->pcm, picked.data(), values);
        else if (!Resample(resampler.get(), picked.data(), size_t(got), channels, room, sample->pcm))
            return nullptr;
    }
    if (resampler && !Resample(resampler.get(), nullptr, 0, channels, room, sample->pcm))
        return nullptr;
    sample->frames = sample->pcm.size() / size_t(channels);
    if (sample->frames == 0)
        return nullptr;
    return sample;
}

} // namespace engine
