// The names a user's own files bring: pad fields and set file paths at their
// capacities, UTF-8 names, and pad lines typed by hand with runs of blanks.
#include <cstring>
#include <filesystem>

#include "commands/menu_commands.h"
#include "set_console.h"
#include "support/deep_folder.h"

namespace {

// An absolute path of exactly `length` bytes (no such file).
std::string PathOf(std::size_t length) {
    std::string path = "/";
    while (path.size() < length) path += path.size() % 100 == 99 ? '/' : 'p';
    if (path.back() == '/') path.back() = 'p';
    return path;
}

}  // namespace

TEST_F(SetConsole, PadLinesFillTheFieldsToTheirCapacityAndNoFurther) {
    const std::string title = std::string(kPadTitleSize - 1, 't');
    const struct {
        std::string title, path;
        bool taken;
    } cases[] = {
        {title, PathOf(kPadPathSize - 1), true},                    // both exactly full
        {title.substr(1), PathOf(kPadPathSize - 2), true},          // one short
        {title + "t", PathOf(kPadPathSize - 1), false},             // the title one over
        {title, PathOf(kPadPathSize), false},                       // the path one over
    };
    for (const auto& k : cases) {
        std::strcpy(g_padTitle[0], "OLD.WAV");
        std::strcpy(g_padPath[0], "/old/OLD.WAV");
        OpenText(SetText({k.title + " " + k.path, "*"}));
        EXPECT_EQ(g_padTitle[0], k.taken ? k.title : "OLD.WAV") << k.title.size() << " " << k.path.size();
        EXPECT_EQ(g_padPath[0], k.taken ? k.path : "/old/OLD.WAV") << k.title.size() << " " << k.path.size();
    }
    // Full fields are written whole and read back the same.
    std::strcpy(g_padTitle[0], title.c_str());
    std::strcpy(g_padPath[0], PathOf(kPadPathSize - 1).c_str());
    const std::string path = dir.File("full.tnl");
    ASSERT_EQ(SetFileWrite(path.c_str()), 1);
    EXPECT_NE(ReadWholeFile(path).find("\n" + title + " " + PathOf(kPadPathSize - 1) + "\n"), std::string::npos);
    std::strcpy(g_padTitle[0], " ");
    Open(path);
    EXPECT_EQ(g_padTitle[0], title);
    EXPECT_EQ(g_padPath[0], PathOf(kPadPathSize - 1));
}

TEST_F(SetConsole, PadDialogTakesWholePathsAndRefusesLongerOnes) {
    const struct {
        std::string path;
        bool taken;
    } cases[] = {
        {PathOf(kPadPathSize - 1), true},
        {PathOf(kPadPathSize - 2), true},
        {PathOf(kPadPathSize), false},
        {"/d/" + std::string(kPadTitleSize - 1, 'n'), true},
        {"/d/" + std::string(kPadTitleSize, 'n'), false},
    };
    for (const auto& k : cases) {
        std::strcpy(g_padPath[0], " ");
        c.host.AnswerFileDialog(k.path);
        PadChooseFile(Window(), 0);
        EXPECT_EQ(g_padPath[0], k.taken ? k.path : " ") << k.path.size();
    }
    ASSERT_EQ(c.host.MessageBoxes().size(), 2u);
    EXPECT_NE(c.host.MessageBoxes()[0].find("4095 characters at most and its name 255"), std::string::npos);
}

TEST_F(SetConsole, SetFilePathsAtTheirCapacity) {
    SKIP_WITHOUT_LONG_PATHS();
    // Load: a path of 4095 bytes is taken (and found missing), 4096 refused.
    const DeepFolder deep(kSetPathSize - 1 - std::string("/s.tnl").size());
    const std::string full = deep.Path() + "/s.tnl";
    ASSERT_EQ(full.size(), static_cast<std::size_t>(kSetPathSize - 1));
    Open(full);
    EXPECT_EQ(std::string(g_setPath), full);
    EXPECT_EQ(c.host.MessageBoxes().back(), "Tornel for Windows|s.tnl not found.|16");
    Open(full + "x");
    EXPECT_STREQ(g_setPath, "");
    EXPECT_NE(c.host.MessageBoxes().back().find("too long"), std::string::npos);

    // Save: the name with ".tnl" added must fit as well.
    const std::string name = deep.Path() + "/s";
    c.host.AnswerFileDialog(name);
    SetFileSaveAs(Window());
    EXPECT_EQ(ReadWholeFile(full).substr(0, 9), "#FileName");
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0 : " + full);
    c.host.AnswerFileDialog(name + "x");
    SetFileSaveAs(Window());
    EXPECT_NE(c.host.MessageBoxes().back().find("once \".tnl\" is added"), std::string::npos);
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0 : " + full);
}

TEST_F(SetConsole, Utf8NamesRoundTripAndShowInTheTitleBar) {
    const std::string names[] = {"café.wav", "キック.wav", "Ünïcødé ñame.wav"};
    for (int p = 0; p < 3; ++p) {
        c.host.AnswerFileDialog(dir.Wav(names[p]));
        PadChooseFile(Window(), p);
        ASSERT_EQ(g_padLoaded[p], 1) << names[p];
    }
    const std::string path = dir.File("セット.tnl");
    ASSERT_EQ(SetFileWrite(path.c_str()), 1);
    for (int p = 0; p < 3; ++p) std::strcpy(g_padTitle[p], " ");
    Open(path);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(g_padTitle[p], names[p]);
        EXPECT_EQ(g_padPath[p], dir.File(names[p]));
        EXPECT_EQ(g_padLoaded[p], 1);
    }
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0 : セット.tnl");
}

TEST_F(SetConsole, RunsOfBlanksAndTabsSeparateAPadLinesWords) {
    const std::string snare = dir.Wav("SNARE.WAV"), kick = dir.Wav("MY KICK.WAV");
    OpenText(SetText({"SNARE.WAV  " + snare, "SNARE.WAV \t " + snare, "SNARE.WAV\t\t" + snare + "  ",
                      "MY KICK.WAV " + kick, "*"}));
    for (int p = 0; p < 3; ++p) {
        EXPECT_STREQ(g_padTitle[p], "SNARE.WAV") << p;
        EXPECT_EQ(g_padPath[p], snare) << p;
        EXPECT_EQ(g_padLoaded[p], 1) << p;
    }
    // The name with a blank still reads back whole: the path ends with it.
    EXPECT_STREQ(g_padTitle[3], "MY KICK.WAV");
    EXPECT_EQ(g_padPath[3], kick);
    EXPECT_EQ(g_padLoaded[3], 1);
}

// A set file as the first version of the program wrote it (short paths)
// reads into the same setup and is written again byte for byte.
TEST_F(SetConsole, SetFileOfShortNamesReadsAndWritesAsBefore) {
    const std::string kick = dir.Wav("KICK.WAV"), snare = dir.Wav("SNARE.WAV");
    ASSERT_LE(snare.size(), 49u);
    const std::string old = SetText({"#FileName;Pathname;Tornel Ver3.0", "KICK.WAV " + kick, "SNARE.WAV " + snare,
                                     "   ", "   ", "   ", "   ", "   ", "*", "3", "5", "*", "7", "0", "9998", "7", "7",
                                     "7", "7", "*", "11026"});
    const std::string path = dir.Write("old.tnl", old);
    Open(path);
    EXPECT_EQ(g_padLoaded[1], 1);
    EXPECT_EQ(g_waveRate, 11026);
    EXPECT_TRUE(c.host.MessageBoxes().empty());
    c.host.Command(IDM_SAVEAS);
    EXPECT_EQ(ReadWholeFile(path), old);
}
