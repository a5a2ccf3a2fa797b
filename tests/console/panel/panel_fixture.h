// A console with a recording drive holding a disc, for the panel's tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "support/console_session.h"
#include "support/recording_cd.h"

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        cd.HoldDisc(12, 200000);
        console = std::make_unique<ConsoleSession>(ConsoleOptions{.device = &cd});
        console->host.ClearCalls();
        cd.ClearSent();
    }
    void TearDown() override { console.reset(); }

    headless::Session& Host() { return console->host; }
    win::HWND Window() { return console->Window(); }

    // Paints the whole panel from the state as it is now; the call log then
    // holds that paint only.
    void Repaint() {
        win::InvalidateRect(Window(), nullptr, win::FALSE);
        Host().ClearCalls();
        Host().Pump();
    }
    bool Logged(const std::string& call) {
        const auto& calls = Host().Calls();
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }
    bool Sent(const std::string& command) {
        return std::find(cd.Sent().begin(), cd.Sent().end(), command) != cd.Sent().end();
    }
    // Pixels of the colour (0x00RRGGBB) in the rectangle, right and bottom excluded.
    int CountPixels(int left, int top, int right, int bottom, std::uint32_t rgb) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += Host().Pixel(x, y) == rgb;
        return n;
    }

    RecordingCd cd;  // outlives the console
    std::unique_ptr<ConsoleSession> console;
};

// Screen colours, 0x00RRGGBB.
constexpr std::uint32_t kGroundRgb = 0xC0C0C0;
constexpr std::uint32_t kBlackRgb = 0x000000;
constexpr std::uint32_t kCyanRgb = 0x00FFFF;
constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
