// The A, B and CLR buttons and the jumps of timer 2, over scripted positions.
#include "cd/cd_timers.h"
#include "cd/cd_transport.h"
#include "recorded_deck.h"
#include "shell/console_state.h"

class AbRepeat : public RecordedDeck {
protected:
    void SetUp() override {
        RecordedDeck::SetUp();
        CdPlayButton(Window());
        KillTimer(Window(), 1);  // only timer 2's queries in the log
        Forget();
    }
    void At(int ms) { cd.Answer("status cdaudio position", std::to_string(ms)); }
    void MarkA(int ms) {
        At(ms);
        AbMarkA(Window());
    }
    void MarkB(int ms) {
        At(ms);
        AbMarkB(Window());
    }
    // One tick of timer 2 with the device at `ms`: the commands it sent.
    Commands TickAt(int ms) {
        At(ms);
        cd.ClearSent();
        console->host.Advance(10);
        return cd.Sent();
    }
};

const Commands kJumpToA = Join({kPositionQuery, {"set cdaudio time format milliseconds", "play cdaudio from 1000 notify"}});

TEST_F(AbRepeat, BWithoutAAndAOutsideStateZeroOrInProgramPlayDoNothing) {
    MarkB(5000);
    EXPECT_EQ(g_abState, AB_OFF);
    EXPECT_TRUE(cd.Sent().empty());
    g_listMode = 1;
    MarkA(1000);
    EXPECT_EQ(g_abState, AB_OFF);
    g_listMode = 0;
    MarkA(1000);
    MarkA(3000);
    EXPECT_EQ(g_abPointA, 1000);
    MarkB(5000);
    MarkA(3000);
    EXPECT_EQ(g_abState, AB_LOOPING);
    EXPECT_EQ(g_abPointA, 1000);
}

TEST_F(AbRepeat, LoopJumpsBackToAOnceThePositionReachesB) {
    MarkA(1000);
    EXPECT_EQ(g_abState, AB_A_SET);
    EXPECT_EQ(cd.Sent(), kPositionQuery);
    MarkB(5000);
    EXPECT_EQ(g_abState, AB_LOOPING);
    EXPECT_EQ(g_abPointB, 5000);
    EXPECT_EQ(Calls("SetTimer"), (std::vector<std::string>{"SetTimer(2,10)"}));
    EXPECT_EQ(TickAt(4990), kPositionQuery);
    EXPECT_EQ(TickAt(5000), kJumpToA);
    EXPECT_EQ(TickAt(5120), kJumpToA);
}

TEST_F(AbRepeat, HoldKeepsLoopingAndPlayResumesFromTheHoldWithoutTheLoop) {
    MarkA(1000);
    MarkB(5000);
    Forget();
    MarkB(3000);  // B again: held
    EXPECT_EQ(g_abState, AB_HELD);
    EXPECT_EQ(g_abHoldPos, 3000);
    EXPECT_EQ(Calls("KillTimer"), (std::vector<std::string>{"KillTimer(2)"}));
    EXPECT_EQ(Calls("SetTimer"), (std::vector<std::string>{"SetTimer(2,10)"}));
    EXPECT_EQ(TickAt(5000), kJumpToA);  // still looping
    MarkB(4000);                        // B in state 3 does nothing
    EXPECT_EQ(g_abHoldPos, 3000);

    cd.ClearSent();
    CdPlayButton(Window());
    EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format milliseconds", "play cdaudio from 3000 notify"}));
    EXPECT_EQ(g_abState, AB_LOOPING);  // "A-B LOOP" stays lit ...
    KillTimer(Window(), 1);
    EXPECT_TRUE(TickAt(6000).empty());  // ... but no loop runs

    MarkB(2000);  // B once more brings the loop back
    EXPECT_EQ(g_abState, AB_HELD);
    EXPECT_EQ(TickAt(5000), kJumpToA);
}

TEST_F(AbRepeat, ClearKeepsThePointsAndAMarksAfresh) {
    MarkA(1000);
    MarkB(5000);
    AbClear(Window());
    EXPECT_EQ(g_abState, AB_OFF);
    EXPECT_EQ(g_abPointA, 1000);
    EXPECT_EQ(g_abPointB, 5000);
    EXPECT_TRUE(TickAt(6000).empty());
    MarkA(7000);
    EXPECT_EQ(g_abState, AB_A_SET);
    EXPECT_EQ(g_abPointA, 7000);
}

TEST_F(AbRepeat, StateChangesRepaintTheDisplay) {
    MarkA(1000);
    MarkB(5000);
    MarkB(6000);
    AbClear(Window());
    AbReset();
    EXPECT_EQ(Calls("InvalidateRect"), std::vector<std::string>(5, "InvalidateRect(32,90,409,240)"));
}

// A B at or before A would make timer 2 jump on every tick: it is not taken.
TEST_F(AbRepeat, BAtOrBeforeAIsNotTaken) {
    MarkA(5000);
    MarkB(5000);
    MarkB(2000);
    EXPECT_EQ(g_abState, AB_A_SET);
    EXPECT_TRUE(Calls("SetTimer").empty());
    MarkB(9000);
    EXPECT_EQ(g_abState, AB_LOOPING);
}

// A paused deck stands still: a B marked where it stands must not start it.
TEST_F(AbRepeat, APausedDeckNeverJumps) {
    MarkA(1000);
    CdPauseButton(Window());
    MarkB(5000);
    EXPECT_EQ(g_abState, AB_LOOPING);
    EXPECT_EQ(TickAt(5000), Commands{});
    EXPECT_EQ(g_cdState, CD_PAUSED);
}

// A track button after PAUSE leaves the deck stopped on a track that may lie
// past B: the loop must not set the drive playing behind a stopped deck.
TEST_F(AbRepeat, AStoppedDeckNeverJumps) {
    MarkA(1000);
    MarkB(5000);
    CdPauseButton(Window());
    TrackButton(Window(), 2);  // track 3 starts at 400000, past B
    ASSERT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(TickAt(400000), Commands{});
    EXPECT_EQ(g_cdState, CD_STOPPED);
}

TEST_F(AbRepeat, StopEndsTheLoop) {
    MarkA(1000);
    MarkB(5000);
    CdStopButton(Window());
    EXPECT_EQ(g_abState, AB_OFF);
    EXPECT_EQ(g_abPointA, 0);
    EXPECT_EQ(g_abPointB, 0);
    EXPECT_EQ(g_abHoldPos, 0);
    EXPECT_TRUE(TickAt(9000).empty());
}
