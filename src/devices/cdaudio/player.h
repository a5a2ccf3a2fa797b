// Plays a disc: a worker thread reads and decodes into the ring, the output
// renders from it. Every member is called from the GUI thread.
//
// The player starts on the null output at once; a second worker opens the
// sound card meanwhile and hands it over between two callbacks, so that
// creating the player never waits for the card.
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
#include "devices/cdaudio/output.h"

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
    std::uint64_t Underruns() const { return renderer_.Underruns(); }
    bool OnSoundCard() const;
    void SetLevel(std::uint32_t level) { renderer_.SetLevel(level); }
    // Replaces a lost sound card by the null output.
    void CheckOutput();
    // Tests: the next CheckOutput takes the output as lost.
    void LoseOutput() { outputLost_ = true; }

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
    void OpenSoundCard();

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

    mutable std::mutex sinkMutex_;      // guards sink_ and closing_ against the opener
    std::condition_variable closingChanged_;
    bool closing_ = false;
    std::unique_ptr<AudioSink> sink_;
    std::thread opener_;
    bool outputLost_ = false;
};

}  // namespace cdaudio
