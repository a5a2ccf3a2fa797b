// REW, FF, BAK and FW in each deck state.
#include "cd/cd_transport.h"
#include "recorded_deck.h"
#include "shell/console_state.h"

class SearchSkip : public RecordedDeck {
protected:
    void Play() {
        CdPlayButton(Window());
        Forget();
    }
    void Pause() {
        CdPauseButton(Window());
        Forget();
    }
    // The commands of a skip that found the device on `current`, then `tail`.
    static Commands SkipFrom(const Commands& tail) {
        return Join({{"set cdaudio time format tmsf"}, kTrackQuery, tail});
    }
    Commands SkipWith(int code, const char* current) {
        cd.ClearSent();
        cd.AnswerOnce("status cdaudio current track", current);
        CdTransport(code);
        return cd.Sent();
    }
};

TEST_F(SearchSkip, WhileStoppedNothingMoves) {
    cd.Answer("status cdaudio current track", "4");
    for (int code : {5, 6}) {
        cd.ClearSent();
        CdTransport(code);
        EXPECT_EQ(cd.Sent(), kPositionQuery) << code;
    }
    EXPECT_EQ(SkipWith(7, "4"), SkipFrom({}));
    EXPECT_EQ(SkipWith(8, "4"), SkipFrom({}));
    EXPECT_EQ(g_cdState, CD_STOPPED);
}

TEST_F(SearchSkip, SearchWhilePlayingIsNotClampedAtEitherEnd) {
    Play();
    cd.AnswerOnce("status cdaudio position", "4000");
    CdTransport(5);
    EXPECT_EQ(cd.Sent(), Join({kPositionQuery, {"set cdaudio time format milliseconds", "play cdaudio from -6000 notify"}}));
    cd.ClearSent();
    cd.AnswerOnce("status cdaudio position", "1999000");
    CdTransport(6);
    EXPECT_EQ(cd.Sent(),
              Join({kPositionQuery, {"set cdaudio time format milliseconds", "play cdaudio from 2009000 notify"}}));
    EXPECT_EQ(g_cdState, CD_PLAYING);
    EXPECT_TRUE(Calls("KillTimer").empty());
}

TEST_F(SearchSkip, SearchWhilePausedSeeksAndStaysPaused) {
    Pause();
    cd.AnswerOnce("status cdaudio position", "4000");
    CdTransport(6);
    EXPECT_EQ(cd.Sent(), Join({kPositionQuery, {"seek cdaudio to 14000", "stop cdaudio"}}));
    EXPECT_EQ(g_cdState, CD_PAUSED);
}

TEST_F(SearchSkip, SkipWhilePlayingWrapsAtBothEnds) {
    Play();
    EXPECT_EQ(SkipWith(8, "4"), SkipFrom({"set cdaudio time format tmsf", "play cdaudio from 5 notify"}));
    EXPECT_EQ(SkipWith(8, "10"), SkipFrom({"set cdaudio time format tmsf", "play cdaudio from 1 notify"}));
    EXPECT_EQ(SkipWith(7, "1"), SkipFrom({"set cdaudio time format tmsf", "play cdaudio from 10 notify"}));
    EXPECT_EQ(SkipWith(7, "4"), SkipFrom({"set cdaudio time format tmsf", "play cdaudio from 3 notify"}));
    EXPECT_EQ(g_cdState, CD_PLAYING);
}

TEST_F(SearchSkip, SkipWhilePausedCuesTheTargetAndWrapsLikePlayback) {
    Pause();
    auto cue = [](const char* track) {
        return SkipFrom({"set cdaudio time format tmsf", std::string("seek cdaudio to ") + track, "stop cdaudio"});
    };
    EXPECT_EQ(SkipWith(8, "4"), cue("5"));
    EXPECT_EQ(SkipWith(8, "10"), cue("1"));
    EXPECT_EQ(SkipWith(7, "1"), cue("10"));
    EXPECT_EQ(g_cdState, CD_PAUSED);
}

TEST_F(SearchSkip, PauseWhileStoppedThenPlayResumesWhereTheDeviceStands) {
    CdPauseButton(Window());
    EXPECT_EQ(g_cdState, CD_PAUSED);
    cd.ClearSent();
    cd.AnswerOnce("status cdaudio position", "0");
    CdPlayButton(Window());
    EXPECT_EQ(cd.Sent(), Join({kPositionQuery, {"play cdaudio from 0 notify"}}));
    EXPECT_EQ(g_cdState, CD_PLAYING);
}
