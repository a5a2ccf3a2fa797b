// A console for the fault-injection tests: a three-track disc in the virtual
// drive, the file pool, and the ordinary actions a user would try once the
// fault has passed, each checking that it still works.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "file_pool.h"
#include "panel/panel_layout.h"
#include "support/console_session.h"
#include "support/virtual_disc.h"

// Panel points of the controls the tests use.
namespace panel_point {
constexpr int kRowY = 42;  // transport buttons and the upper track row
constexpr int kStopX = 86, kPlayX = 110, kOpenX = 254, kFirstTrackX = 332;
constexpr int kRefreshX = 575, kRefreshY = 102;
constexpr int kLoadY = 382;
constexpr int LoadX(int pad) { return PadColumnX(pad) + 21; }
}  // namespace panel_point

class FaultConsole : public ::testing::Test {
protected:
    FaultConsole();
    void TearDown() override;

    win::HWND Window() const { return console->Window(); }
    headless::Session& Host() { return console->host; }
    // Pad p's load button clicked and its file dialog answered with path.
    void LoadPad(int pad, const std::string& path);

    // Ordinary use after a fault: each expects it to work and the console's
    // invariants to hold.
    void ExpectPadsPlay();
    void ExpectDeckPlays();
    void ExpectInvariants();

    FilePool files;
    VirtualDisc disc{{2000, 3000, 1000}};
    std::unique_ptr<ConsoleSession> console;
    headless::GdiCounts gdi{};
};
