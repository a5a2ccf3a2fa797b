#include "devices/cdaudio/audio_file.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>

#include "devices/cdaudio/disc.h"

namespace cdaudio {
namespace {

constexpr std::size_t kChunkFrames = 4096;
// Source frames converted and thrown away before a sought position, so that
// the converter's start-up does not reach what is heard.
constexpr std::uint64_t kPrerollFrames = 1024;
// Beyond this a frame count is garbage (and would overflow the conversion).
constexpr sf_count_t kMaxSourceFrames = 1'000'000'000'000;

std::int16_t ToSample(float value)
{
    float scaled = std::round(value * 32767.0f);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

}  // namespace

std::unique_ptr<AudioFile> AudioFile::Open(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) return nullptr;
    std::unique_ptr<AudioFile> audio(new AudioFile);
    audio->file_ = file;
    if (info.frames <= 0 || info.frames > kMaxSourceFrames || info.channels <= 0 || info.channels > kMaxChannels ||
        info.samplerate <= 0) {
        return nullptr;
    }
    audio->channels_ = info.channels;
    audio->rate_ = info.samplerate;
    audio->length_ = static_cast<std::uint64_t>(info.frames) * kSampleRate / static_cast<std::uint64_t>(info.samplerate);
    audio->input_.resize(kChunkFrames * static_cast<std::size_t>(info.channels));
    audio->stereo_.resize(kChunkFrames * 2);
    if (info.samplerate != static_cast<int>(kSampleRate)) {
        soxr_error_t error = nullptr;
        soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        audio->resampler_ = soxr_create(info.samplerate, kSampleRate, 2, &error, &io, &quality, nullptr);
        if (error || !audio->resampler_) return nullptr;
        audio->converted_.resize(kChunkFrames * 2);
    }
    if (audio->length_ == 0 || audio->length_ > kMaxTrackFrames) return nullptr;
    return audio;
}

AudioFile::~AudioFile()
{
    if (resampler_) soxr_delete(resampler_);
    if (file_) sf_close(file_);
}

bool AudioFile::SeekTo(std::uint64_t at)
{
    auto rate = static_cast<std::uint64_t>(rate_);
    std::uint64_t source = at * rate / kSampleRate;
    if (resampler_) source -= std::min(source, kPrerollFrames);
    positioned_ = sf_seek(file_, static_cast<sf_count_t>(source), SEEK_SET) >= 0;
    inputEnded_ = false;
    next_ = at;
    if (!resampler_ || !positioned_) return positioned_;
    soxr_clear(resampler_);
    soxr_set_input_fn(resampler_, SupplyInput, this, kChunkFrames);
    std::uint64_t skip = at - source * kSampleRate / rate;
    std::vector<std::int16_t> discarded(kChunkFrames * 2);
    while (skip > 0) {
        std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(skip, kChunkFrames));
        if (ReadFrames(discarded.data(), n) < n) break;
        skip -= n;
    }
    return true;
}

// Reads up to one chunk of source frames into stereo_; 0 at the end.
std::size_t AudioFile::ReadSource(std::size_t frames)
{
    frames = std::min(frames, kChunkFrames);
    sf_count_t got = sf_readf_float(file_, input_.data(), static_cast<sf_count_t>(frames));
    if (got <= 0) return 0;
    for (sf_count_t i = 0; i < got; ++i) {
        const float* frame = &input_[static_cast<std::size_t>(i * channels_)];
        stereo_[static_cast<std::size_t>(2 * i)] = frame[0];
        stereo_[static_cast<std::size_t>(2 * i + 1)] = channels_ > 1 ? frame[1] : frame[0];
    }
    return static_cast<std::size_t>(got);
}

// The resampler pulls its input through this.
std::size_t AudioFile::SupplyInput(void* state, const void** data, std::size_t frames)
{
    auto* audio = static_cast<AudioFile*>(state);
    *data = audio->stereo_.data();
    if (audio->inputEnded_) return 0;
    std::size_t got = audio->ReadSource(frames);
    audio->inputEnded_ = got == 0;
    return got;
}

std::size_t AudioFile::ReadFrames(std::int16_t* out, std::size_t frames)
{
    std::size_t done = 0;
    while (done < frames) {
        std::size_t want = std::min(frames - done, kChunkFrames);
        std::size_t got = 0;
        const float* samples = stereo_.data();
        if (resampler_) {
            got = soxr_output(resampler_, converted_.data(), want);
            samples = converted_.data();
        } else {
            got = ReadSource(want);
        }
        if (got == 0) break;
        for (std::size_t i = 0; i < got * 2; ++i) out[done * 2 + i] = ToSample(samples[i]);
        done += got;
    }
    return done;
}

bool AudioFile::Read(std::uint64_t at, std::int16_t* out, std::size_t frames)
{
    std::fill(out, out + frames * 2, std::int16_t{0});
    if (at >= length_) return true;
    if ((!positioned_ || at != next_) && !SeekTo(at)) return false;
    std::size_t expected = static_cast<std::size_t>(std::min<std::uint64_t>(frames, length_ - at));
    std::size_t got = ReadFrames(out, expected);
    next_ = at + got;
    // A converted file may end a frame or two early; only a plain read that
    // stops short is a failure of the source.
    return got == expected || (resampler_ && inputEnded_);
}

}  // namespace cdaudio
