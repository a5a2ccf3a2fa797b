#include "engine/output.h"

#include "audio/portaudio_library.h"
#include "audio/sound_card.h"
#include "audio/thread_priority.h"

namespace engine {
namespace {

// The rate of the null output, and so the one the device is opened at: the
// renderer's resampler is built for it once and the move must not change it.
constexpr int kNullRate = 44100;

std::atomic<uint64_t> g_underruns{0};
std::atomic<long long> g_standInMs{-1};

// The default output at `rate`, or null (PortAudio left terminated).
PaStream* OpenDefaultDevice(int rate, void* self, PaStreamCallback* callback) {
    const audio::PortAudioLibrary* pa = audio::PortAudio();
    if (!pa)
        return nullptr;
    std::lock_guard guard(audio::PortAudioLock());
    if (pa->Initialize() != paNoError)
        return nullptr;
    const PaDeviceIndex device = pa->GetDefaultOutputDevice();
    const PaDeviceInfo* info = device == paNoDevice ? nullptr : pa->GetDeviceInfo(device);
    PaStream* stream = nullptr;
    if (info) {
        const PaStreamParameters params{device, 2, paFloat32, info->defaultLowOutputLatency, nullptr};
        if (pa->OpenStream(&stream, nullptr, &params, rate, kBlockFrames, paNoFlag, callback, self) == paNoError)
            return stream;
    }
    pa->Terminate();
    return nullptr;
}

// Only a device that opened reaches the calls below, so the library is there.
const audio::PortAudioLibrary& Pa() { return *audio::PortAudio(); }

void CloseDefaultDevice(PaStream* stream) {
    std::lock_guard guard(audio::PortAudioLock());
    Pa().CloseStream(stream);
    Pa().Terminate();
}

} // namespace

Output::Output(bool manual, int manualRate) {
    if (manual) {
        kind_ = Kind::Manual;
        rate_ = manualRate;
        return;
    }
    rate_ = kNullRate;
    const std::chrono::milliseconds standIn(g_standInMs.load());
    if (standIn.count() >= 0 || !audio::SoundCardDisabled())
        opener_ = std::thread(&Output::OpenInBackground, this, standIn);
}

Output::~Output() {
    {
        std::lock_guard guard(lock_);
        closing_ = true;
    }
    closingChanged_.notify_all();
    if (opener_.joinable())
        opener_.join();
    Stop();
    CloseDevice();
}

uint64_t Output::Underruns() { return g_underruns.load(std::memory_order_relaxed); }

void Output::SetDeviceStandIn(std::chrono::milliseconds delay) { g_standInMs.store(delay.count()); }

Output::Kind Output::kind() const {
    std::lock_guard guard(lock_);
    return kind_;
}

bool Output::Running() const {
    std::lock_guard guard(lock_);
    return running_;
}

bool Output::Concurrent() const {
    std::lock_guard guard(lock_);
    return running_ && kind_ != Kind::Manual;
}

// False when the output closes first.
bool Output::WaitUnlessClosing(std::chrono::milliseconds delay) {
    std::unique_lock guard(lock_);
    return !closingChanged_.wait_for(guard, delay, [this] { return closing_; });
}

void Output::OpenInBackground(std::chrono::milliseconds standIn) {
    const auto closing = [this] {
        std::lock_guard guard(lock_);
        return closing_;
    };
    if (!audio::WaitForCardOpening(closing))
        return;
    if (standIn.count() >= 0) {
        if (WaitUnlessClosing(standIn))
            MoveTo(Kind::Manual, nullptr);
        return;
    }
    raiser_ = std::make_unique<audio::CallbackRaiser>(audio::ThreadRole::Pads);
    PaStream* stream = OpenDefaultDevice(rate_, this, DeviceCallback);
    if (!stream)
        raiser_.reset();
    else if (!MoveTo(Kind::Device, stream))
        CloseDefaultDevice(stream);
}

// Between two blocks: the old output has stopped calling the renderer before
// the new one starts, so the mix resumes where it stood. False when the
// output closes first.
bool Output::MoveTo(Kind kind, PaStream* stream) {
    std::lock_guard guard(lock_);
    if (closing_)
        return false;
    const bool wasRunning = running_;
    StopLocked();
    kind_ = kind;
    stream_ = stream;
    if (wasRunning)
        StartLocked();
    return true;
}

void Output::CloseDevice() {
    std::lock_guard guard(lock_);
    if (kind_ != Kind::Device)
        return;
    CloseDefaultDevice(stream_);
    stream_ = nullptr;
    kind_ = Kind::Clock;
}

int Output::DeviceCallback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                           PaStreamCallbackFlags flags, void* self) {
    auto* out = static_cast<Output*>(self);
    if (flags & paOutputUnderflow)
        g_underruns.fetch_add(1, std::memory_order_relaxed);
    out->raiser_->Report();
    out->renderer_->Render(static_cast<float*>(output), frames);
    return paContinue;
}

// Renders a block, then sleeps until the block's end would have played, so
// the engine keeps real time without a sound card. A tick that wakes more
// than a block late is counted: a device would have run dry.
void Output::ClockLoop() {
    using Clock = std::chrono::steady_clock;
    audio::RaiseThread(audio::CurrentThreadId(), audio::ThreadRole::Pads);
    const auto period = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(kBlockFrames) / rate_));
    auto next = Clock::now();
    while (!stopClock_.load(std::memory_order_acquire)) {
        renderer_->Render(clockBuffer_.data(), kBlockFrames);
        next += period;
        if (delayTick_.exchange(false, std::memory_order_relaxed))
            std::this_thread::sleep_until(next + 3 * period);
        std::this_thread::sleep_until(next);
        const auto late = Clock::now() - next;
        if (late > period)
            g_underruns.fetch_add(1, std::memory_order_relaxed);
        if (late > std::chrono::milliseconds(200))
            next = Clock::now(); // fell far behind (suspended): do not race to catch up
    }
}

void Output::Start(Renderer* renderer) {
    std::lock_guard guard(lock_);
    if (running_)
        return;
    renderer_ = renderer;
    StartLocked();
}

void Output::StartLocked() {
    running_ = true;
    if (kind_ == Kind::Device && Pa().StartStream(stream_) != paNoError) {
        ReplaceWithClockLocked();
        return;
    }
    if (kind_ == Kind::Clock) {
        clockBuffer_.assign(2 * kBlockFrames, 0.0f);
        stopClock_.store(false, std::memory_order_release);
        clock_ = std::thread(&Output::ClockLoop, this);
    }
}

void Output::Stop() {
    std::lock_guard guard(lock_);
    StopLocked();
}

void Output::StopLocked() {
    if (!running_)
        return;
    if (kind_ == Kind::Device) {
        Pa().StopStream(stream_);
    } else if (kind_ == Kind::Clock) {
        stopClock_.store(true, std::memory_order_release);
        clock_.join();
    }
    running_ = false;
}

void Output::CheckLost() {
    std::lock_guard guard(lock_);
    if (kind_ == Kind::Device && running_ && Pa().IsStreamActive(stream_) != 1)
        ReplaceWithClockLocked();
}

void Output::ReplaceWithClock() {
    std::lock_guard guard(lock_);
    ReplaceWithClockLocked();
}

void Output::ReplaceWithClockLocked() {
    if (kind_ != Kind::Device)
        return;
    const bool wasRunning = running_;
    if (running_)
        Pa().AbortStream(stream_);
    running_ = false;
    CloseDefaultDevice(stream_);
    stream_ = nullptr;
    kind_ = Kind::Clock;
    if (wasRunning)
        StartLocked();
}

void Output::Lose() {
    std::lock_guard guard(lock_);
    if (kind_ == Kind::Device) {
        ReplaceWithClockLocked();
    } else if (kind_ == Kind::Clock && running_) {
        StopLocked();
        StartLocked();
    }
}

} // namespace engine
