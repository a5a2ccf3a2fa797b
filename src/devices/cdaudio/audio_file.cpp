#include "devices/cdaudio/audio_file.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>

#include "audio/sound_file.h"
#include "devices/cdaudio/disc.h"
#include "devices/cdaudio/source_stream.h"

namespace cdaudio {
namespace {

constexpr std::size_t kChunkFrames = 4096;
// Source frames converted and thrown away before a restart, so that the
// converter's start-up does not reach what is heard...
constexpr std::uint64_t kConverterPreroll = 1024;
// ... but never more than this many output frames (files at very low rates).
constexpr std::uint64_t kMaxDiscardedFrames = 8192;
// A converted file restarts its converter at every multiple of about this
// many output frames, in continuous play and after seeks alike, so that both
// give the same frames.
constexpr std::uint64_t kConverterSpan = 1 << 12;
// Beyond this a frame count is garbage (and would overflow the conversion).
constexpr sf_count_t kMaxSourceFrames = 1'000'000'000'000;
// Rates outside these are no music (and would make conversion crawl).
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 1'000'000;

bool LossyStream(int format)
{
    int subtype = format & SF_FORMAT_SUBMASK;
    return subtype == SF_FORMAT_VORBIS || subtype == SF_FORMAT_OPUS || subtype == SF_FORMAT_MPEG_LAYER_I ||
           subtype == SF_FORMAT_MPEG_LAYER_II || subtype == SF_FORMAT_MPEG_LAYER_III;
}

std::uint64_t Gcd(std::uint64_t a, std::uint64_t b) { return b == 0 ? a : Gcd(b, a % b); }

}  // namespace

std::int16_t ToSample(float value)
{
    // NaN is no level at all; infinities clamp to full scale like any peak.
    if (std::isnan(value)) return 0;
    float scaled = std::round(value * 32767.0f);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

std::unique_ptr<AudioFile> AudioFile::Open(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = audio::OpenSoundFile(path.c_str(), &info);
    if (!file) return nullptr;
    std::unique_ptr<AudioFile> audio(new AudioFile);
    audio->source_ = std::make_unique<SourceStream>(file, info.channels, LossyStream(info.format));
    audio->length_ = LengthOf(info);
    if (audio->length_ == 0) return nullptr;
    audio->rate_ = info.samplerate;
    audio->stereo_.resize(kChunkFrames * 2);
    audio->discarded_.resize(kChunkFrames * 2);
    if (info.samplerate != static_cast<int>(kSampleRate)) {
        soxr_error_t error = nullptr;
        soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        audio->resampler_ = soxr_create(info.samplerate, kSampleRate, 2, &error, &io, &quality, nullptr);
        if (error || !audio->resampler_) return nullptr;
        audio->converted_.resize(kChunkFrames * 2);
        // Restarts happen where a source frame falls exactly on an output
        // frame: `unitIn` source frames make `unitOut` output frames.
        auto rate = static_cast<std::uint64_t>(info.samplerate);
        std::uint64_t common = Gcd(rate, kSampleRate);
        std::uint64_t unitIn = rate / common;
        std::uint64_t unitOut = kSampleRate / common;
        audio->span_ = (kConverterSpan + unitOut - 1) / unitOut * unitOut;
        std::uint64_t units = std::max<std::uint64_t>(
            1, std::min((kConverterPreroll + unitIn - 1) / unitIn, kMaxDiscardedFrames / unitOut));
        audio->converterPreroll_ = units * unitIn;
    }
    return audio;
}

std::uint64_t AudioFile::LengthOf(const SF_INFO& info)
{
    if (info.frames <= 0 || info.frames > kMaxSourceFrames || info.channels <= 0 || info.channels > kMaxChannels ||
        info.samplerate < kMinRate || info.samplerate > kMaxRate) {
        return 0;
    }
    std::uint64_t length =
        static_cast<std::uint64_t>(info.frames) * kSampleRate / static_cast<std::uint64_t>(info.samplerate);
    return length > kMaxTrackFrames ? 0 : length;
}

std::uint64_t AudioFile::LengthOf(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = audio::OpenSoundFile(path.c_str(), &info);
    if (!file) return 0;
    sf_close(file);
    return LengthOf(info);
}

AudioFile::~AudioFile()
{
    if (resampler_) soxr_delete(resampler_);
}

// Positions the reader so that the next frame it gives is `at`. A converted
// file restarts its converter at the span boundary at or before `at`, a
// little before it in the source, then converts on.
bool AudioFile::SeekTo(std::uint64_t at)
{
    auto rate = static_cast<std::uint64_t>(rate_);
    std::uint64_t restart = resampler_ ? at / span_ * span_ : at;
    std::uint64_t source = restart * rate / kSampleRate;
    std::uint64_t preroll = resampler_ ? std::min(source, converterPreroll_) : 0;
    positioned_ = source_->Seek(source - preroll);
    inputEnded_ = false;
    next_ = at;
    if (!positioned_) return false;
    std::uint64_t discard = at - restart;
    if (resampler_) {
        // A converter that has taken nothing yet is as a cleared one, and
        // clearing designs its filters again, which is slow.
        if (converterUsed_) soxr_clear(resampler_);
        converterUsed_ = true;
        soxr_set_input_fn(resampler_, SupplyInput, this, kChunkFrames);
        discard += preroll * kSampleRate / rate;
    } else {
        discard += preroll;
    }
    while (discard > 0) {
        std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(discard, kChunkFrames));
        if (ReadFrames(discarded_.data(), n) < n) break;
        discard -= n;
    }
    return true;
}

// Reads up to one chunk of source frames into stereo_; 0 at the end.
std::size_t AudioFile::ReadSource(std::size_t frames) { return source_->Read(stereo_.data(), std::min(frames, kChunkFrames)); }

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
    std::size_t expected = static_cast<std::size_t>(std::min<std::uint64_t>(frames, length_ - at));
    std::size_t got = 0;
    while (got < expected) {
        std::uint64_t from = at + got;
        bool restart = resampler_ && from % span_ == 0;
        if ((!positioned_ || from != next_ || restart) && !SeekTo(from)) return false;
        std::size_t n = expected - got;
        if (resampler_) n = static_cast<std::size_t>(std::min<std::uint64_t>(n, span_ - from % span_));
        std::size_t read = ReadFrames(out + got * 2, n);
        got += read;
        next_ = from + read;
        if (read < n) break;
    }
    // A converted file may end a frame or two early; only a plain read that
    // stops short is a failure of the source.
    return got == expected || (resampler_ && inputEnded_);
}

}  // namespace cdaudio
