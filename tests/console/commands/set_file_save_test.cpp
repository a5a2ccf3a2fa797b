// Saving set files: the save dialog's name, the overwrite question, the
// title bar, and saves that fail without costing the old file.
#include <filesystem>

#include "commands/menu_commands.h"
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

TEST_F(SetFileSave, NamesThatDoNotFitAreRefusedNotCut) {
    // The name buffer holds 99 characters: with ".tnl" a 95-character name fits.
    const std::string fits = dir.File(std::string(95 - dir.Path().size() - 1, 'n'));
    const std::string tooLong = fits + "n";
    SaveAs(fits);
    EXPECT_EQ(ReadWholeFile(fits + ".tnl"), Fresh());
    EXPECT_TRUE(c.host.MessageBoxes().empty());

    SaveAs(tooLong);
    SaveAs(tooLong + "nnnnnnnn.tnl");  // beyond the dialog's buffer
    EXPECT_EQ(c.host.MessageBoxes().size(), 2u);
    EXPECT_EQ(ReadWholeFile(tooLong + ".tnl"), "<missing>");
    EXPECT_EQ(ReadWholeFile(tooLong), "<missing>");
    EXPECT_EQ(c.host.WindowTitle(), kTitle + fits + ".tnl");
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
