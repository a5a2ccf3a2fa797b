#include "fault_console.h"

#include "cd/cd_transport.h"
#include "invariants.h"
#include "panel/press.h"
#include "platform/headless/headless.h"
#include "shell/console_state.h"

using namespace panel_point;

FaultConsole::FaultConsole() : console(std::make_unique<ConsoleSession>(ConsoleOptions{.disc = disc.Folder()})) {
    gdi = headless::LiveGdiObjects();
}

void FaultConsole::TearDown() { ExpectInvariants(); }

void FaultConsole::LoadPad(int pad, const std::string& path) {
    Host().AnswerFileDialog(path);
    Host().Click(LoadX(pad), kLoadY);
}

// Pad 7 gets a good sample and its key plays it.
void FaultConsole::ExpectPadsPlay() {
    LoadPad(6, files.GoodSample(0));
    ASSERT_EQ(g_padLoaded[6], 1);
    ASSERT_NE(g_padSample[6], 0u);
    Host().KeyDown('M');
    EXPECT_EQ(g_pressed, PRESS_PADKEY);
    Host().KeyUp('M');
    EXPECT_EQ(g_pressed, PRESS_NONE);
}

// The first track plays and its position moves on.
void FaultConsole::ExpectDeckPlays() {
    Host().Click(kFirstTrackX, kRowY);
    ASSERT_EQ(g_cdState, CD_PLAYING);
    Host().Advance(500);
    EXPECT_EQ(CdPositionMs(), 500);
    Host().Click(kStopX, kRowY);
    EXPECT_EQ(g_cdState, CD_STOPPED);
}

void FaultConsole::ExpectInvariants() {
    EXPECT_EQ(CheckConsoleState(), "");
    EXPECT_EQ(CheckGdiBalance(gdi), "");
}
