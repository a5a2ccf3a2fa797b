// Where the rendered mix goes: PortAudio's default output, a null output
// clocked in real time by a thread of its own, or a manual output that a test
// drives block by block.
//
// Opening a sound card can take long (PortAudio enumerates every device), so
// the output starts on the clocked null output at once and a worker opens the
// card meanwhile, at the null output's rate; when it opens, the output moves
// to it between two blocks, and the mix goes on from where it stands. When it
// never opens the null output stays.
//
// Members are called from the control thread; the worker takes the same lock
// to move the output. Neither callback ever takes it.
#ifndef TORNEL_ENGINE_OUTPUT_H
#define TORNEL_ENGINE_OUTPUT_H

#include "audio/callback_raiser.h"
#include "engine/renderer.h"

#include <portaudio.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace engine {

class Output {
public:
    enum class Kind { Device, Clock, Manual };

    // The clocked null output, while a worker opens the device (unless
    // TORNEL_NULL_AUDIO=1). A manual output runs at `manualRate`.
    explicit Output(bool manual, int manualRate);
    // Waits for the worker if it is still opening the device.
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Kind kind() const;
    // Fixed for the output's life: the device is opened at the null output's rate.
    int Rate() const { return rate_; }
    bool Running() const;
    // True while a callback may run on another thread.
    bool Concurrent() const;

    void Start(Renderer* renderer);
    // Once it returns no callback runs.
    void Stop();
    // Replaces a device stream that has died with the clocked null output.
    void CheckLost();
    void ReplaceWithClock();
    // Test hook: the output dies while it runs, as an unplugged sound card
    // does, and the clocked null output takes over. Without a device the
    // null output's own clock is the one that dies and is started afresh.
    void Lose();
    // Test hook: the null output's next tick comes late, as on a machine too
    // busy to run its clock in time.
    void DelayNextTick() { delayTick_.store(true, std::memory_order_relaxed); }

    // Blocks that reached no listener in time (the device's underflows, late
    // clock ticks), over every output since the library was loaded.
    static uint64_t Underruns();
    // Test hook: outputs made from now on find, instead of the sound card, a
    // device that takes `delay` to open and is then driven as a manual
    // output. A negative delay brings the sound card back.
    static void SetDeviceStandIn(std::chrono::milliseconds delay);

private:
    static int DeviceCallback(const void* input, void* output, unsigned long frames,
                              const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags flags,
                              void* self);
    void OpenInBackground(std::chrono::milliseconds standIn);
    bool WaitUnlessClosing(std::chrono::milliseconds delay);
    bool MoveTo(Kind kind, PaStream* stream);
    void StartLocked();
    void StopLocked();
    void ReplaceWithClockLocked();
    void CloseDevice();
    void ClockLoop();

    mutable std::mutex lock_;
    std::condition_variable closingChanged_;
    bool closing_ = false;
    Kind kind_ = Kind::Clock;
    int rate_ = 44100;
    bool running_ = false;
    Renderer* renderer_ = nullptr;
    PaStream* stream_ = nullptr;
    std::thread opener_;
    std::thread clock_;
    std::atomic<bool> stopClock_{false};
    std::atomic<bool> delayTick_{false};
    std::unique_ptr<audio::CallbackRaiser> raiser_; // made before the device opens
    std::vector<float> clockBuffer_;
};

} // namespace engine

#endif
