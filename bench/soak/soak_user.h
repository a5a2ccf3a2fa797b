// A restless user for the soak: keeps the disc playing with CD loop on, fires
// and loops the pads, strikes random keys, sets up A-B repeats now and then,
// jumps about the disc and reloads pads. Everything goes through the panel,
// the keyboard and the menu of the headless host; the schedule follows the
// real elapsed time handed to Step.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

struct SoakCounts {
    std::uint64_t keyStrokes = 0;
    std::uint64_t abRepeats = 0;
    std::uint64_t jumps = 0;
    std::uint64_t padReloads = 0;
    std::uint64_t replays = 0;  // PLAY pressed because the deck had stopped
};

class SoakUser {
public:
    // `samples`: WAV files for the pads.
    SoakUser(headless::Session& host, std::vector<std::string> samples, std::uint32_t seed);

    // CD loop on, every pad loaded with its loop on, the disc playing.
    void Start();
    // Acts on whatever fell due by `nowMs` (real milliseconds since Start).
    void Step(std::uint64_t nowMs);
    const SoakCounts& Counts() const { return counts_; }

private:
    enum class Ab { Idle, ASet, Looping };

    void LoadPad(int pad);
    void StrikeKey();
    void StepAb();
    void Jump();
    std::uint64_t After(std::uint64_t minMs, std::uint64_t maxMs);
    void KeepPlaying();

    headless::Session& host_;
    std::vector<std::string> samples_;
    std::mt19937 random_;
    std::uint64_t now_ = 0;
    win::UINT heldKey_ = 0;
    std::uint64_t keyUpAt_ = 0;
    std::uint64_t nextKey_ = 0;
    Ab ab_ = Ab::Idle;
    std::uint64_t nextAb_ = 0;
    std::uint64_t nextJump_ = 0;
    std::uint64_t nextReload_ = 0;
    std::uint64_t stoppedSince_ = 0;
    bool stopped_ = false;
    SoakCounts counts_;
};
