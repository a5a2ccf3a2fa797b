// A set file handed to the window by a later start (or the command line):
// loaded as the Load command loads it; what is not ours is refused.
#include "commands/hand_over.h"
#include "set_console.h"

using namespace win;

namespace {

LRESULT Send(HWND hwnd, ULONG_PTR tag, std::string bytes) {
    COPYDATASTRUCT data{tag, static_cast<DWORD>(bytes.size()), bytes.data()};
    return SendMessageA(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

}  // namespace

TEST_F(SetConsole, HandedOverSetFileLoadsAsTheLoadCommand) {
    const std::string wav = dir.Wav("KICK.WAV");
    const std::string path = dir.Write("live set.tnl", SetText({"#FileName;Pathname;Tornel Ver3.0", "KICK.WAV " + wav,
                                                               "*", "3", "*", "*", "30000"}));
    g_listCount = 1;
    g_listTracks[0] = 9;
    EXPECT_EQ(HandOverSetFile(Window(), nullptr, path.c_str()), TRUE);
    c.host.Pump();
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0 : live set.tnl");
    EXPECT_STREQ(g_setPath, path.c_str());
    EXPECT_EQ(List(), std::vector<int>{3});
    EXPECT_EQ(g_padLoaded[0], 1);
    EXPECT_STREQ(g_padTitle[0], "KICK.WAV");
    EXPECT_EQ(g_waveRate, 30000);
    EXPECT_TRUE(c.host.MessageBoxes().empty());
}

TEST_F(SetConsole, HandedOverMissingFileIsReportedByItsName) {
    EXPECT_EQ(HandOverSetFile(Window(), nullptr, dir.File("gone.tnl").c_str()), TRUE);
    EXPECT_EQ(c.host.MessageBoxes(), Calls{"Tornel for Windows|gone.tnl not found.|16"});
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0 : gone.tnl");
}

TEST_F(SetConsole, ForeignOrBrokenDataIsRefusedAndNothingChanges) {
    const std::string path = dir.Write("s.tnl", SetText({"*", "3", "*"}));
    const std::string title = c.host.WindowTitle();
    EXPECT_EQ(Send(Window(), 0x1234, path), FALSE);
    EXPECT_EQ(Send(Window(), kHandOverSetFile, path + std::string(1, '\0') + "x"), FALSE);
    EXPECT_EQ(SendMessageA(Window(), WM_COPYDATA, 0, 0), FALSE);
    // No file at all: accepted, and nothing is loaded.
    EXPECT_EQ(HandOverSetFile(Window(), nullptr, ""), TRUE);
    EXPECT_EQ(c.host.WindowTitle(), title);
    EXPECT_EQ(g_listCount, 0);
    EXPECT_TRUE(c.host.MessageBoxes().empty());
}

TEST_F(SetConsole, PathTooLongForTheFieldIsToldAndNotLoaded) {
    const std::string path = "/" + std::string(kSetPathSize, 'a') + ".tnl";
    HandOverSetFile(Window(), nullptr, path.c_str());
    ASSERT_EQ(c.host.MessageBoxes().size(), 1u);
    EXPECT_NE(c.host.MessageBoxes()[0].find("too long"), std::string::npos);
    EXPECT_STREQ(g_setPath, "");
}
