// Stands between the console and the drive: passes every command on, counts
// those that move the play head, and compares the drive's reported position
// with the frames its output has taken.
//
// A quiet stretch runs from one probe to the last that follows it while the
// drive plays and nobody moved the head. Over a stretch the position must
// advance by exactly the frames played; what it lacks or exceeds is drift
// (an output underrun shows as frames played that the position never got).
// Positions are read in whole milliseconds, so each stretch carries up to
// one millisecond (44.1 frames) of reading error.
#pragma once

#include <cstdint>
#include <string>

#include "devices/cdaudio/cdaudio.h"
#include "platform/devices.h"

struct DriftFigures {
    std::uint64_t stretches = 0;       // closed quiet stretches
    std::uint64_t framesCompared = 0;  // frames played inside them
    std::int64_t totalDrift = 0;       // sum of the stretches' drift, frames
    std::int64_t worstDrift = 0;       // drift of the stretch furthest from 0
    std::uint64_t beyondReading = 0;   // stretches off by more than the reading error
    std::uint64_t tornReads = 0;       // probes given up: the output ran during every try
};

class DriveWatch final : public win::CommandStringDevice {
public:
    explicit DriveWatch(cdaudio::Device& drive) : drive_(drive) {}

    win::MCIERROR SendString(const char* command, char* returnString, win::UINT returnLength) override;

    // Reads the position and the frames played back to back and extends or
    // closes the current stretch.
    void Probe();
    // The figures with the open stretch closed.
    DriftFigures Figures();

private:
    struct Reading {
        std::uint64_t frames;
        std::uint64_t ms;
        bool playing;
    };

    bool ReadBackToBack(Reading& reading);
    std::string Ask(const char* command);
    void CloseStretch();

    cdaudio::Device& drive_;
    std::string format_ = "msf";  // the time format the console last set; the drive starts in msf
    std::uint64_t moves_ = 0;      // commands that moved the head or changed the disc
    bool open_ = false;
    std::uint64_t openMoves_ = 0;
    Reading start_{};
    Reading last_{};
    DriftFigures figures_;
};
