// Where the rendered mix goes: PortAudio's default output, a null output
// clocked in real time by a thread of its own, or a manual output that a test
// drives block by block. Control thread only.
#ifndef TORNEL_ENGINE_OUTPUT_H
#define TORNEL_ENGINE_OUTPUT_H

#include "engine/renderer.h"

#include <portaudio.h>

#include <atomic>
#include <thread>
#include <vector>

namespace engine {

class Output {
public:
    enum class Kind { Device, Clock, Manual };

    // The device unless TORNEL_NULL_AUDIO=1 or it cannot be opened: then the
    // clocked null output. A manual output runs at `manualRate`.
    explicit Output(bool manual, int manualRate);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Kind kind() const { return kind_; }
    int Rate() const { return rate_; }
    bool Running() const { return running_; }
    // True while a callback may run on another thread.
    bool Concurrent() const { return running_ && kind_ != Kind::Manual; }

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

private:
    static int DeviceCallback(const void* input, void* output, unsigned long frames,
                              const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags flags,
                              void* self);
    bool OpenDevice();
    void CloseDevice();
    void ClockLoop();

    Kind kind_ = Kind::Clock;
    int rate_ = 44100;
    bool running_ = false;
    Renderer* renderer_ = nullptr;
    PaStream* stream_ = nullptr;
    std::thread clock_;
    std::atomic<bool> stopClock_{false};
    std::vector<float> clockBuffer_;
};

} // namespace engine

#endif
