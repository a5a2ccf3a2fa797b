// Saving set files: the save dialog's name, the overwrite question, the
// title bar, and saves that fail without costing the old file.
#include <filesystem>

#include "commands/menu_commands.h"
#include "portable.h"
#include "set_console.h"

namespace {

const char kTitle[] = "Tornel for Windows Ver3.0 : ";

}  // namespace

class SetFileSave : public SetConsole {
protected:
    void SaveAs(const std::string& answer) {
        c.host.AnswerFileDialog(answer);
        SetFileSaveAs(Window());
        c.host.Pump();
    }
    std::string Fresh() {
        const std::string path = dir.File("fresh.tnl");
        SetFileWrite(path.c_str());
        return ReadWholeFile(path);
    }
};

TEST_F(SetFileSave, NameWithoutADotGetsTheExtension) {
    SaveAs(dir.File("show"));
    EXPECT_EQ(ReadWholeFile(dir.File("show.tnl")), Fresh());
    EXPECT_EQ(c.host.WindowTitle(), kTitle + dir.File("show.tnl"));
    EXPECT_STREQ(g_setPath, "");  // only the Load command sets it

    SaveAs(dir.File("show.set"));
    EXPECT_EQ(ReadWholeFile(dir.File("show.set")), Fresh());

    std::filesystem::create_directory(dir.File("my.sets"));
    SaveAs(dir.File("my.sets/show"));
    EXPECT_EQ(ReadWholeFile(dir.File("my.sets/show")), Fresh());
    EXPECT_TRUE(c.host.MessageBoxes().empty());
}

TEST_F(SetFileSave, CancelledDialogWritesNothingButSetsTheTitle) {
    SaveAs("");
    EXPECT_EQ(c.host.WindowTitle(), kTitle);
    EXPECT_TRUE(c.host.CallsStartingWith("CreateFileA").empty());
}

TEST_F(SetFileSave, OverwriteIsAskedFirst) {
    const std::string path = dir.Write("old.tnl", "old set\n");
    c.host.AnswerMessageBox(win::IDCANCEL);
    SaveAs(path);
    EXPECT_EQ(c.host.MessageBoxes(), Calls{"Tornel Save|" + path + " is already exists. OverWrite ?|1"});
    EXPECT_EQ(ReadWholeFile(path), "old set\n");

    c.host.AnswerMessageBox(win::IDOK);
    SaveAs(path);
    EXPECT_EQ(ReadWholeFile(path), Fresh());
    EXPECT_EQ(c.host.WindowTitle(), kTitle + path);
}

TEST_F(SetFileSave, FullDiskKeepsTheOldFileAndSaysSo) {
    const std::string path = dir.Write("old.tnl", "old set\n");
    const std::string before = c.host.WindowTitle();
    c.host.LimitDiskSpace(20);  // the file needs 87 bytes
    c.host.AnswerMessageBox(win::IDOK);
    SaveAs(path);
    EXPECT_EQ(ReadWholeFile(path), "old set\n");
    EXPECT_EQ(ReadWholeFile(path + ".saving"), "<missing>");
    ASSERT_EQ(c.host.MessageBoxes().size(), 2u);
    EXPECT_EQ(c.host.MessageBoxes()[1].rfind("Tornel Save|" + path + " could not be saved", 0), 0u);
    EXPECT_EQ(c.host.WindowTitle(), before);
}

TEST_F(SetFileSave, FolderThatCannotBeWrittenIsReported) {
    const std::string before = c.host.WindowTitle();
    SaveAs(dir.File("no-such-folder/show.tnl"));
    ASSERT_EQ(c.host.MessageBoxes().size(), 1u);
    EXPECT_NE(c.host.MessageBoxes()[0].find("could not be saved"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("no-such-folder")));
    EXPECT_EQ(c.host.WindowTitle(), before);
}

TEST_F(SetFileSave, SaveAsCommandWritesOverTheLoadedSetWithoutAsking) {
    c.host.Command(IDM_SAVEAS);
    EXPECT_TRUE(c.host.CallsStartingWith("CreateFileA").empty());
    EXPECT_TRUE(c.host.MessageBoxes().empty());

    const std::string path = dir.Write("loaded.tnl", "*\n*\n*\n*\n");
    c.host.AnswerFileDialog(path);
    c.host.Command(IDM_LOAD);
    g_padLoopCount[0] = 3;
    c.host.Command(IDM_SAVEAS);
    EXPECT_EQ(ReadWholeFile(path), Fresh());
    EXPECT_TRUE(c.host.MessageBoxes().empty());

    // A full disk: the set file stays as it was and the user is told.
    const std::string saved = ReadWholeFile(path);
    g_padLoopCount[0] = 4;
    c.host.LimitDiskSpace(0);
    c.host.Command(IDM_SAVEAS);
    EXPECT_EQ(ReadWholeFile(path), saved);
    EXPECT_EQ(c.host.MessageBoxes().size(), 1u);
}

// A save lands in the file a link names, keeps the link, and keeps the
// file's mode whichever way it was written.
TEST_F(SetFileSave, SavesThroughALinkAndKeepTheFilesMode) {
    SKIP_ON_WINDOWS("links and POSIX modes are Linux's");
    namespace fs = std::filesystem;
    fs::create_directory(dir.File("real"));
    const std::string target = dir.Write("real/show.tnl", "old\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    const std::string link = dir.File("show.tnl");
    fs::create_symlink(target, link);

    c.host.AnswerMessageBox(win::IDOK);
    SaveAs(link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), target);
    EXPECT_EQ(ReadWholeFile(target), Fresh());
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(target + ".saving"));
    EXPECT_FALSE(fs::exists(link + ".saving"));

    // Through a temporary file refused by the folder: written in place.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_directory(target + ".saving");
    g_padLoopCount[2] = 12;
    c.host.AnswerMessageBox(win::IDOK);
    SaveAs(link);
    EXPECT_EQ(ReadWholeFile(target), Fresh());
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(c.host.MessageBoxes().size(), 2u);  // the two overwrite questions only
}

// Written in place and failing midway (a full disk), the file gets its old
// bytes back and the user is told; a longer setup needs more room than the
// old file had.
TEST_F(SetFileSave, FailedWriteInPlacePutsTheOldBytesBack) {
    const std::string old = "#FileName;Pathname;Tornel Ver3.0\n*\n*\n*\n22050\n";
    const std::string path = dir.Write("keep.tnl", old);
    std::filesystem::create_directory(path + ".saving");
    c.host.LimitDiskSpace(0);
    c.host.AnswerMessageBox(win::IDOK);
    SaveAs(path);
    EXPECT_EQ(ReadWholeFile(path), old);
    ASSERT_EQ(c.host.MessageBoxes().size(), 2u);
    EXPECT_NE(c.host.MessageBoxes()[1].find("could not be saved"), std::string::npos);

    // With room again the same save goes through in place.
    c.host.LimitDiskSpace(-1);
    c.host.AnswerMessageBox(win::IDOK);
    SaveAs(path);
    EXPECT_EQ(ReadWholeFile(path), Fresh());
}
