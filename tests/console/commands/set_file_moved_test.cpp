// Set files that come with their samples from another machine: the old
// Windows console's full paths, paths relative to the set file, names in its
// code pages, names in another case, and files that are gone.
#include <filesystem>

#include "commands/menu_commands.h"
#include "commands/old_code_page.h"
#include "commands/pad_file_search.h"
#include "portable.h"
#include "set_console.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

// `folder` and `parts`, joined as the console joins what it finds.
std::string Found(const std::string& folder, std::initializer_list<const char*> parts) {
    std::string path = folder;
    for (const char* part : parts) path += kSep + std::string(part);
    return path;
}

std::string Drawn(const ConsoleSession& c, int pad) {
    const std::string at = "ExtTextOutA(460," + std::to_string(262 + 18 * pad) + ",4,";
    const std::vector<std::string> calls = c.host.CallsStartingWith(at);
    return calls.empty() ? "<not drawn>" : calls.back().substr(at.size(), calls.back().size() - at.size() - 1);
}

const std::string kTail = SetText({"*", "3", "*", "7", "7", "7", "7", "7", "7", "7", "*", "22050"}, "\r\n");

}  // namespace

// The folder as a user finds it after copying it whole from the old
// console's machine: upper-case names in the file, lower-case ones on disk.
TEST_F(SetConsole, CopiedWindowsFolderFindsItsSamplesUnderTheSetFile) {
    fs::create_directories(dir.File("SAMPLES"));
    dir.Wav("SAMPLES/kick.wav");
    dir.Wav("SAMPLES/my loop.wav");
    dir.Wav("SNARE.WAV");
    dir.Wav("ソロ.wav");
    dir.Wav("CAFÉ.WAV");
    // "ソ" in Shift-JIS ends in the byte of "\": it must not split the name.
    const std::string solo = "\x83\x5C\x83\x8D.WAV";
    const std::string text = SetText({"#FileName;Pathname;Tornel Ver3.0", "KICK.WAV C:\\TORNEL\\SAMPLES\\KICK.WAV",
                                      "SNARE.WAV SNARE.WAV", solo + " C:\\TORNEL\\" + solo,
                                      "caf\xE9.wav D:\\OLD\\caf\xE9.wav", "GONE.WAV C:\\TORNEL\\SAMPLES\\GONE.WAV",
                                      "MY LOOP.WAV C:\\TORNEL\\SAMPLES\\MY LOOP.WAV", "   "},
                                     "\r\n") +
                             kTail;
    const std::string path = dir.Write("OLD.TNL", text);
    Open(path);

    const struct {
        std::string title, path;
    } pads[] = {
        {"kick.wav", Found(dir.Path(), {"SAMPLES", "kick.wav"})},
        {"SNARE.WAV", Found(dir.Path(), {"SNARE.WAV"})},
        {"ソロ.wav", Found(dir.Path(), {"ソロ.wav"})},
        {"CAFÉ.WAV", Found(dir.Path(), {"CAFÉ.WAV"})},
        {"GONE.WAV", "C:\\TORNEL\\SAMPLES\\GONE.WAV"},
        {"my loop.wav", Found(dir.Path(), {"SAMPLES", "my loop.wav"})},
    };
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(g_padTitle[p], pads[p].title) << p;
        EXPECT_EQ(Drawn(c, p), pads[p].title) << p;
        EXPECT_EQ(g_padPath[p], pads[p].path) << p;
        EXPECT_EQ(g_padLoaded[p], p == 4 ? 0 : 1) << p;
    }
    EXPECT_EQ(c.host.MessageBoxes(),
              Calls{"Tornel for Windows|Not found: C:\\TORNEL\\SAMPLES\\GONE.WAV (pad 5)\n\nThat pad stays empty.|48"});

    // Saved, the set names where the files are, in UTF-8, and loads from
    // there directly: only the missing file is looked for again.
    c.host.Command(IDM_SAVEAS);
    const std::string saved = ReadWholeFile(path);
    EXPECT_NE(saved.find("\nソロ.wav " + pads[2].path + "\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\nmy loop.wav " + pads[5].path + "\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\nGONE.WAV C:\\TORNEL\\SAMPLES\\GONE.WAV\n"), std::string::npos) << saved;
    Forget();
    Open(path);
    for (int p = 0; p < 6; ++p) EXPECT_EQ(g_padPath[p], pads[p].path) << p;
    // GONE.WAV's search: the set's folder for each of three tails, and SAMPLES.
    EXPECT_EQ(c.host.CallsStartingWith("FindFirstFileA").size(), 4u);
    EXPECT_EQ(c.host.MessageBoxes().size(), 2u);
    c.host.Command(IDM_SAVEAS);
    EXPECT_EQ(ReadWholeFile(path), saved);
}

TEST_F(SetConsole, SearchForAMovedFileStaysInTheSetFilesFolder) {
    fs::create_directories(dir.File("set/TORNEL"));
    dir.Wav("UP.WAV");
    const std::string set = dir.Write("set/s.tnl", SetText({"UP.WAV C:\\TORNEL\\..\\UP.WAV",  // ".." names no folder
                                                          "UP.WAV ..\\UP.WAV"}) +             // but a relative path means it
                                                       kTail);
    Open(set);
    EXPECT_EQ(g_padLoaded[0], 0);
    EXPECT_EQ(g_padPath[1], Found(dir.File("set"), {"..", "UP.WAV"}));
    EXPECT_EQ(c.host.MessageBoxes(),
              Calls{"Tornel for Windows|Not found: C:\\TORNEL\\..\\UP.WAV (pad 1)\n\nThat pad stays empty.|48"});
}

TEST_F(SetConsole, CaseTwinsAndLinkedLoopsGiveTheSameAnswerEveryTime) {
    SKIP_ON_WINDOWS("names differing only in case and links are Linux's");
    fs::create_directories(dir.File("Deep"));
    fs::create_directories(dir.File("deep"));
    dir.Wav("deep/hat.wav");
    fs::create_directories(dir.File("TWINS"));
    fs::create_directories(dir.File("EXACT"));
    dir.Wav("TWINS/kick.wav");
    dir.Wav("TWINS/Kick.wav");
    dir.Wav("EXACT/Kick.wav");
    dir.Wav("EXACT/kick.wav");
    dir.Wav("s.wav");
    fs::create_directory_symlink(".", dir.File("loop"));
    fs::create_directory_symlink("self", dir.File("self"));
    std::string deep = "C:";
    for (int i = 0; i < 300; ++i) deep += "\\loop";
    const std::string set = dir.Write("s.tnl", SetText({"KICK.WAV C:\\TWINS\\KICK.WAV", "kick.wav C:\\EXACT\\kick.wav",
                                                        "X.WAV " + deep + "\\X.WAV", "S.WAV C:\\self\\S.WAV",
                                                        "HAT.WAV C:\\DEEP\\HAT.WAV"}) +
                                                   kTail);
    for (int round = 0; round < 2; ++round) {
        Open(set);
        EXPECT_EQ(g_padPath[0], Found(dir.Path(), {"TWINS", "Kick.wav"}));  // first in byte order
        EXPECT_EQ(g_padPath[1], Found(dir.Path(), {"EXACT", "kick.wav"}));  // the same case first
        EXPECT_EQ(g_padLoaded[2], 0);
        EXPECT_EQ(g_padPath[3], Found(dir.Path(), {"s.wav"}));
        EXPECT_EQ(g_padPath[4], Found(dir.Path(), {"deep", "hat.wav"}));  // past "Deep", which has none
    }
    ASSERT_EQ(c.host.MessageBoxes().size(), 2u);
    EXPECT_EQ(c.host.MessageBoxes()[0].find("Tornel for Windows|Not found: C:\\loop\\loop"), 0u);
}

TEST(OldCodePage, LinesAreReadAsShiftJisElseWindows1252) {
    EXPECT_TRUE(IsUtf8("キック café"));
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x82", "\x83\x4C"}) {
        EXPECT_FALSE(IsUtf8(bad)) << bad;
    }
    EXPECT_EQ(FromOldCodePage("\x83L\x83\x62\x83N.WAV"), "キック.WAV");
    EXPECT_EQ(FromOldCodePage("\xB1\xDD"), "ｱﾝ");                             // half-width kana, one byte each
    EXPECT_EQ(FromOldCodePage("caf\xE9 \x80\x81\x9F"), "café €\xC2\x81Ÿ");  // no Shift-JIS: Windows-1252
    EXPECT_TRUE(SameNameIgnoringCase("ÀÉÎŒŠŸ ΑΩ ДЁ ＷＡＶ.WAV", "àéîœšÿ αω дё ｗａｖ.wav"));
    EXPECT_FALSE(SameNameIgnoringCase("STRASSE.WAV", "straße.wav"));
    EXPECT_FALSE(SameNameIgnoringCase("KICK.WAV", "KICK.WAV2"));
    EXPECT_EQ(SetFileFolder("/s.tnl"), "/");
    EXPECT_EQ(SetFileFolder("s.tnl"), "");
}
