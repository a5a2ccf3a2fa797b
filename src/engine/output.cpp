#include "engine/output.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace engine {
namespace {

bool NullAudioForced() {
    const char* value = std::getenv("TORNEL_NULL_AUDIO");
    return value && std::strcmp(value, "1") == 0;
}

} // namespace

Output::Output(bool manual, int manualRate) {
    if (manual) {
        kind_ = Kind::Manual;
        rate_ = manualRate;
    } else if (!NullAudioForced() && OpenDevice()) {
        kind_ = Kind::Device;
    }
}

Output::~Output() {
    Stop();
    CloseDevice();
}

bool Output::OpenDevice() {
    if (Pa_Initialize() != paNoError)
        return false;
    const PaDeviceIndex device = Pa_GetDefaultOutputDevice();
    const PaDeviceInfo* info = device == paNoDevice ? nullptr : Pa_GetDeviceInfo(device);
    if (info) {
        const PaStreamParameters params{device, 2, paFloat32, info->defaultLowOutputLatency, nullptr};
        for (const double rate : {info->defaultSampleRate, 44100.0, 48000.0}) {
            if (Pa_OpenStream(&stream_, nullptr, &params, rate, kBlockFrames, paNoFlag, DeviceCallback,
                              this) == paNoError) {
                rate_ = int(std::lround(rate));
                return true;
            }
            stream_ = nullptr;
        }
    }
    Pa_Terminate();
    return false;
}

void Output::CloseDevice() {
    if (kind_ != Kind::Device)
        return;
    Pa_CloseStream(stream_);
    stream_ = nullptr;
    Pa_Terminate();
}

int Output::DeviceCallback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                           PaStreamCallbackFlags, void* self) {
    static_cast<Output*>(self)->renderer_->Render(static_cast<float*>(output), frames);
    return paContinue;
}

// Renders a block, then sleeps until the block's end would have played, so
// the engine keeps real time without a sound card.
void Output::ClockLoop() {
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(kBlockFrames) / rate_));
    auto next = Clock::now();
    while (!stopClock_.load(std::memory_order_acquire)) {
        renderer_->Render(clockBuffer_.data(), kBlockFrames);
        next += period;
        const auto now = Clock::now();
        if (now - next > std::chrono::milliseconds(200))
            next = now; // fell far behind (suspended): do not race to catch up
        std::this_thread::sleep_until(next);
    }
}

void Output::Start(Renderer* renderer) {
    if (running_)
        return;
    renderer_ = renderer;
    running_ = true;
    if (kind_ == Kind::Device && Pa_StartStream(stream_) != paNoError) {
        ReplaceWithClock();
        return;
    }
    if (kind_ == Kind::Clock) {
        clockBuffer_.assign(2 * kBlockFrames, 0.0f);
        stopClock_.store(false, std::memory_order_release);
        clock_ = std::thread(&Output::ClockLoop, this);
    }
}

void Output::Stop() {
    if (!running_)
        return;
    if (kind_ == Kind::Device) {
        Pa_StopStream(stream_);
    } else if (kind_ == Kind::Clock) {
        stopClock_.store(true, std::memory_order_release);
        clock_.join();
    }
    running_ = false;
}

void Output::CheckLost() {
    if (kind_ == Kind::Device && running_ && Pa_IsStreamActive(stream_) != 1)
        ReplaceWithClock();
}

void Output::ReplaceWithClock() {
    if (kind_ != Kind::Device)
        return;
    const bool wasRunning = running_;
    if (running_)
        Pa_AbortStream(stream_);
    running_ = false;
    CloseDevice();
    kind_ = Kind::Clock;
    if (wasRunning)
        Start(renderer_);
}

void Output::Lose() {
    if (kind_ == Kind::Device) {
        ReplaceWithClock();
    } else if (kind_ == Kind::Clock && running_) {
        Stop();
        Start(renderer_);
    }
}

} // namespace engine
