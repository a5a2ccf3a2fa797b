// Pointer gestures on the panel: arming, cancelling, releasing, dragging.
#include "panel/pointer.h"

#include "cd/levels.h"
#include "panel/press.h"
#include "panel_fixture.h"
#include "platform/devices.h"
#include "shell/console_state.h"

using namespace win;

namespace {

using PointerTest = PanelTest;

TEST_F(PointerTest, StopPressedAndReleasedOnStopStopsTheDeck) {
    Host().MouseDown(86, 42);
    EXPECT_EQ(g_pressed, PRESS_STOP);
    EXPECT_TRUE(Logged("InvalidateRect(74,30,98,54)"));
    Host().MouseUp(86, 42);
    EXPECT_TRUE(Sent("stop cdaudio"));
    EXPECT_EQ(g_pressed, PRESS_NONE);
}

TEST_F(PointerTest, LeavingAButtonCancelsItsPress) {
    Host().MouseDown(86, 42);
    Host().MouseMove(110, 42);  // onto PLAY
    EXPECT_EQ(g_pressed, PRESS_NONE);
    Host().MouseUp(110, 42);
    EXPECT_TRUE(cd.Sent().empty());
}

TEST_F(PointerTest, TrackPressRefusedInProgramPlayWhilePlaying) {
    g_listMode = 1;
    g_cdState = CD_PLAYING;
    Host().Click(335, 42);
    EXPECT_EQ(g_listCount, 0);
    EXPECT_EQ(g_pressed, PRESS_NONE);

    g_cdState = CD_STOPPED;  // stopped: the track is appended
    Host().Click(335, 42);
    EXPECT_EQ(g_listCount, 1);
    EXPECT_EQ(g_listTracks[0], 1);
}

TEST_F(PointerTest, ModeAndListClearPressConditions) {
    g_cdState = CD_PLAYING;
    Host().MouseDown(460, 100);
    EXPECT_EQ(g_pressed, PRESS_NONE);
    Host().MouseUp(460, 100);
    EXPECT_EQ(g_listMode, 0);

    Host().MouseDown(510, 100);  // list clear in normal play
    EXPECT_EQ(g_pressed, PRESS_NONE);
    Host().MouseUp(510, 100);

    g_cdState = CD_STOPPED;
    Host().Click(460, 100);
    EXPECT_EQ(g_listMode, 1);
}

TEST_F(PointerTest, WithTwelveTracksTheLowerRowTakesOnlyElevenAndTwelve) {
    EXPECT_EQ(g_trackCount, 12);
    Host().MouseDown(349, 66);
    EXPECT_EQ(g_pressed, PRESS_TRACK_BOTTOM);
    EXPECT_EQ(g_trackCursor, 11);
    EXPECT_TRUE(Logged("InvalidateRect(344,54,368,78)"));
    Host().MouseUp(349, 66);
    EXPECT_TRUE(Sent("play cdaudio from 12 notify"));

    cd.ClearSent();
    Host().MouseDown(373, 66);
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_EQ(g_trackCursor, 12);
    Host().MouseUp(373, 66);
    EXPECT_TRUE(cd.Sent().empty());
}

TEST_F(PointerTest, TrackReleaseOnAnotherButtonDoesNothing) {
    Host().MouseDown(335, 42);  // track 1
    Host().MouseUp(359, 42);    // track 2, outside the hold box but no move came first
    EXPECT_TRUE(cd.Sent().empty());
    EXPECT_EQ(g_pressed, PRESS_NONE);
}

TEST_F(PointerTest, RefreshAfterACancelledPressStillReadsTheDisc) {
    Host().MouseDown(460, 100);
    EXPECT_EQ(g_pressed, PRESS_MODE);
    Host().MouseMove(560, 100);
    EXPECT_EQ(g_pressed, PRESS_NONE);
    Host().MouseUp(560, 100);
    EXPECT_TRUE(Sent("status cdaudio number of tracks"));
    EXPECT_EQ(g_listMode, 0);
}

TEST_F(PointerTest, CdVolumeDraggedToTheTopReadsHundredAfterRelease) {
    Host().MouseDown(476, 190);
    EXPECT_EQ(g_pressed, PRESS_CDVOL);
    EXPECT_EQ(g_cdVolumeY, 180);  // a press alone does not move the knob
    Host().MouseMove(476, 170);
    EXPECT_EQ(g_cdVolumeY, 170);
    EXPECT_EQ(LastCdLevel(), 0xFFB8FDE8u);
    Host().ClearCalls();
    Host().MouseUp(476, 170);
    EXPECT_TRUE(Logged("InvalidateRect(336,113,378,128)"));
    EXPECT_TRUE(Logged("TextOutA(336,113, 100  )"));
    EXPECT_EQ(g_pressed, PRESS_NONE);
}

TEST_F(PointerTest, DragBeyondTheFollowBoxKeepsTheLastPosition) {
    Host().MouseDown(576, 190);
    Host().MouseMove(576, 205);
    Host().MouseMove(576, 240);  // below the travel
    Host().MouseMove(600, 190);  // beside the fader
    EXPECT_EQ(g_waveVolumeY, 205);
    Host().MouseUp(300, 300);  // released anywhere: the last followed level
    EXPECT_EQ(LastWaveLevel(), WaveLevelValue(205, 576));
    EXPECT_EQ(g_waveVolumeY, 205);
    Host().MouseMove(576, 200);  // the drag is over
    EXPECT_EQ(g_waveVolumeY, 205);
}

TEST_F(PointerTest, SpeedDraggedToTheTopEndsAtTheHighestRate) {
    Host().MouseDown(399, 330);
    EXPECT_EQ(g_pressed, PRESS_SPEED);
    Host().MouseMove(399, 305);
    EXPECT_EQ(g_speedKnobY, 305);
    EXPECT_EQ(g_waveRate, 22050);  // the rate changes only at the release
    Host().MouseUp(399, 305);
    EXPECT_EQ(g_waveRate, 33074);
    EXPECT_EQ(g_speedKnobY, 306);
    EXPECT_EQ(g_waveSpeedPct, 96);
}

TEST_F(PointerTest, LoopRowColumnPastTheSeventhPadChangesNoPad) {
    Host().Click(390, 285);
    EXPECT_EQ(g_padCursor, 7);
    for (int p = 0; p < kPadCount; ++p) EXPECT_EQ(g_padLoop[p], 0) << p;
    EXPECT_EQ(g_pressed, PRESS_NONE);
}

TEST_F(PointerTest, RightButtonDoesNothing) {
    Host().ClearCalls();
    Host().RightDown(86, 42);
    Host().RightDown(476, 190);
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_TRUE(cd.Sent().empty());
    EXPECT_TRUE(Host().CallsStartingWith("InvalidateRect").empty());
}

}  // namespace
