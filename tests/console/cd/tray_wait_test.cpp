// The tray button and the seven-second wait, over the virtual drive.
#include <gtest/gtest.h>

#include <memory>

#include "cd/cd_timers.h"
#include "cd/cd_transport.h"
#include "cd/program_list.h"
#include "deck_options.h"
#include "display_pixels.h"
#include "shell/console_state.h"
#include "support/virtual_disc.h"

class TrayWait : public ::testing::Test {
protected:
    void Start(const std::string& folder) {
        console = std::make_unique<ConsoleSession>(WithDisc(folder));
    }
    win::HWND Window() const { return console->Window(); }
    headless::Session& Host() { return console->host; }

    VirtualDisc disc{{2000, 3000, 1000}};
    std::unique_ptr<ConsoleSession> console;
};

TEST_F(TrayWait, EjectsBlinksSevenSecondsThenReadsTheDriveAgain) {
    Start(disc.Folder());
    CdPlayButton(Window());
    Host().Advance(500);
    AbMarkA(Window());
    Host().Advance(1000);
    AbMarkB(Window());
    ListModeButton(Window());
    TrackButton(Window(), 0);
    TrackButton(Window(), 2);
    Host().Pump();
    Host().ClearCalls();

    CdTrayButton(Window());
    EXPECT_EQ(Host().CallsStartingWith("mciSendStringA(set cdaudio door"),
              std::vector<std::string>{"mciSendStringA(set cdaudio door open)"});
    EXPECT_EQ(g_cdState, CD_STOPPED);  // stopped with the drive
    EXPECT_EQ(g_trackCount, 0);  // the drive is empty now
    EXPECT_EQ(g_listMode, 1);
    for (int tick = 1; tick <= 6; ++tick) {
        Host().Advance(1000);
        if (tick % 2 == 1)
            EXPECT_GT(CyanPixels(Host()), 20) << tick;
        else
            EXPECT_EQ(CyanPixels(Host()), 0) << tick;
        EXPECT_EQ(g_listCount, 2) << tick;
    }
    Host().Advance(1000);
    EXPECT_EQ(g_listCount, 0);
    EXPECT_EQ(g_listTotalSec, 0);
    EXPECT_EQ(g_abState, AB_OFF);
    EXPECT_EQ(g_abPointA, 0);
    EXPECT_EQ(g_listMode, 0);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(g_trackCount, 0);  // the door is open
    EXPECT_EQ(Host().CallsStartingWith("InvalidateRect(0,0,640,480)").size(), 1u);
    EXPECT_EQ(Host().CallsStartingWith("KillTimer(3)").size(), 1u);
    EXPECT_EQ(Host().CallsStartingWith("KillTimer(2)").size(), 1u);
    EXPECT_EQ(CyanPixels(Host()), 0);  // the repaint has cleared the text
    Host().ClearCalls();
    Host().Advance(3000);
    EXPECT_TRUE(Host().CallsStartingWith("mciSendStringA").empty());  // no timer left running
}

TEST_F(TrayWait, AnEmptyDriveIsClosedAndASecondPressStartsTheWaitAfresh) {
    Start("");
    Host().ClearCalls();
    CdTrayButton(Window());
    EXPECT_EQ(Host().CallsStartingWith("mciSendStringA(set cdaudio door"),
              std::vector<std::string>{"mciSendStringA(set cdaudio door closed)"});
    Host().Advance(3000);
    g_listMode = 1;
    CdTrayButton(Window());
    Host().Advance(6000);
    EXPECT_EQ(g_listMode, 1);
    Host().Advance(1000);
    EXPECT_EQ(g_listMode, 0);
}
