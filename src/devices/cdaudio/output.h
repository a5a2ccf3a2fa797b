// Where the rendered frames go: PortAudio's default output through a long
// buffer (the disc needs no short latency, and a long one rides out a busy
// machine), or a null output that takes frames in real time and drops them.
#pragma once

#include <chrono>
#include <memory>

#include "devices/cdaudio/renderer.h"

namespace cdaudio {

// GUI thread, or the worker that opened the sink before handing it over.
class AudioSink {
public:
    virtual ~AudioSink() = default;
    // Starts taking frames; false when the device refuses.
    virtual bool Start() = 0;
    // True once the sink stopped taking frames (device lost).
    virtual bool Lost() const = 0;
    virtual bool OnSoundCard() const = 0;
    // Drops what the sink holds unheard and stops it, so that a request made
    // before Resume is the first thing heard after it. Render does not run
    // between the two calls.
    virtual void Drop() {}
    virtual void Resume() {}
};

// The default output, opened but not started; null when there is none or it
// cannot be opened. It may take long: not on the GUI thread.
std::unique_ptr<AudioSink> OpenDefaultOutput(Renderer& renderer);
std::unique_ptr<AudioSink> StartNullOutput(Renderer& renderer);

// Test hook: outputs opened from now on find, instead of the sound card, a
// stand-in that takes `delay` to open and then plays in real time as a card
// with 100 ms of latency would. A negative delay brings the card back.
void SetDeviceStandIn(std::chrono::milliseconds delay);
std::chrono::milliseconds DeviceStandIn();

}  // namespace cdaudio
