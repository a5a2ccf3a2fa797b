// Plays a disc: a worker thread reads and decodes into the ring, the output
// renders from it. Every member is called from the GUI thread.
//
// The output starts on its silent clock at once and opens a server or card
// in the background (audio/output.h), so creating the player never waits.
//
// Requests carry a generation number. The worker reads for the newest one;
// the callback takes a request at its next block and drops frames read for
// older ones; the position it publishes is what has been heard.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "devices/cdaudio/cdaudio.h"
#include "devices/cdaudio/disc.h"
#include "devices/cdaudio/renderer.h"
#include "audio/output.h"

namespace cdaudio {

class Player {
public:
    explicit Player(Output output);
    ~Player();

    // Stops, and holds at the start of `disc` (null: no disc).
    void SetDisc(std::shared_ptr<Disc> disc);
    // Plays from `at` and stops at `end` (or the end of the disc).
    void Play(std::uint64_t at, std::uint64_t end = UINT64_MAX);
    void Hold(std::uint64_t at);
    // The position heard and whether it plays, the last request included.
    PlayedState State() const;

    // `heard`, when given, receives the frames rendered (interleaved stereo).
    void AdvanceVirtualOutput(std::uint32_t frames, std::int16_t* heard = nullptr);
    std::uint64_t FramesOut() const { return renderer_.FramesOut(); }
    std::uint64_t Underruns() const;
    bool OnSoundCard() const { return output_ && output_->OnServer(); }
    // The silent clock's state for a virtual output, which has none.
    audio::OutputState OutputState() const;
    void SetLevel(std::uint32_t level) { renderer_.SetLevel(level); }
    // Test seam: the output's back end dies as an unplugged card does.
    void LoseOutput()
    {
        if (output_) output_->Lose();
    }

private:
    struct Target {
        std::uint32_t generation = 0;
        bool play = false;
        std::uint64_t next = 0;          // next frame to read
        std::uint64_t end = 0;           // where playing stops
        std::shared_ptr<Disc> disc;
    };

    void Request(bool play, std::uint64_t at, std::uint64_t end = UINT64_MAX);
    bool FillOne();
    void RunWorker();

    Renderer renderer_;
    bool virtual_;
    std::uint32_t generation_ = 0;      // of the last request
    PlayerRequest last_;
    std::vector<std::int16_t> virtualBuffer_;

    std::mutex targetMutex_;            // guards target_, wake_, quit_
    std::mutex readMutex_;              // held by the reader during a read
    std::condition_variable wakeWorker_;
    Target target_;
    bool wake_ = false;
    bool quit_ = false;
    // Reader's own: the request of the newest block in the ring, and how many
    // blocks it has put in for that request.
    std::uint32_t publishedGeneration_ = 0;
    std::size_t blocksForTarget_ = 0;
    std::thread worker_;
    // After the renderer, which it calls: it goes first.
    std::unique_ptr<audio::Output> output_;
};

}  // namespace cdaudio
