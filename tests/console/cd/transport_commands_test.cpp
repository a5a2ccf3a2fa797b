// The exact command strings of each device operation and button action.
#include "cd/cd_transport.h"
#include "cd/program_list.h"
#include "recorded_deck.h"
#include "shell/console_state.h"

using DeckCommands = RecordedDeck;

TEST_F(DeckCommands, StartUpReadsTheDiscAndTurnsCdLoopOn) {
    RecordingCd fresh;
    fresh.HoldDisc(12, 1000);
    console.reset();
    console = std::make_unique<ConsoleSession>(OverDevice(&fresh));
    EXPECT_EQ(fresh.Sent(), (Commands{"open cdaudio", "status cdaudio number of tracks",
                                      "set cdaudio time format milliseconds", "status cdaudio length"}));
    EXPECT_EQ(g_trackCount, 12);
    EXPECT_EQ(g_discLengthMs, 12000);
    EXPECT_EQ(g_cdLoop, 1);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    console.reset();  // before `fresh` goes
}

TEST_F(DeckCommands, EmptyOrRefusingDriveReadsNoTracks) {
    RecordingCd empty;
    empty.Refuse("status cdaudio number of tracks");
    console.reset();
    console = std::make_unique<ConsoleSession>(OverDevice(&empty));
    EXPECT_EQ(g_trackCount, 0);
    EXPECT_EQ(g_discLengthMs, 0);
    console.reset();
}

TEST_F(DeckCommands, DeviceOperations) {
    struct Case {
        const char* name;
        void (*run)();
        Commands expected;
    };
    cd.Answer("status cdaudio position", "61000");
    const Case cases[] = {
        {"stop", [] { CdStop(); }, {"stop cdaudio"}},
        {"cue", [] { CdCueTrack(3); },
         {"set cdaudio time format tmsf", "seek cdaudio to 3", "stop cdaudio"}},
        {"play track", [] { CdPlayTrack(4); }, {"set cdaudio time format tmsf", "play cdaudio from 4 notify"}},
        {"play from", [] { CdPlayFromMs(-500); },
         {"set cdaudio time format milliseconds", "play cdaudio from -500 notify"}},
        {"resume", [] { CdResume(); }, Join({kPositionQuery, {"play cdaudio from 61000 notify"}})},
        {"current track", [] { CdCurrentTrack(); }, kTrackQuery},
        {"position", [] { CdPositionMs(); }, kPositionQuery},
        {"track length", [] { CdTrackLengthMs(7); },
         {"set cdaudio time format milliseconds", "status cdaudio length track 7"}},
    };
    for (const Case& c : cases) {
        cd.ClearSent();
        c.run();
        EXPECT_EQ(cd.Sent(), c.expected) << c.name;
    }
    EXPECT_EQ(CdTrackLengthMs(7), kTrackMs);
    EXPECT_EQ(CdPositionMs(), 61000);
}

TEST_F(DeckCommands, StopCuesTheCurrentTrackAndEndsTheABRepeat) {
    CdPlayButton(Window());
    g_abState = AB_LOOPING;
    g_abPointA = 1000;
    g_abPointB = 5000;
    cd.Answer("status cdaudio current track", "5");
    Forget();
    CdStopButton(Window());
    EXPECT_EQ(cd.Sent(), Join({{"stop cdaudio"}, kTrackQuery,
                               {"set cdaudio time format tmsf", "seek cdaudio to 5", "stop cdaudio"}}));
    EXPECT_EQ(Calls("KillTimer"), (std::vector<std::string>{"KillTimer(1)", "KillTimer(2)"}));
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(g_abState, AB_OFF);
    EXPECT_EQ(g_abPointA, 0);
    EXPECT_EQ(g_abPointB, 0);
}

TEST_F(DeckCommands, PlayResumesFromTheDevicePositionAndStartsTimer1) {
    cd.Answer("status cdaudio position", "12345");
    CdPlayButton(Window());
    EXPECT_EQ(cd.Sent(), Join({kPositionQuery, {"play cdaudio from 12345 notify"}}));
    EXPECT_EQ(Calls("KillTimer"), (std::vector<std::string>{"KillTimer(2)"}));
    EXPECT_EQ(Calls("SetTimer"), (std::vector<std::string>{"SetTimer(1,100)"}));
    EXPECT_EQ(Calls("InvalidateRect"), (std::vector<std::string>{"InvalidateRect(32,90,409,240)"}));
    EXPECT_EQ(g_cdState, CD_PLAYING);
}

TEST_F(DeckCommands, PlayWithTheLoopHeldPlaysFromTheHoldPosition) {
    g_abState = AB_HELD;
    g_abHoldPos = 42000;
    CdPlayButton(Window());
    EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format milliseconds", "play cdaudio from 42000 notify"}));
    EXPECT_EQ(g_abState, AB_LOOPING);
    EXPECT_EQ(g_cdState, CD_PLAYING);
}

TEST_F(DeckCommands, PauseStopsTheDeviceWhereItIs) {
    CdPauseButton(Window());
    EXPECT_EQ(cd.Sent(), (Commands{"stop cdaudio"}));
    EXPECT_EQ(Calls("KillTimer"), (std::vector<std::string>{"KillTimer(1)"}));
    EXPECT_EQ(g_cdState, CD_PAUSED);
}

TEST_F(DeckCommands, TrackButtonPlaysWhenStoppedAndCuesWhenPaused) {
    TrackButton(Window(), 4);
    EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format tmsf", "play cdaudio from 5 notify"}));
    EXPECT_EQ(Calls("SetTimer"), (std::vector<std::string>{"SetTimer(1,100)"}));
    EXPECT_EQ(g_cdState, CD_PLAYING);

    CdPauseButton(Window());
    Forget();
    TrackButton(Window(), 6);
    EXPECT_EQ(cd.Sent(),
              (Commands{"stop cdaudio", "set cdaudio time format tmsf", "seek cdaudio to 7", "stop cdaudio"}));
    EXPECT_TRUE(Calls("SetTimer").empty());
    EXPECT_EQ(g_cdState, CD_STOPPED);
}

TEST_F(DeckCommands, RefreshRereadsTheDiscKeepsTheLoopSettingAndRepaintsAll) {
    console->host.Command(107);  // CD loop OFF
    CdPlayButton(Window());
    g_listMode = 1;
    g_listPos = 3;
    ASSERT_EQ(ListAppend(2), 1);
    cd.HoldDisc(4, 1000);  // another disc
    Forget();
    CdRefreshButton(Window());
    EXPECT_EQ(cd.Sent(), (Commands{"stop cdaudio", "open cdaudio", "status cdaudio number of tracks",
                                   "set cdaudio time format milliseconds", "status cdaudio length"}));
    EXPECT_EQ(Calls("KillTimer"), (std::vector<std::string>{"KillTimer(1)"}));
    EXPECT_EQ(Calls("InvalidateRect"), (std::vector<std::string>{"InvalidateRect(0,0,640,480)"}));
    EXPECT_EQ(g_trackCount, 4);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(g_listMode, 0);
    EXPECT_EQ(g_listPos, 0);
    EXPECT_EQ(g_listCount, 0);
    EXPECT_EQ(g_listTotalSec, 0);
    EXPECT_EQ(g_cdLoop, 0);
    EXPECT_TRUE(console->host.MenuChecked(107));
    EXPECT_FALSE(console->host.MenuChecked(106));
}
