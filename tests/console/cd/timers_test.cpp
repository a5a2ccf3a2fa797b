// Timer 1 at the end of the disc, the text the ticks draw, refused timers and
// the tray button, over scripted replies.
#include "cd/cd_timers.h"
#include "cd/cd_transport.h"
#include "display_pixels.h"
#include "recorded_deck.h"
#include "shell/console_state.h"

class CdTimers : public RecordedDeck {
protected:
    // One tick of timer 1 with the display reading `tmsf` and the device at `ms`.
    void PositionTick(const char* tmsf, int ms) {
        cd.AnswerOnce("status cdaudio position", tmsf);
        cd.AnswerOnce("status cdaudio position", std::to_string(ms));
        Forget();
        console->host.Advance(100);
    }
};

TEST_F(CdTimers, PositionTickDrawsTheReplyAndReleasesWhatItMade) {
    CdPlayButton(Window());
    console->host.Pump();
    headless::GdiCounts before = headless::LiveGdiObjects();
    ASSERT_EQ(CyanPixels(console->host), 0);
    PositionTick("01:00:05:00", 5000);
    EXPECT_EQ(cd.Sent(), Join({{"set cdaudio time format tmsf", "status cdaudio position"}, kPositionQuery}));
    EXPECT_GT(CyanPixels(console->host), 20);
    EXPECT_EQ(headless::LiveGdiObjects(), before);
    EXPECT_EQ(g_cdState, CD_PLAYING);
}

TEST_F(CdTimers, EndOfTheDiscLoopsToTrackOneOrStopsAtTheStart) {
    CdPlayButton(Window());
    PositionTick("10:03:19:74", kTracks * kTrackMs);
    EXPECT_EQ(cd.Sent(), Join({{"set cdaudio time format tmsf", "status cdaudio position"}, kPositionQuery,
                               {"set cdaudio time format tmsf", "play cdaudio from 1 notify"}}));
    EXPECT_EQ(g_cdState, CD_PLAYING);
    EXPECT_TRUE(Calls("KillTimer").empty());

    g_cdLoop = 0;
    PositionTick("10:03:19:74", kTracks * kTrackMs + 13);
    EXPECT_EQ(cd.Sent(), Join({{"set cdaudio time format tmsf", "status cdaudio position"}, kPositionQuery,
                               {"seek cdaudio to start"}}));
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(Calls("KillTimer"), (std::vector<std::string>{"KillTimer(1)"}));
    cd.ClearSent();
    console->host.Advance(1000);
    EXPECT_TRUE(cd.Sent().empty());
}

TEST_F(CdTimers, OtherTimerIdsDoNothing) {
    Korvex_OnTimer(Window(), 4);
    Korvex_OnTimer(Window(), 0);
    EXPECT_TRUE(cd.Sent().empty());
    EXPECT_TRUE(console->host.Calls().empty());
}

TEST_F(CdTimers, ARefusedTimerIsReportedAndTheActionGoesOn) {
    console->host.RefuseTimers(true);
    const std::string report = "Tornel Error|Timer not exists.|" + std::to_string(win::MB_OK | win::MB_ICONERROR);
    TrackButton(Window(), 2);
    EXPECT_EQ(console->host.MessageBoxes(), std::vector<std::string>{report});
    EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format tmsf", "play cdaudio from 3 notify"}));
    EXPECT_EQ(g_cdState, CD_PLAYING);

    g_abState = AB_A_SET;
    cd.Answer("status cdaudio position", "5000");
    AbMarkB(Window());
    EXPECT_EQ(g_abState, AB_LOOPING);
    CdTrayButton(Window());
    EXPECT_EQ(console->host.MessageBoxes(), std::vector<std::string>(3, report));
    EXPECT_EQ(cd.Sent()[cd.Sent().size() - 5], "set cdaudio door closed");
}

TEST_F(CdTimers, TrayButtonOpensAFullDriveAndClosesAnyOther) {
    for (const char* reply : {"true", "", "TRUE", "true "}) {
        cd.AnswerOnce("status cdaudio media present", reply);
        Forget();
        CdTrayButton(Window());
        const char* door = std::string(reply) == "true" ? "set cdaudio door open" : "set cdaudio door closed";
        EXPECT_EQ(cd.Sent(), (Commands{"stop cdaudio", "status cdaudio media present", door, "open cdaudio",
                                       "status cdaudio number of tracks", "set cdaudio time format milliseconds",
                                       "status cdaudio length"}))
            << reply;
        EXPECT_EQ(Calls("KillTimer"), std::vector<std::string>{"KillTimer(1)"});
        EXPECT_EQ(Calls("SetTimer"), std::vector<std::string>{"SetTimer(3,1000)"});
    }
    EXPECT_EQ(g_blinkCount, 0);
    EXPECT_EQ(g_trayTick, console->host.Now());
}

// The tick count wraps round every 49.7 days; a wait across the wrap still
// lasts its seven seconds.
TEST_F(CdTimers, TrayWaitAcrossTheWrapOfTheTickCountLastsSevenSeconds) {
    console->host.Advance(0u - console->host.Now() - 3000u);
    ASSERT_EQ(console->host.Now(), 0xFFFFFFFFu - 2999u);
    g_listMode = 1;
    CdTrayButton(Window());
    console->host.Advance(6000);
    EXPECT_EQ(g_blinkCount, 6);
    EXPECT_EQ(g_listMode, 1);
    console->host.Advance(1000);
    EXPECT_EQ(g_listMode, 0);
    EXPECT_EQ(g_blinkCount, 6);
}
