// The desktop's media keys reach the deck as WM_APPCOMMAND and take its own
// buttons, over the virtual drive.
#include <gtest/gtest.h>

#include "cd/cd_transport.h"
#include "cd/media_keys.h"
#include "deck_options.h"
#include "shell/console_state.h"
#include "support/virtual_disc.h"

using namespace win;

namespace {

class MediaKeys : public ::testing::Test {
protected:
    LRESULT Key(int command) {
        const LRESULT handled = SendMessageA(c.Window(), WM_APPCOMMAND, 0, MAKELPARAM(0, command));
        c.host.Pump();
        return handled;
    }
    VirtualDisc disc{{2000, 3000, 1000}};
    ConsoleSession c{WithDisc(disc.Folder())};
};

}  // namespace

TEST_F(MediaKeys, PlayPauseStopAndSkipActAsTheButtons) {
    EXPECT_FALSE(DeckCanSkip());
    EXPECT_EQ(Key(APPCOMMAND_MEDIA_PLAY_PAUSE), TRUE);
    EXPECT_EQ(g_cdState, 0);
    EXPECT_TRUE(DeckCanSkip());
    Key(APPCOMMAND_MEDIA_NEXTTRACK);
    EXPECT_EQ(CdCurrentTrack(), 2);
    Key(APPCOMMAND_MEDIA_PLAY_PAUSE);
    EXPECT_EQ(g_cdState, 1);
    Key(APPCOMMAND_MEDIA_PREVIOUSTRACK);
    EXPECT_EQ(CdCurrentTrack(), 1);
    EXPECT_EQ(g_cdState, 1);
    Key(APPCOMMAND_MEDIA_PLAY);
    EXPECT_EQ(g_cdState, 0);
    Key(APPCOMMAND_MEDIA_PAUSE);
    EXPECT_EQ(g_cdState, 1);
    Key(APPCOMMAND_MEDIA_STOP);
    EXPECT_EQ(g_cdState, 2);
    EXPECT_FALSE(DeckCanSkip());
}

TEST_F(MediaKeys, OtherCommandsAreLeftToTheSystem) {
    EXPECT_EQ(Key(8 /* volume mute */), 0);
    EXPECT_EQ(g_cdState, 2);
}

TEST_F(MediaKeys, TrackPositionCountsFromTheTrackStart) {
    Key(APPCOMMAND_MEDIA_PLAY);
    Key(APPCOMMAND_MEDIA_NEXTTRACK);
    c.host.Advance(1000);
    EXPECT_NEAR(CdTrackPositionMs(), 1000, 150);
}
