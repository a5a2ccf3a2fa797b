// Building the program list, its mode and clear buttons, the list step of
// the skip buttons and the check that timer 1 runs in program play.
#include "cd/cd_transport.h"
#include "cd/program_list.h"
#include "recorded_deck.h"
#include "shell/console_state.h"

class ProgramList : public RecordedDeck {
protected:
    void SetUp() override {
        RecordedDeck::SetUp();
        ListModeButton(Window());
        Forget();
    }
    void Build(std::initializer_list<int> tracks) {
        for (int t : tracks) TrackButton(Window(), t - 1);
        Forget();
    }
    std::vector<int> Entries() const { return {g_listTracks, g_listTracks + g_listCount}; }
};

TEST_F(ProgramList, TrackButtonsAppendTrackLengthAndWholeSeconds) {
    cd.Answer("status cdaudio length track 3", "61500");
    TrackButton(Window(), 2);
    EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format milliseconds", "status cdaudio length track 3"}));
    EXPECT_EQ(Calls("InvalidateRect"), (std::vector<std::string>{"InvalidateRect(32,90,409,240)"}));
    TrackButton(Window(), 2);
    EXPECT_EQ(Entries(), (std::vector<int>{3, 3}));
    EXPECT_EQ(g_listLengthMs[1], 61500);
    EXPECT_EQ(g_listTotalSec, 122);  // 61 + 61, not 123
    EXPECT_EQ(g_cdState, CD_STOPPED);         // appending plays nothing
    EXPECT_TRUE(Calls("SetTimer").empty());
}

TEST_F(ProgramList, FullListAndTracksOffTheDiscAreIgnored) {
    for (int i = 0; i < 20; ++i) TrackButton(Window(), i % kTracks);
    Forget();
    TrackButton(Window(), 0);
    EXPECT_EQ(g_listCount, 20);
    EXPECT_EQ(g_listTotalSec, 20 * kTrackMs / 1000);
    EXPECT_TRUE(cd.Sent().empty());
    EXPECT_TRUE(Calls("InvalidateRect").empty());

    ListClear();
    EXPECT_EQ(ListAppend(kTracks + 1), 0);
    EXPECT_EQ(ListAppend(0), 0);
    EXPECT_EQ(ListAppend(-3), 0);
    EXPECT_EQ(g_listCount, 0);
}

TEST_F(ProgramList, ModeAndClearButtonsRepaintTheirButtonAndTheDisplay) {
    Build({4, 2});
    g_listPos = 1;
    ListClearButton(Window());
    EXPECT_EQ(Calls("InvalidateRect"),
              (std::vector<std::string>{"InvalidateRect(500,90,524,114)", "InvalidateRect(32,90,409,240)"}));
    EXPECT_EQ(g_listCount, 0);
    EXPECT_EQ(g_listTotalSec, 0);
    EXPECT_EQ(g_listTracks[0], 0);
    EXPECT_EQ(g_listLengthMs[1], 0);
    EXPECT_EQ(g_listPos, 1);

    Build({5});
    ListModeButton(Window());
    EXPECT_EQ(g_listMode, 0);
    EXPECT_EQ(Calls("InvalidateRect"),
              (std::vector<std::string>{"InvalidateRect(440,90,494,114)", "InvalidateRect(32,90,409,240)"}));
    EXPECT_EQ(Entries(), (std::vector<int>{5}));
    EXPECT_TRUE(cd.Sent().empty());
}

TEST_F(ProgramList, PlayStartsTheListFromItsFirstEntry) {
    Build({4, 2});
    g_listPos = 1;
    CdPlayButton(Window());
    EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format tmsf", "play cdaudio from 4 notify"}));
    EXPECT_EQ(g_listPos, 0);
    EXPECT_EQ(g_cdState, CD_PLAYING);

    ListClear();  // an empty list plays "track 0", and the first tick stops the deck
    cd.ClearSent();
    CdPlayButton(Window());
    EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format tmsf", "play cdaudio from 0 notify"}));
    cd.ClearSent();
    ListCheck(Window());
    EXPECT_EQ(cd.Sent(), (Commands{"stop cdaudio"}));
    EXPECT_EQ(g_cdState, CD_STOPPED);
}

TEST_F(ProgramList, SkipStepsThroughTheListWhateverTheDeckState) {
    Build({3, 7, 9});
    const Commands step = {"set cdaudio time format tmsf"};
    auto play = [&](const char* t) {
        return Join({step, {"set cdaudio time format tmsf", std::string("play cdaudio from ") + t + " notify"}});
    };
    auto skip = [&](int code) {
        cd.ClearSent();
        CdTransport(code);
        return cd.Sent();
    };
    EXPECT_EQ(skip(8), step);  // stopped: g_listPos moves, nothing plays
    EXPECT_EQ(g_listPos, 1);
    CdPlayButton(Window());  // restarts at entry 0
    g_cdLoop = 0;
    EXPECT_EQ(skip(8), play("7"));
    EXPECT_EQ(skip(8), play("9"));
    EXPECT_EQ(skip(8), play("3"));  // wraps whatever the loop setting
    EXPECT_EQ(g_listPos, 0);
    EXPECT_EQ(skip(7), play("3"));  // previous on the first entry stays there
    CdPauseButton(Window());
    EXPECT_EQ(skip(8), Join({step, {"set cdaudio time format tmsf", "seek cdaudio to 7", "stop cdaudio"}}));
    EXPECT_EQ(g_cdState, CD_PAUSED);
}

TEST_F(ProgramList, CheckAdvancesLoopsOrStops) {
    Build({3, 3});
    CdPlayButton(Window());
    Forget();
    // Entry 0 still on track 3, before the end of the disc: nothing happens.
    cd.AnswerOnce("status cdaudio current track", "3");
    cd.AnswerOnce("status cdaudio position", "500000");
    ListCheck(Window());
    EXPECT_EQ(cd.Sent(), Join({kTrackQuery, kPositionQuery}));
    // The device ran on into track 4: the second entry (track 3 again) starts.
    cd.ClearSent();
    cd.AnswerOnce("status cdaudio current track", "4");
    ListCheck(Window());
    EXPECT_EQ(cd.Sent(), Join({kTrackQuery, {"set cdaudio time format tmsf", "play cdaudio from 3 notify"}}));
    EXPECT_EQ(g_listPos, 1);
    // The last entry ends with CD loop on: the list starts again.
    cd.ClearSent();
    cd.AnswerOnce("status cdaudio current track", "4");
    ListCheck(Window());
    EXPECT_EQ(cd.Sent(), Join({kTrackQuery, {"set cdaudio time format tmsf", "play cdaudio from 3 notify"}}));
    EXPECT_EQ(g_listPos, 0);
    // With CD loop off the deck stops and timer 1 ends.
    g_cdLoop = 0;
    g_listPos = 1;
    cd.ClearSent();
    cd.AnswerOnce("status cdaudio current track", "3");
    cd.AnswerOnce("status cdaudio position", std::to_string(kTracks * kTrackMs));
    ListCheck(Window());
    EXPECT_EQ(cd.Sent(), Join({kTrackQuery, kPositionQuery, {"stop cdaudio"}}));
    EXPECT_EQ(Calls("KillTimer"), (std::vector<std::string>{"KillTimer(1)"}));
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(g_listPos, 0);
}

TEST_F(ProgramList, ClearingWhilePlayingStopsAtTheNextTick) {
    Build({2});
    CdPlayButton(Window());
    ListClearButton(Window());
    Forget();
    console->host.Advance(100);
    EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format tmsf", "status cdaudio position", "stop cdaudio"}));
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_TRUE(Calls("SetTimer").empty());
    cd.ClearSent();
    console->host.Advance(1000);
    EXPECT_TRUE(cd.Sent().empty());  // timer 1 is gone
}
