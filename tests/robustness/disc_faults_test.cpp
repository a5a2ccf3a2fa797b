// A disc whose files are cut short and then removed while it plays: the
// drive can no longer read it, but the deck's timers keep ticking, every
// query is answered and every button still does no harm.
#include <filesystem>

#include "cd/cd_transport.h"
#include "fault_console.h"
#include "portable.h"
#include "shell/console_state.h"

using namespace panel_point;

namespace {

void ForEachTrackFile(const std::string& folder, void (*act)(const std::filesystem::path&)) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
    for (const auto& file : files) act(file);
}

}  // namespace

TEST_F(FaultConsole, DiscFilesVanishWhilePlayingTheDeckGoesOnAnswering) {
    SKIP_ON_WINDOWS("Windows keeps a file that is open from being removed");
    Host().Click(kFirstTrackX, kRowY);
    Host().Advance(500);
    ASSERT_EQ(g_cdState, CD_PLAYING);

    ForEachTrackFile(disc.Folder(), [](const std::filesystem::path& f) { std::filesystem::resize_file(f, 0); });
    Host().ClearCalls();
    Host().Advance(1000);
    EXPECT_GE(Host().CallsStartingWith("mciSendStringA(status cdaudio position)").size(), 9u);
    ForEachTrackFile(disc.Folder(), [](const std::filesystem::path& f) { std::filesystem::remove(f); });
    Host().ClearCalls();
    Host().Advance(8000);  // past the end of the disc: CD loop plays track 1 again
    EXPECT_GE(Host().CallsStartingWith("mciSendStringA(status cdaudio position)").size(), 79u);
    EXPECT_GE(CdPositionMs(), 0);
    EXPECT_EQ(CdTrackLengthMs(2), 3000);

    // Every transport button and the refresh: the drive still holds the
    // disc's table of contents, as a drive holding an unreadable disc does.
    for (int x : {kStopX, kPlayX, 134, 158, 182, 206, 230, kFirstTrackX + 24, kStopX}) Host().Click(x, kRowY);
    Host().Click(kRefreshX, kRefreshY);
    EXPECT_EQ(g_trackCount, 3);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    Host().Click(kPlayX, kRowY);
    Host().Advance(300);
    EXPECT_EQ(g_cdState, CD_PLAYING);

    // Ejected at last: the wait ends with an empty drive.
    Host().Click(kOpenX, kRowY);
    Host().Advance(7000);
    EXPECT_EQ(g_trackCount, 0);
    Host().Click(kPlayX, kRowY);
    Host().Advance(300);
    ExpectPadsPlay();
}
