// The deck over the virtual drive in virtual time: a disc of three short
// tracks (2 s, 3 s, 1 s; 6 s in all).
#include <gtest/gtest.h>

#include <memory>

#include "cd/cd_timers.h"
#include "cd/cd_transport.h"
#include "cd/program_list.h"
#include "deck_options.h"
#include "shell/console_state.h"
#include "support/virtual_disc.h"

class DiscScenario : public ::testing::Test {
protected:
    void SetUp() override {
        console = std::make_unique<ConsoleSession>(WithDisc(disc.Folder()));
        ASSERT_EQ(g_trackCount, 3);
        ASSERT_EQ(g_discLengthMs, 6000);
        console->host.ClearCalls();
    }
    win::HWND Window() const { return console->Window(); }
    void Advance(win::DWORD ms) { console->host.Advance(ms); }
    std::vector<std::string> Plays() const {
        return console->host.CallsStartingWith("mciSendStringA(play cdaudio from");
    }

    VirtualDisc disc{{2000, 3000, 1000}};
    std::unique_ptr<ConsoleSession> console;
};

TEST_F(DiscScenario, EndOfTheDiscWithCdLoopOnPlaysTrackOneAgain) {
    CdPlayButton(Window());
    Advance(6150);
    EXPECT_EQ(CdCurrentTrack(), 1);
    EXPECT_LT(CdPositionMs(), 200);
    EXPECT_EQ(g_cdState, CD_PLAYING);
    Advance(1000);
    EXPECT_GT(CdPositionMs(), 1000);  // timer 1 still runs, and the drive plays on
}

TEST_F(DiscScenario, EndOfTheDiscWithCdLoopOffStopsAtTheStart) {
    g_cdLoop = 0;
    CdPlayButton(Window());
    Advance(6150);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(CdPositionMs(), 0);
    EXPECT_EQ(console->host.CallsStartingWith("KillTimer(1)").size(), 1u);
    Advance(1000);
    EXPECT_EQ(CdPositionMs(), 0);
    CdPlayButton(Window());  // PLAY starts the disc from its beginning
    Advance(500);
    EXPECT_EQ(CdCurrentTrack(), 1);
}

TEST_F(DiscScenario, ProgramPlayRunsEntryAfterEntryAndLoopsOrStops) {
    ListModeButton(Window());
    for (int index : {1, 1, 2}) TrackButton(Window(), index);  // tracks 2, 2, 3
    ASSERT_EQ(g_listTotalSec, 7);
    console->host.ClearCalls();
    CdPlayButton(Window());
    Advance(3050);  // track 2 ran into track 3: the same track again
    EXPECT_EQ(g_listPos, 1);
    EXPECT_EQ(CdCurrentTrack(), 2);
    Advance(3050);  // on to the last entry, the disc's last track
    EXPECT_EQ(g_listPos, 2);
    EXPECT_EQ(CdCurrentTrack(), 3);
    Advance(1050);  // ends through the position test; CD loop on: from the top
    EXPECT_EQ(g_listPos, 0);
    EXPECT_EQ(CdCurrentTrack(), 2);
    EXPECT_EQ(Plays(), (std::vector<std::string>{"mciSendStringA(play cdaudio from 2 notify)",
                                                 "mciSendStringA(play cdaudio from 2 notify)",
                                                 "mciSendStringA(play cdaudio from 3 notify)",
                                                 "mciSendStringA(play cdaudio from 2 notify)"}));
    g_cdLoop = 0;
    Advance(7200);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(g_listPos, 0);
    int stoppedAt = CdPositionMs();
    Advance(500);
    EXPECT_EQ(CdPositionMs(), stoppedAt);
}

TEST_F(DiscScenario, ABLoopHoldPlayAndBOnceMore) {
    CdPlayButton(Window());
    Advance(1000);
    AbMarkA(Window());
    Advance(1500);
    AbMarkB(Window());
    const int a = g_abPointA, b = g_abPointB;
    ASSERT_EQ(g_abState, AB_LOOPING);
    for (int i = 0; i < 40; ++i) {  // four passes of the 1.5 s loop
        Advance(150);
        ASSERT_GE(CdPositionMs(), a);
        ASSERT_LE(CdPositionMs(), b + 20);
    }
    AbMarkB(Window());  // held: the loop runs on
    const int hold = g_abHoldPos;
    Advance(2000);
    EXPECT_LE(CdPositionMs(), b + 20);
    CdPlayButton(Window());  // plays on from the hold, without the loop
    EXPECT_EQ(g_abState, AB_LOOPING);
    EXPECT_NEAR(CdPositionMs(), hold, 20);
    Advance(2500);
    EXPECT_GT(CdPositionMs(), b + 900);
    AbMarkB(Window());  // B once more: the loop is back
    Advance(30);
    EXPECT_NEAR(CdPositionMs(), a, 40);
}

TEST_F(DiscScenario, StopDuringALoopEndsIt) {
    CdPlayButton(Window());
    Advance(500);
    AbMarkA(Window());
    Advance(1000);
    AbMarkB(Window());
    Advance(700);
    CdStopButton(Window());
    EXPECT_EQ(g_abPointA, 0);
    EXPECT_EQ(g_abPointB, 0);
    EXPECT_EQ(CdPositionMs(), 0);  // the start of track 1, where it was
    CdPlayButton(Window());
    Advance(2500);
    EXPECT_GT(CdPositionMs(), 2400);  // no jump back
}

// The deck comes out of a re-read stopped, and so does the drive.
TEST_F(DiscScenario, RefreshDuringPlaybackStopsTheDrive) {
    TrackButton(Window(), 1);
    Advance(500);
    CdRefreshButton(Window());
    EXPECT_EQ(g_cdState, CD_STOPPED);
    int before = CdPositionMs();
    Advance(500);
    EXPECT_EQ(CdPositionMs(), before);
    EXPECT_EQ(console->host.CallsStartingWith("KillTimer"), std::vector<std::string>{"KillTimer(1)"});
}

// A drive with nothing to play refuses; the deck stays as it was rather than
// take itself for playing.
TEST_F(DiscScenario, APlayTheDriveRefusesLeavesTheDeckAsItWas) {
    CdTrayButton(Window());  // ejects
    CdPlayButton(Window());
    TrackButton(Window(), 0);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_TRUE(console->host.CallsStartingWith("SetTimer(1").empty());
    ListModeButton(Window());
    CdPlayButton(Window());  // an empty list
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_TRUE(console->host.CallsStartingWith("SetTimer(1").empty());
}

// The tray stops the deck with the drive and reads at once what the drive
// holds: a skip during the wait cannot start the drive unseen, and a shorter
// disc played before the wait ends is known to end where it does.
TEST(TrayDiscChange, TheDeckStopsAndKnowsTheNewDiscAtOnce) {
    VirtualDisc first{{2000, 3000, 1000}}, second{{1000}};
    cdaudio::Options options;
    options.output = cdaudio::Output::Virtual;
    options.initialDisc = first.Folder();
    options.usePhysicalDrive = false;
    options.askForDisc = [&second] { return second.Folder(); };
    const std::unique_ptr<cdaudio::Device> drive = cdaudio::CreateDevice(options);
    ConsoleSession console(OverDevice(drive.get()));
    console.host.OnAdvance([&drive](win::DWORD ms) { drive->AdvanceVirtualOutput(44100 * ms / 1000); });
    const auto mode = [] {
        char reply[32];
        win::mciSendStringA("status cdaudio mode", reply, sizeof reply, nullptr);
        return std::string(reply);
    };

    CdPlayButton(console.Window());
    console.host.Advance(300);
    CdTrayButton(console.Window());  // ejects
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(g_trackCount, 0);
    CdTrayButton(console.Window());  // closes on the second disc
    CdTransport(8);
    EXPECT_EQ(mode(), "stopped");
    EXPECT_EQ(g_discLengthMs, 1000);

    CdPlayButton(console.Window());
    console.host.Advance(1500);  // past its end: CD loop plays it again
    EXPECT_EQ(g_cdState, CD_PLAYING);
    EXPECT_EQ(mode(), "playing");
}
