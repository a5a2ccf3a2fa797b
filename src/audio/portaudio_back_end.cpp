// PortAudio's default output: ALSA on a bare Linux card, WMME on Windows.
#include <algorithm>
#include <cmath>

#include "audio/back_end.h"
#include "audio/callback_raiser.h"
#include "audio/library_messages.h"
#include "audio/portaudio_library.h"
#include "audio/sound_card.h"

namespace audio {
namespace {

using Clock = std::chrono::steady_clock;

// A started stream that has not called back for this long is taken as lost
// (some drivers stop calling without reporting anything).
constexpr auto kSilenceBeforeLost = std::chrono::seconds(2);

std::int64_t Now() { return Clock::now().time_since_epoch().count(); }

class PortAudioSink : public Sink {
public:
    PortAudioSink(Feed& feed, const OutputConfig& config, const PortAudioLibrary& pa)
        : feed_(feed), config_(config), pa_(pa), raiser_(config.role)
    {
    }

    ~PortAudioSink() override
    {
        if (stream_) pa_.AbortStream(stream_);
        std::lock_guard guard(PortAudioLock());
        if (stream_) pa_.CloseStream(stream_);
        if (initialised_) pa_.Terminate();
    }

    // At the renderer's rate when the device takes it, else at the device's
    // own, and the feed converts.
    bool Open()
    {
        std::lock_guard guard(PortAudioLock());
        initialised_ = pa_.Initialize() == paNoError;
        if (!initialised_) return false;
        const PaDeviceIndex device = pa_.GetDefaultOutputDevice();
        const PaDeviceInfo* info = device == paNoDevice ? nullptr : pa_.GetDeviceInfo(device);
        if (!info) return false;
        const double wanted = std::chrono::duration<double>(config_.latency).count();
        const PaStreamParameters params{device, 2, paFloat32, std::max(wanted, info->defaultLowOutputLatency),
                                        nullptr};
        for (const double rate : {double(config_.rate), info->defaultSampleRate}) {
            if (pa_.OpenStream(&stream_, nullptr, &params, rate, config_.blockFrames,
                               paPrimeOutputBuffersUsingStreamCallback, Callback, this) == paNoError) {
                rate_ = static_cast<int>(rate);
                break;
            }
            stream_ = nullptr;
        }
        if (!stream_) return false;
        pa_.SetStreamFinishedCallback(stream_, Finished);
        const PaStreamInfo* granted = pa_.GetStreamInfo(stream_);
        latencyFrames_ = granted ? static_cast<std::uint32_t>(std::lround(granted->outputLatency * rate_)) : 0;
        return true;
    }

    bool Start() override
    {
        lastCallback_.store(Now());
        finished_.store(false);
        return pa_.StartStream(stream_) == paNoError;
    }

    bool Lost() const override
    {
        const auto silent = Clock::duration(Now() - lastCallback_.load(std::memory_order_relaxed));
        return finished_.load() || pa_.IsStreamActive(stream_) != 1 || silent > kSilenceBeforeLost;
    }

    SinkInfo Info() const override { return {kPortAudioName, "default output", rate_, latencyFrames_}; }

    // Aborting drops the card's buffer; the restart fills it afresh.
    void Drop() override
    {
        pa_.AbortStream(stream_);
        Start();
    }

private:
    static int Callback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                        PaStreamCallbackFlags flags, void* self)
    {
        auto* sink = static_cast<PortAudioSink*>(self);
        sink->raiser_.Report();
        if (flags & paOutputUnderflow) sink->feed_.CountUnderrun();
        sink->feed_.Pull(static_cast<float*>(output), frames);
        sink->lastCallback_.store(Now(), std::memory_order_relaxed);
        return paContinue;
    }

    static void Finished(void* self) { static_cast<PortAudioSink*>(self)->finished_.store(true); }

    Feed& feed_;
    const OutputConfig config_;
    const PortAudioLibrary& pa_;
    CallbackRaiser raiser_; // made before the stream, so it outlives its callbacks
    PaStream* stream_ = nullptr;
    bool initialised_ = false;
    int rate_ = 0;
    std::uint32_t latencyFrames_ = 0;
    std::atomic<bool> finished_{false};
    std::atomic<std::int64_t> lastCallback_{0};
};

}  // namespace

std::unique_ptr<Sink> OpenPortAudio(Feed& feed, const OutputConfig& config)
{
    SilenceLibraryMessages();
    const PortAudioLibrary* pa = PortAudio();
    if (!pa) return nullptr;
    auto sink = std::make_unique<PortAudioSink>(feed, config, *pa);
    if (!sink->Open()) return nullptr;
    return sink;
}

}  // namespace audio
