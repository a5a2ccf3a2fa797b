// Timers the system refuses: the user is told each time, the action goes on
// without its timer, and once timers come back the deck works as before.
#include "fault_console.h"
#include "shell/console_state.h"

using namespace panel_point;

TEST_F(FaultConsole, RefusedTimersAreReportedAndTheConsoleRecovers) {
    const std::string report = "Tornel Error|Timer not exists.|" + std::to_string(win::MB_OK | win::MB_ICONERROR);
    Host().RefuseTimers(true);
    Host().Click(kFirstTrackX, kRowY);
    EXPECT_EQ(Host().MessageBoxes(), std::vector<std::string>{report});
    EXPECT_EQ(g_cdState, CD_PLAYING);
    Host().ClearCalls();
    Host().Advance(5000);  // playing, but nothing follows the position
    EXPECT_TRUE(Host().CallsStartingWith("mciSendStringA(status cdaudio position)").empty());

    // The tray moves the door and reads what the drive holds at once; the
    // deck stops with the drive, even without its wait.
    Host().Click(kOpenX, kRowY);
    EXPECT_EQ(Host().MessageBoxes(), std::vector<std::string>(2, report));
    EXPECT_EQ(g_trackCount, 0);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    Host().Advance(8000);
    Host().Click(kRefreshX, kRefreshY);
    EXPECT_EQ(g_trackCount, 0);

    Host().RefuseTimers(false);
    Host().Click(kOpenX, kRowY);  // closes the door again: the virtual drive stays empty
    Host().Advance(8000);
    EXPECT_EQ(Host().MessageBoxes().size(), 2u);
    ExpectPadsPlay();
}
