#include "devices/cdaudio/output.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "audio/callback_raiser.h"
#include "audio/portaudio_library.h"
#include "audio/sound_card.h"
#include "audio/thread_priority.h"
#include "devices/cdaudio/disc.h"

namespace cdaudio {
namespace {

using Clock = std::chrono::steady_clock;

// A stream that has not called back for this long is taken as lost.
constexpr auto kSilenceBeforeLost = std::chrono::seconds(2);
constexpr auto kNullTick = std::chrono::milliseconds(10);
// Asked of the card; it may grant more.
constexpr std::chrono::milliseconds kCardLatency(100);
constexpr std::uint32_t kStandInLatencyFrames = kSampleRate / 10;

std::atomic<long long> g_standInMs{-1};

std::int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

class PortAudioOutput : public AudioSink {
public:
    PortAudioOutput(Renderer& renderer, const audio::PortAudioLibrary& pa) : renderer_(renderer), pa_(pa) {}

    ~PortAudioOutput() override
    {
        if (stream_) pa_.AbortStream(stream_);
        std::lock_guard guard(audio::PortAudioLock());
        if (stream_) pa_.CloseStream(stream_);
        if (initialised_) pa_.Terminate();
    }

    bool Open()
    {
        std::lock_guard guard(audio::PortAudioLock());
        initialised_ = pa_.Initialize() == paNoError;
        if (!initialised_) return false;
        const PaDeviceIndex device = pa_.GetDefaultOutputDevice();
        const PaDeviceInfo* info = device == paNoDevice ? nullptr : pa_.GetDeviceInfo(device);
        if (!info) return false;
        const double latency = std::chrono::duration<double>(kCardLatency).count();
        const PaStreamParameters params{device, 2, paInt16, std::max(latency, info->defaultLowOutputLatency), nullptr};
        // The callback fills the buffer from the start, so that every frame the
        // card holds was rendered and counts in what has been heard.
        if (pa_.OpenStream(&stream_, nullptr, &params, kSampleRate, paFramesPerBufferUnspecified,
                          paPrimeOutputBuffersUsingStreamCallback, Callback, this) != paNoError) {
            stream_ = nullptr;
            return false;
        }
        pa_.SetStreamFinishedCallback(stream_, Finished);
        const PaStreamInfo* granted = pa_.GetStreamInfo(stream_);
        latencyFrames_ = granted ? static_cast<std::uint32_t>(std::lround(granted->outputLatency * kSampleRate)) : 0;
        return true;
    }

    bool Start() override
    {
        renderer_.SetOutputLatency(latencyFrames_);
        lastCallback_.store(Now());
        finished_.store(false);
        return pa_.StartStream(stream_) == paNoError;
    }

    bool Lost() const override
    {
        auto silent = std::chrono::nanoseconds(Now() - lastCallback_.load(std::memory_order_relaxed));
        return finished_.load() || pa_.IsStreamActive(stream_) != 1 || silent > kSilenceBeforeLost;
    }

    bool OnSoundCard() const override { return true; }

    // Aborting drops the card's buffer; the restart fills it afresh.
    void Drop() override { pa_.AbortStream(stream_); }
    void Resume() override { Start(); }

private:
    static int Callback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                        PaStreamCallbackFlags flags, void* self)
    {
        auto* out = static_cast<PortAudioOutput*>(self);
        out->raiser_.Report();
        if (flags & paOutputUnderflow) out->renderer_.CountUnderrun();
        out->renderer_.Render(static_cast<std::int16_t*>(output), frames);
        out->lastCallback_.store(Now(), std::memory_order_relaxed);
        return paContinue;
    }

    static void Finished(void* self) { static_cast<PortAudioOutput*>(self)->finished_.store(true); }

    Renderer& renderer_;
    const audio::PortAudioLibrary& pa_;
    PaStream* stream_ = nullptr;
    bool initialised_ = false;
    std::uint32_t latencyFrames_ = 0;
    audio::CallbackRaiser raiser_{audio::ThreadRole::Disc};
    std::atomic<bool> finished_{false};
    std::atomic<std::int64_t> lastCallback_{0};
};

// Takes exactly as many frames as real time allows, so positions advance
// as they would with a sound card. A tick that comes later than the card's
// buffer would last is counted: the card would have run dry.
class NullOutput : public AudioSink {
public:
    NullOutput(Renderer& renderer, std::uint32_t latencyFrames) : renderer_(renderer), latencyFrames_(latencyFrames)
    {
    }

    ~NullOutput() override
    {
        stop_.store(true);
        if (thread_.joinable()) thread_.join();
    }

    bool Start() override
    {
        renderer_.SetOutputLatency(latencyFrames_);
        thread_ = std::thread([this] { Run(); });
        return true;
    }

    bool Lost() const override { return false; }
    bool OnSoundCard() const override { return latencyFrames_ > 0; }

private:
    void Run()
    {
        audio::RaiseThread(audio::CurrentThreadId(), audio::ThreadRole::Disc);
        std::vector<std::int16_t> buffer(kBlockFrames * 2);
        Clock::time_point begin = Clock::now();
        Clock::time_point tick = begin;
        std::uint64_t taken = 0;
        while (!stop_.load()) {
            std::this_thread::sleep_for(kNullTick);
            const Clock::time_point now = Clock::now();
            if (now - tick > kCardLatency) renderer_.CountUnderrun();
            tick = now;
            auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(now - begin).count();
            std::uint64_t due = static_cast<std::uint64_t>(elapsed) * kSampleRate / 1'000'000;
            while (taken < due) {
                std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(due - taken, kBlockFrames));
                renderer_.Render(buffer.data(), n);
                taken += n;
            }
        }
    }

    Renderer& renderer_;
    const std::uint32_t latencyFrames_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace

void SetDeviceStandIn(std::chrono::milliseconds delay) { g_standInMs.store(delay.count()); }

std::chrono::milliseconds DeviceStandIn() { return std::chrono::milliseconds(g_standInMs.load()); }

std::unique_ptr<AudioSink> OpenDefaultOutput(Renderer& renderer)
{
    if (DeviceStandIn().count() >= 0) return std::make_unique<NullOutput>(renderer, kStandInLatencyFrames);
    const audio::PortAudioLibrary* pa = audio::PortAudio();
    if (!pa) return nullptr;
    auto output = std::make_unique<PortAudioOutput>(renderer, *pa);
    if (!output->Open()) return nullptr;
    return output;
}

std::unique_ptr<AudioSink> StartNullOutput(Renderer& renderer)
{
    auto output = std::make_unique<NullOutput>(renderer, 0);
    output->Start();
    return output;
}

}  // namespace cdaudio
