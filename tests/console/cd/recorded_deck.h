// A console started over a recording "cdaudio" device that holds a disc of
// ten tracks of 200 s; the start-up's commands and calls are forgotten.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "deck_options.h"
#include "support/recording_cd.h"

constexpr int kTracks = 10;
constexpr int kTrackMs = 200000;

class RecordedDeck : public ::testing::Test {
protected:
    void SetUp() override {
        cd.HoldDisc(kTracks, kTrackMs);
        console = std::make_unique<ConsoleSession>(OverDevice(&cd));
        Forget();
    }
    void Forget() {
        cd.ClearSent();
        console->host.ClearCalls();
    }
    win::HWND Window() const { return console->Window(); }
    std::vector<std::string> Calls(const std::string& prefix) const {
        return console->host.CallsStartingWith(prefix);
    }

    RecordingCd cd;  // outlives the console
    std::unique_ptr<ConsoleSession> console;
};

// The commands that read the device's position and current track.
inline const Commands kPositionQuery = {"set cdaudio time format milliseconds", "status cdaudio position"};
inline const Commands kTrackQuery = {"set cdaudio time format tmsf", "status cdaudio current track"};

inline Commands Join(std::initializer_list<Commands> parts) {
    Commands all;
    for (const Commands& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}
