// Writing and reading set files: the format byte for byte, round trips, the
// reading rules' edge cases and files that are not set files at all.
#include <cstring>

#include "set_console.h"

namespace {

const char kExample[] =
    "#FileName;Pathname;Tornel Ver3.0\n"
    "KICK.WAV C:\\SAMPLES\\KICK.WAV\n"
    "SNARE.WAV C:\\SAMPLES\\SNARE.WAV\n"
    "   \n   \n   \n   \n   \n"
    "*\n3\n5\n*\n"
    "7\n7\n7\n7\n7\n7\n7\n"
    "*\n22050\n";

void SetPad(int p, const char* title, const char* path) {
    std::strcpy(g_padTitle[p], title);
    std::strcpy(g_padPath[p], path);
}

}  // namespace

TEST_F(SetConsole, WritesTheExampleByteForByte) {
    SetPad(0, "KICK.WAV", "C:\\SAMPLES\\KICK.WAV");
    SetPad(1, "SNARE.WAV", "C:\\SAMPLES\\SNARE.WAV");
    g_listCount = 2;
    g_listTracks[0] = 3;
    g_listTracks[1] = 5;
    const std::string path = dir.File("example.tnl");
    EXPECT_EQ(SetFileWrite(path.c_str()), 1);
    EXPECT_EQ(ReadWholeFile(path), kExample);
    EXPECT_EQ(ReadWholeFile(path + ".saving"), "<missing>");
}

TEST_F(SetConsole, EmptyListWritesTwoStarsAndReadsBackEmpty) {
    const std::string path = dir.File("fresh.tnl");
    ASSERT_EQ(SetFileWrite(path.c_str()), 1);
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(text, SetText({"#FileName;Pathname;Tornel Ver3.0", "   ", "   ", "   ", "   ", "   ", "   ", "   ", "*",
                             "*", "7", "7", "7", "7", "7", "7", "7", "*", "22050"}));
    g_listCount = 1;
    g_listTracks[0] = 2;
    Open(path);
    EXPECT_TRUE(List().empty());
    for (int p = 0; p < kPadCount; ++p) EXPECT_EQ(g_padLoaded[p], 0);
}

TEST_F(SetConsole, FullSetupRoundTrips) {
    const std::string names[kPadCount] = {"KICK.WAV", "MY SNARE.WAV", "A B C.WAV", "HAT.WAV",
                                          "CLAP 2.WAV", "FX.WAV",       "Z.WAV"};
    std::string paths[kPadCount];
    for (int p = 0; p < kPadCount; ++p) {
        paths[p] = dir.Wav(names[p]);
        c.host.AnswerFileDialog(paths[p]);
        PadChooseFile(Window(), p);
    }
    for (int i = 0; i < 20; ++i) g_listTracks[i] = 10 - i % 10;
    g_listCount = 20;
    const int counts[kPadCount] = {0, 1, 9998, 7, 42, 500, 3};
    for (int p = 0; p < kPadCount; ++p) g_padLoopCount[p] = counts[p];
    g_waveRate = 30001;
    const std::string path = dir.File("full.tnl");
    ASSERT_EQ(SetFileWrite(path.c_str()), 1);

    // A different setup, then the file read back.
    for (int p = 0; p < kPadCount; ++p) {
        SetPad(p, " ", " ");
        g_padLoopCount[p] = 7;
    }
    g_waveRate = 22050;
    Open(path);
    for (int p = 0; p < kPadCount; ++p) {
        EXPECT_EQ(g_padTitle[p], names[p]) << p;
        EXPECT_EQ(g_padPath[p], paths[p]) << p;
        EXPECT_EQ(g_padLoaded[p], 1) << p;
        EXPECT_NE(g_padSample[p], 0u) << p;
    }
    EXPECT_EQ(List(), (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(g_listTotalSec, 2 * 55);
    EXPECT_EQ(g_listLengthMs[0], 10600);
    EXPECT_EQ(LoopCounts(), (std::vector<int>{0, 1, 9998, 7, 42, 500, 3}));
    EXPECT_EQ(g_waveRate, 30001);
    EXPECT_EQ(g_speedKnobY, 312);
    EXPECT_STREQ(g_setPath, path.c_str());
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0 : full.tnl");

    // Saved again unchanged, the file is the same byte for byte.
    const std::string again = dir.File("again.tnl");
    ASSERT_EQ(SetFileWrite(again.c_str()), 1);
    EXPECT_EQ(ReadWholeFile(again), ReadWholeFile(path));
}

TEST_F(SetConsole, LoadStopsTheChannelsThenReopensTheEngine) {
    const std::string kick = dir.Wav("KICK.WAV");
    const std::string path = dir.Write("k.tnl", SetText({"KICK.WAV " + kick, "*", "*", "*", "12000"}));
    Forget();
    Open(path);
    const Calls calls = EngineSpyCalls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "EngineCloseChannel(0,1)");
    EXPECT_EQ(calls[1], "EngineLoadSample(" + kick + ")");
    EXPECT_EQ(EngineSpyCalls("EngineOpen("), Calls{"EngineOpen(12000)"});
    EXPECT_EQ(calls.back(), "EngineActivate(1)");
    const Calls repaints = c.host.CallsStartingWith("InvalidateRect");
    ASSERT_FALSE(repaints.empty());
    EXPECT_EQ(repaints.back(), "InvalidateRect(436,256,618,410)");
}

TEST_F(SetConsole, SkippedPadLinesCloseUpLaterPads) {
    const std::string kick = dir.Wav("KICK.WAV"), hat = dir.Wav("HAT.WAV");
    SetPad(0, "KICK.WAV", kick.c_str());
    SetPad(2, "HAT.WAV", hat.c_str());
    const std::string path = dir.File("gap.tnl");
    ASSERT_EQ(SetFileWrite(path.c_str()), 1);
    SetPad(0, " ", " ");
    SetPad(2, " ", " ");
    Open(path);
    EXPECT_STREQ(g_padPath[0], kick.c_str());
    EXPECT_STREQ(g_padPath[1], hat.c_str());
    EXPECT_STREQ(g_padPath[2], " ");
    EXPECT_EQ(g_padLoaded[1], 1);
    EXPECT_EQ(g_padLoaded[2], 0);
}

TEST_F(SetConsole, PadLinesThatCannotNameAPadAreSkipped) {
    const std::string a = dir.Wav("A.WAV"), b = dir.Wav("B.WAV");
    SetPad(3, "OLD.WAV", "/old/OLD.WAV");
    OpenText(SetText({"# a comment", "", "ONEWORD", " A.WAV " + a, "\tB.WAV\t" + b + "\tand more",
                      std::string(kPadTitleSize, 'T') + " " + a, "T.WAV /" + std::string(kPadPathSize - 1, 'p'),
                      "A.WAV " + a, "A.WAV " + a, "A.WAV " + a, "A.WAV " + a, "A.WAV " + a, "B.WAV " + b,
                      "A.WAV " + a, "*"}));
    // Pads 1..7: B (tabs), then A five times, then B; an eighth pad line is ignored.
    EXPECT_STREQ(g_padTitle[0], "B.WAV");
    EXPECT_STREQ(g_padPath[0], b.c_str());
    for (int p = 1; p < 6; ++p) EXPECT_STREQ(g_padPath[p], a.c_str()) << p;
    EXPECT_STREQ(g_padPath[6], b.c_str());
}

TEST_F(SetConsole, ListKeepsOnlyTracksOnTheDiscWithTheRightTotal) {
    OpenText(SetText({"*", "3", "12", "5", "0", "-2", "", "# 4", " 6 ", "+7x", "*"}));
    EXPECT_EQ(List(), (std::vector<int>{3, 5, 6, 7}));
    EXPECT_EQ(g_listTotalSec, 3 + 5 + 6 + 7);
    EXPECT_EQ(g_listLengthMs[1], 5600);
    EXPECT_EQ(g_listTracks[4], 0);

    std::vector<std::string> lines = {"*"};
    for (int i = 0; i < 25; ++i) lines.push_back(std::to_string(1 + i % 10));
    lines.push_back("*");
    OpenText(SetText(lines));
    EXPECT_EQ(g_listCount, 20);
    EXPECT_EQ(g_listTracks[19], 10);
}

TEST_F(SetConsole, LoopCountsKeepWhatTheDialogCanStore) {
    OpenText(SetText({"*", "*", "0", "9998", "9999", "-1", "letters", "99999999999999999999", "12", "5", "*"}));
    EXPECT_EQ(LoopCounts(), (std::vector<int>{0, 9998, 7, 7, 0, 7, 12}));
    // Fewer lines keep the other counts.
    g_padLoopCount[6] = 33;
    OpenText(SetText({"*", "*", "1", "*"}));
    EXPECT_EQ(LoopCounts(), (std::vector<int>{1, 9998, 7, 7, 0, 7, 33}));
}

TEST_F(SetConsole, RateOutsideItsBoundsIsIgnored) {
    const struct {
        const char* line;
        int rate;
    } cases[] = {{"11025", 22050}, {"11026", 11026}, {"33074", 33074}, {"33075", 22050},
                 {"0", 22050},     {"abc", 22050},   {" 30000 Hz", 30000}};
    for (const auto& k : cases) {
        g_waveRate = 22050;
        OpenText(SetText({"*", "*", "*", k.line, "44100"}));
        EXPECT_EQ(g_waveRate, k.rate) << k.line;
    }
}

TEST_F(SetConsole, LineEndsOfEveryKindReadTheSame) {
    const std::string a = dir.Wav("A.WAV");
    const std::vector<std::string> lines = {"A.WAV " + a, "*", "2", "*", "3", "*", "12345"};
    OpenText(SetText(lines, "\r\n"));
    EXPECT_STREQ(g_padPath[0], a.c_str());
    EXPECT_EQ(List(), std::vector<int>{2});
    EXPECT_EQ(g_padLoopCount[0], 3);
    EXPECT_EQ(g_waveRate, 12345);

    std::string noFinalEnd = SetText(lines);
    noFinalEnd.pop_back();
    noFinalEnd.back() = '6';
    OpenText(noFinalEnd);
    EXPECT_EQ(g_waveRate, 12346);
}

TEST_F(SetConsole, LongLinesAreReadInPiecesOfTheLongestPadLine) {
    // A full title, a blank, a full path and a carriage return fit one piece.
    const std::size_t piece = kPadTitleSize + kPadPathSize + 1;
    // A whole piece of list number then its line end: no empty line follows.
    const std::string exact = std::string(piece - 1, ' ') + "4";
    // 45 bytes longer: they form a line of their own.
    const std::string longer = std::string(piece, '9') + std::string(43, ' ') + "8";
    OpenText(SetText({"*", exact, longer, "*", exact, "*"}));
    EXPECT_EQ(List(), (std::vector<int>{4, 8}));
    EXPECT_EQ(g_padLoopCount[0], 4);
    EXPECT_EQ(g_padLoopCount[1], 7);
}

TEST_F(SetConsole, FilesThatAreNotSetFilesDoNoHarm) {
    std::string binary;
    for (int i = 0; i < 5000; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
    std::string huge;
    for (int i = 0; i < 20000; ++i) huge += "NAME_" + std::to_string(i) + " /x/" + std::string(i % 90, 'p') + "\n";
    huge += std::string(100000, 'w') + " " + std::string(100000, 'v') + "\n";
    const char nuls[] = "\0\0\0\n*\n\0 1\n";
    const std::string texts[] = {"", binary, huge, std::string(4096, '*'), std::string(3000, '\n'),
                                 std::string(nuls, sizeof nuls - 1)};
    for (const std::string& text : texts) {
        OpenText(text);
        for (int p = 0; p < kPadCount; ++p) {
            EXPECT_LT(std::strlen(g_padTitle[p]), static_cast<std::size_t>(kPadTitleSize));
            EXPECT_LT(std::strlen(g_padPath[p]), static_cast<std::size_t>(kPadPathSize));
        }
        EXPECT_LE(g_listCount, kListCapacity);
        EXPECT_GE(g_waveRate, 11026);
        EXPECT_LE(g_waveRate, 33074);
    }
}

TEST_F(SetConsole, MissingFileIsReportedAndChangesNothingElse) {
    g_listCount = 1;
    g_listTracks[0] = 4;
    Forget();
    Open(dir.File("gone.tnl"));
    EXPECT_EQ(c.host.MessageBoxes(), Calls{"Tornel for Windows|gone.tnl not found.|16"});
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0 : gone.tnl");
    EXPECT_STREQ(g_setPath, dir.File("gone.tnl").c_str());
    EXPECT_EQ(g_listCount, 1);
    EXPECT_TRUE(EngineSpyCalls().empty());

    // Cancelled: the set path is emptied and nothing else happens.
    Open("");
    EXPECT_STREQ(g_setPath, "");
    EXPECT_EQ(c.host.MessageBoxes().size(), 1u);
}
