// Files that fail the console between two steps: a sample deleted before
// the engine reopens, set files that cannot be saved, and paths too long for
// the fields that would hold them. After each the console goes on working.
#include <filesystem>

#include "commands/menu_commands.h"
#include "fault_console.h"
#include "shell/console_state.h"
#include "support/engine_spy.h"

using namespace panel_point;

namespace {

constexpr int kSpeedX = 399;

}  // namespace

// The reopen after the speed fader loads every pad again from its path.
TEST_F(FaultConsole, SampleDeletedBeforeTheReopenLeavesItsPadEmpty) {
    const std::string doomed = files.Folder().Wav("DOOMED.WAV");
    LoadPad(0, doomed);
    LoadPad(1, files.GoodSample(1));
    ASSERT_EQ(g_padLoaded[0], 1);
    std::filesystem::remove(doomed);

    Host().MouseDown(kSpeedX, 330);
    Host().MouseMove(kSpeedX, 320);
    Host().MouseUp(kSpeedX, 320);
    EXPECT_EQ(g_waveRate, 22050 + 441 * 10);
    EXPECT_EQ(g_padLoaded[0], 0);
    EXPECT_EQ(g_padSample[0], 0u);
    EXPECT_EQ(g_padLoaded[1], 1);

    EngineSpyClear();
    Host().KeyDown('Z');  // the emptied pad: nothing is played
    Host().KeyUp('Z');
    Host().KeyDown('X');
    Host().KeyUp('X');
    EXPECT_EQ(EngineSpyCalls("EnginePlay"), std::vector<std::string>{"EnginePlay(2,loops=0)"});
    LoadPad(0, files.GoodSample(2));
    EXPECT_EQ(g_padLoaded[0], 1);
    ExpectPadsPlay();
    ExpectDeckPlays();
}

// As root no folder is read-only, so the folder refuses the new file
// through a folder standing where the save's temporary file would go; the
// file written in place then meets a full disk.
TEST_F(FaultConsole, SaveRefusedByTheFolderKeepsTheOldFileByteForByte) {
    const std::string old = "#FileName;Pathname;Tornel Ver3.0\n*\n3\n*\n*\n22050\n";
    const std::string path = files.Folder().Write("keep.tnl", old);
    std::filesystem::create_directory(path + ".saving");
    Host().LimitDiskSpace(0);
    const std::string title = Host().WindowTitle();

    Host().AnswerFileDialog(path);
    Host().AnswerMessageBox(win::IDOK);  // overwrite it
    Host().Command(IDM_SAVE);
    EXPECT_EQ(ReadWholeFile(path), old);
    ASSERT_EQ(Host().MessageBoxes().size(), 2u);
    EXPECT_NE(Host().MessageBoxes()[1].find("could not be saved"), std::string::npos);
    EXPECT_EQ(Host().WindowTitle(), title);

    // Loaded, then Save As writes there without a dialog: refused the same way.
    Host().AnswerFileDialog(path);
    Host().Command(IDM_LOAD);
    ASSERT_EQ(g_listCount, 1);
    Host().Click(kFirstTrackX, kRowY);
    Host().Command(IDM_SAVEAS);
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(Host().MessageBoxes().size(), 3u);

    std::filesystem::remove(path + ".saving");
    Host().LimitDiskSpace(-1);
    Host().Command(IDM_SAVEAS);
    EXPECT_NE(ReadWholeFile(path), old);
    EXPECT_EQ(Host().MessageBoxes().size(), 3u);
    ExpectPadsPlay();
    ExpectDeckPlays();
}

// A set file "chosen" under a regular file cannot be opened; Save As then
// aims at that path and must neither crash nor pretend it saved.
TEST_F(FaultConsole, SaveAsIntoAFolderThatIsAFileIsReported) {
    files.Folder().Write("plain", "not a folder\n");
    const std::string path = files.Folder().File("plain/set.tnl");
    Host().AnswerFileDialog(path);
    Host().Command(IDM_LOAD);
    ASSERT_EQ(Host().MessageBoxes(), std::vector<std::string>{"Tornel for Windows|set.tnl not found.|16"});
    Host().Command(IDM_SAVEAS);
    ASSERT_EQ(Host().MessageBoxes().size(), 2u);
    EXPECT_EQ(Host().MessageBoxes()[1].rfind("Tornel Save|" + path + " could not be saved", 0), 0u);
    EXPECT_EQ(ReadWholeFile(files.Folder().File("plain")), "not a folder\n");
    ExpectPadsPlay();
}

// Nothing is cut: a cut path would name another file.
TEST_F(FaultConsole, SetFilePathTooLongForTheLoadIsRefusedWhole) {
    const std::string good = files.Folder().Write("ok.tnl", "*\n2\n*\n*\n");
    Host().AnswerFileDialog(good);
    Host().Command(IDM_LOAD);
    ASSERT_EQ(g_listCount, 1);
    const std::string title = Host().WindowTitle();

    // One byte more than the set path holds. Then a name of 256, one more
    // than a file name may have.
    const std::string longPath = PathOfLength(files.Folder().Path(), kSetPathSize, ".tnl");
    const std::string longName = files.Folder().File(std::string(252, 'n') + ".tnl");
    for (const std::string& path : {longPath, longName}) {
        EngineSpyClear();
        Host().AnswerFileDialog(path);
        Host().Command(IDM_LOAD);
        EXPECT_STREQ(g_setPath, "") << path;
        EXPECT_EQ(g_listCount, 1) << path;
        EXPECT_EQ(g_listTracks[0], 2) << path;
        EXPECT_TRUE(EngineSpyCalls().empty()) << path;
        EXPECT_EQ(Host().WindowTitle(), title) << path;
    }
    ASSERT_EQ(Host().MessageBoxes().size(), 2u);
    EXPECT_NE(Host().MessageBoxes()[0].find("too long"), std::string::npos);

    Host().AnswerFileDialog(good);
    Host().Command(IDM_LOAD);
    EXPECT_STREQ(g_setPath, good.c_str());
    ExpectPadsPlay();
    ExpectDeckPlays();
}
