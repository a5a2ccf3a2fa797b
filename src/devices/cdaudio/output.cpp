#include "devices/cdaudio/output.h"

#include <portaudio.h>

#include <chrono>
#include <thread>
#include <vector>

#include "devices/cdaudio/disc.h"

namespace cdaudio {
namespace {

using Clock = std::chrono::steady_clock;

// A stream that has not called back for this long is taken as lost.
constexpr auto kSilenceBeforeLost = std::chrono::seconds(2);
constexpr auto kNullTick = std::chrono::milliseconds(10);

std::int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

class PortAudioOutput : public AudioSink {
public:
    explicit PortAudioOutput(Renderer& renderer) : renderer_(renderer) {}

    ~PortAudioOutput() override
    {
        if (stream_) {
            Pa_AbortStream(stream_);
            Pa_CloseStream(stream_);
        }
        if (initialised_) Pa_Terminate();
    }

    bool Start()
    {
        initialised_ = Pa_Initialize() == paNoError;
        if (!initialised_) return false;
        lastCallback_.store(Now());
        if (Pa_OpenDefaultStream(&stream_, 0, 2, paInt16, kSampleRate, paFramesPerBufferUnspecified, Callback,
                                 this) != paNoError) {
            stream_ = nullptr;
            return false;
        }
        Pa_SetStreamFinishedCallback(stream_, Finished);
        return Pa_StartStream(stream_) == paNoError;
    }

    bool Lost() const override
    {
        auto silent = std::chrono::nanoseconds(Now() - lastCallback_.load(std::memory_order_relaxed));
        return finished_.load() || Pa_IsStreamActive(stream_) != 1 || silent > kSilenceBeforeLost;
    }

private:
    static int Callback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                        PaStreamCallbackFlags, void* self)
    {
        auto* out = static_cast<PortAudioOutput*>(self);
        out->renderer_.Render(static_cast<std::int16_t*>(output), frames);
        out->lastCallback_.store(Now(), std::memory_order_relaxed);
        return paContinue;
    }

    static void Finished(void* self) { static_cast<PortAudioOutput*>(self)->finished_.store(true); }

    Renderer& renderer_;
    PaStream* stream_ = nullptr;
    bool initialised_ = false;
    std::atomic<bool> finished_{false};
    std::atomic<std::int64_t> lastCallback_{0};
};

// Takes exactly as many frames as real time allows, so positions advance
// as they would with a sound card.
class NullOutput : public AudioSink {
public:
    explicit NullOutput(Renderer& renderer) : renderer_(renderer), thread_([this] { Run(); }) {}

    ~NullOutput() override
    {
        stop_.store(true);
        thread_.join();
    }

    bool Lost() const override { return false; }

private:
    void Run()
    {
        std::vector<std::int16_t> buffer(kBlockFrames * 2);
        Clock::time_point begin = Clock::now();
        std::uint64_t taken = 0;
        while (!stop_.load()) {
            std::this_thread::sleep_for(kNullTick);
            auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begin).count();
            std::uint64_t due = static_cast<std::uint64_t>(elapsed) * kSampleRate / 1'000'000;
            while (taken < due) {
                std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(due - taken, kBlockFrames));
                renderer_.Render(buffer.data(), n);
                taken += n;
            }
        }
    }

    Renderer& renderer_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace

std::unique_ptr<AudioSink> OpenDefaultOutput(Renderer& renderer)
{
    auto output = std::make_unique<PortAudioOutput>(renderer);
    if (!output->Start()) return nullptr;
    return output;
}

std::unique_ptr<AudioSink> StartNullOutput(Renderer& renderer)
{
    return std::make_unique<NullOutput>(renderer);
}

}  // namespace cdaudio
