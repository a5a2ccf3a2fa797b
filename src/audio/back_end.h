// What a back end of audio::Output is made of: a Sink, the stream it has
// opened, and the Feed its callback pulls the sound from.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/output.h"

typedef struct soxr* soxr_t;

namespace audio {

// Handed to a sink's callback. Pull fills `frames` interleaved stereo float
// frames at the sink's rate: the renderer's sound, converted when the rates
// differ, or silence while the sink is not the current one.
class Feed {
public:
    Feed(Output& owner, std::uint32_t id, const OutputConfig& config);
    ~Feed();
    Feed(const Feed&) = delete;
    Feed& operator=(const Feed&) = delete;

    void Pull(float* out, std::size_t frames) { owner_.Pull(*this, out, frames); }
    // False while the output is stopped or another feed is current: a clock
    // may then rest.
    bool Wanted() const { return owner_.Wants(*this); }
    void CountUnderrun() { underruns_.fetch_add(1, std::memory_order_relaxed); }
    std::uint64_t Underruns() const { return underruns_.load(std::memory_order_relaxed); }
    std::uint32_t Id() const { return id_; }

    // Keeper, before the sink becomes current: the sink's rate. False when
    // no converter can be made for it.
    bool Prepare(int sinkRate);
    // Frames the conversion holds, at the renderer's rate.
    std::uint32_t ConversionDelay() const;
    // Current sink's callback only (through Output::Pull).
    void Fill(Source& source, float* out, std::size_t frames);

private:
    void RenderFloat(Source& source, float* out, std::size_t frames);

    Output& owner_;
    const std::uint32_t id_;
    const OutputConfig config_;
    std::atomic<std::uint64_t> underruns_{0};
    std::vector<std::int16_t> pcm_;  // the renderer's 16-bit frames
    soxr_t converter_ = nullptr;
    std::vector<float> in_;          // one block at the renderer's rate
    std::vector<float> fifo_;        // converted, not yet pulled
    std::size_t fifoFrames_ = 0;
};

struct SinkInfo {
    std::string backEnd;
    std::string stream;
    int rate = 0;
    std::uint32_t latencyFrames = 0; // at `rate`
};

// An opened stream. Made and destroyed on the keeper thread; its callback
// only calls its Feed.
class Sink {
public:
    virtual ~Sink() = default;  // its callback no longer runs once it returns
    // Begins calling the feed; false when the stream refuses.
    virtual bool Start() = 0;
    // True once the stream, its server or its card has gone.
    virtual bool Lost() const = 0;
    virtual SinkInfo Info() const = 0;
    // Drops what the stream holds unheard (the feed gives silence meanwhile).
    virtual void Drop() {}
    // The keeper, every tenth of a second while the sink is current.
    virtual void Tend() {}
    // Thread the callback runs on, for its scheduling; 0 before it ran.
    virtual std::string Scheduling() const { return ""; }
};

// One way to open a sink: null when it refuses or has nothing to open.
struct BackEnd {
    std::string name;
    std::function<std::unique_ptr<Sink>(Feed& feed, const OutputConfig& config)> open;
};

// The back ends in the order they are tried, as this system has them.
std::vector<BackEnd> SystemBackEnds();
// Tests put stand-ins (or a chosen few of the system's) in their place, for
// outputs opened from then on, even with TORNEL_NULL_AUDIO=1; an empty list
// restores the system's.
void SetBackEndsForTests(std::vector<BackEnd> backEnds);
// The list an output opening now tries; empty: the silent clock stays.
std::vector<BackEnd> BackEndsInUse();

// What PortAudio's default output is called here: "ALSA", "WMME".
extern const char* const kPortAudioName;

std::unique_ptr<Sink> OpenSilentClock(Feed& feed, const OutputConfig& config);
std::unique_ptr<Sink> OpenPortAudio(Feed& feed, const OutputConfig& config);

}  // namespace audio
