// One sound output: the mixer engine's pads and the drive's disc each own
// one, and each keeps only the renderer that fills it.
//
// Threads. Every member is called from one control thread (the console's GUI
// thread, or a test). Beside it the output runs:
//   - a keeper thread that opens a back end in the background, moves the
//     sound to it between two blocks, notices its loss, moves back to the
//     silent clock at once and tries the back ends again twice a second;
//   - the callback thread of whichever back end is current: JACK's process
//     thread, PulseAudio's mainloop thread, PortAudio's callback thread, or
//     the silent clock's own thread.
//
// What the callback never does:
//   - lock a mutex or wait on anything;
//   - allocate or free memory (rate conversion and scratch buffers are made
//     before a back end starts);
//   - log, print or touch a file;
//   - call back into the control thread.
// Only the keeper prints, one line on standard error for each loss and each
// return.
//
// Back ends are tried in order when the output opens and again after a loss:
// JACK when a JACK server runs (never started for us), the PulseAudio
// protocol (PulseAudio, or PipeWire through pipewire-pulse), PortAudio's
// default device (ALSA on a bare card, WMME on Windows). When none opens, the
// silent clock stays: it takes blocks in real time, so positions keep time.
// A back end at another rate than the renderer's gets the sound converted.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/thread_priority.h"

namespace audio {

enum class SampleFormat { Float32, Int16 };

// The defaults are the pads': a short buffer, so that a pad is heard the
// moment its key goes down.
struct OutputConfig {
    SampleFormat format = SampleFormat::Float32;
    int rate = 44100;                     // what the renderer renders at
    std::size_t blockFrames = 128;        // the silent clock's and PortAudio's block
    std::chrono::milliseconds latency{5}; // wanted between render and listener
    ThreadRole role = ThreadRole::Pads;
    std::string streamName = "Pads";      // told apart by the sound server
    std::string portPrefix = "pads";      // JACK: <prefix>_left, <prefix>_right
    bool growOnUnderflow = true;          // PulseAudio: longer buffer after underflows
    bool silentOnly = false;              // the silent clock, never a back end
};

// The disc's: CD frames in blocks of 10 ms and a long buffer, since the disc
// needs no short latency and a long one rides out a busy machine.
OutputConfig DiscOutputConfig();

// What the renderer behind an output implements; Render runs on the callback
// thread, one call at a time, never on two threads at once.
class Source {
public:
    virtual ~Source() = default;
    // `frames` interleaved stereo frames in the output's format and rate.
    virtual void Render(void* out, std::size_t frames) = 0;
    // Called while Render does not run: frames rendered before they reach the
    // listener with the back end just made current.
    virtual void HeldFrames(std::uint32_t) {}
};

struct OutputState {
    std::string backEnd = "silent clock"; // "JACK", "PulseAudio", "ALSA", ...
    std::string stream;                   // client and ports, or stream name
    int rate = 0;                         // the back end's frames per second
    double latencyMs = 0;                 // granted
    bool onServer = false;                // a real back end, not the silent clock
    std::uint64_t underruns = 0;          // blocks that came too late
    std::uint64_t losses = 0;
    std::uint64_t tries = 0;              // passes over the back ends
    bool searching = false;               // has back ends to look for
    std::string scheduling;               // what the callback thread obtained
};

class Sink;
class Feed;
struct BackEnd;

class Output {
public:
    // Starts on the silent clock, stopped; the keeper opens a back end
    // unless the sound card is left alone (TORNEL_NULL_AUDIO=1).
    Output(const OutputConfig& config, Source& source);
    // Once it returns no callback runs.
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    const OutputConfig& Config() const { return config_; }
    // Plays (renders) or stops; once Stop returns Render does not run.
    void Start();
    void Stop();
    bool Running() const { return running_.load(std::memory_order_acquire); }
    OutputState State() const;
    std::uint64_t Underruns() const;
    bool OnServer() const;

    // Runs `between` while Render cannot run, then drops what the back end
    // holds unheard, so that a request made in `between` is heard at once.
    void Interrupt(const std::function<void()>& between);
    // Test seam, also used by the robustness suite: the back end dies as an
    // unplugged card does; the silent clock takes over and, as after any
    // loss, the keeper tries the back ends again.
    void Lose();

    // Back end callbacks, through their Feed.
    void Pull(Feed& feed, float* out, std::size_t frames);
    bool Wants(const Feed& feed) const;

private:
    struct Current;
    void Keep();
    bool TryBackEnds();
    void MoveTo(std::unique_ptr<Current> next);
    std::unique_ptr<Current> MakeClock();
    void SayLoss(const std::string& from);
    void SayReturn();

    const OutputConfig config_;
    Source& source_;
    std::atomic<bool> running_{false};
    std::atomic<std::uint32_t> active_{0}; // the feed allowed to render; 0: none
    std::atomic<int> busy_{0};             // callbacks inside Pull

    mutable std::mutex lock_; // current_, closing_; never taken by a callback
    std::condition_variable wake_;
    std::unique_ptr<Current> current_;
    std::unique_ptr<Current> retired_; // replaced, closed by the keeper unlocked
    bool closing_ = false;
    bool loseAsked_ = false;
    std::atomic<std::uint64_t> losses_{0};
    std::atomic<std::uint64_t> tries_{0};
    std::atomic<std::uint64_t> pastUnderruns_{0}; // of back ends no longer current
    std::thread keeper_;
};

}  // namespace audio
