// What the monkey found, kept as plain cases: a drag whose release never
// comes because a key or another press took the press from it.
#include "fault_console.h"
#include "panel/press.h"
#include "shell/console_state.h"

using namespace panel_point;

namespace {

constexpr int kSpeedX = 399;
constexpr int kCdVolumeX = 476;

}  // namespace

// The loop key's release ends the drag; the rate never changed, so the knob
// goes back to where that rate puts it, and the later release does nothing.
TEST_F(FaultConsole, KeyDuringASpeedDragPutsTheKnobBackToTheRate) {
    LoadPad(0, files.GoodSample(0));
    Host().MouseDown(kSpeedX, 340);
    Host().MouseMove(kSpeedX, 355);
    ASSERT_EQ(g_speedKnobY, 355);
    Host().KeyDown('Q');
    EXPECT_EQ(g_pressed, PRESS_PADLOOP);
    Host().KeyUp('Q');
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_EQ(g_speedKnobY, 330);
    Host().MouseUp(kSpeedX, 355);
    EXPECT_EQ(g_waveRate, 22050);
    EXPECT_EQ(g_speedKnobY, 330);
}

// A release outside the window is never seen: the next press elsewhere ends
// the drag the same way, and a volume drag's readout catches up.
TEST_F(FaultConsole, PressElsewhereAfterALostReleaseEndsTheDrag) {
    Host().MouseDown(kSpeedX, 330);
    Host().MouseMove(kSpeedX, 306);
    Host().MouseDown(kStopX, kRowY);
    EXPECT_EQ(g_pressed, PRESS_STOP);
    EXPECT_EQ(g_speedKnobY, 330);
    Host().MouseUp(kStopX, kRowY);

    Host().MouseDown(kCdVolumeX, 200);
    Host().MouseMove(kCdVolumeX, 170);
    Host().ClearCalls();
    Host().KeyDown('Z');  // an empty pad: the key takes nothing
    EXPECT_EQ(g_pressed, PRESS_CDVOL);
    Host().MouseDown(kStopX, kRowY);
    EXPECT_EQ(Host().CallsStartingWith("InvalidateRect(336,113,378,128)").size(), 1u);
    EXPECT_EQ(g_cdVolumeY, 170);
}
