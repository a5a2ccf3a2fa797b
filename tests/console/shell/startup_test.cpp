// Start-up and shutdown: their orders, the document paths, and that Exit and
// the close box both shut down once with exit code 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "commands/menu_commands.h"
#include "panel/panel_bitmaps.h"
#include "shell/console_state.h"
#include "shell/main_window.h"
#include "support/console_session.h"
#include "support/deep_folder.h"
#include "support/recording_cd.h"

using namespace win;

namespace {

using Calls = std::vector<std::string>;

// The calls that start with one of the prefixes, in log order.
Calls Only(const Calls& log, const std::vector<std::string>& prefixes) {
    Calls out;
    for (const std::string& call : log) {
        if (std::any_of(prefixes.begin(), prefixes.end(), [&](const std::string& p) { return call.rfind(p, 0) == 0; }))
            out.push_back(call);
    }
    return out;
}

long Count(const Calls& log, const std::string& prefix) { return static_cast<long>(Only(log, {prefix}).size()); }

std::string CurrentDir() { return std::filesystem::current_path().string(); }
// With this system's separator, as the console joins them.
std::string InCurrentDir(const char* name) { return (std::filesystem::current_path() / name).string(); }

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { cd.HoldDisc(5, 100000); }
    RecordingCd cd;
};

TEST_F(ShellTest, StartUpRunsInItsOrder) {
    ConsoleSession c({.device = &cd});
    Calls expected = {"RegisterClassA(Tornel for Windows Ver3.0)",
                      "CreateWindowExA(Tornel for Windows Ver3.0,Tornel for Windows Ver3.0,640,480)",
                      "LoadMenuA(KorvexMenu1)",
                      "SetMenu(menu)"};
    for (const char* name : kBitmapNames) expected.push_back(std::string("LoadBitmapA(") + name + ")");
    expected.insert(expected.end(), {"GetCurrentDirectoryA(" + std::to_string(kStartDirSize) + ")", "VerLanguageNameA(1041,7)",
                                     "mciSendStringA(open cdaudio)", "ShowWindow(1)", "UpdateWindow()", "BeginPaint()"});
    const Calls seen = Only(c.host.Calls(), {"RegisterClassA", "CreateWindowExA", "LoadMenuA", "SetMenu", "LoadBitmapA",
                                             "GetCurrentDirectoryA", "VerLanguageNameA", "mciSendStringA(open",
                                             "ShowWindow", "UpdateWindow", "BeginPaint"});
    ASSERT_GE(seen.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(seen[i], expected[i]) << "call " << i;
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0");
}

TEST_F(ShellTest, FreshConsoleHoldsTheStartValues) {
    ConsoleSession c({.device = &cd});
    for (int p = 0; p < kPadCount; ++p) {
        EXPECT_STREQ(g_padTitle[p], " ");
        EXPECT_STREQ(g_padPath[p], " ");
        EXPECT_EQ(g_padLoopCount[p], 7);
        EXPECT_EQ(g_padLoop[p], 0);
        EXPECT_EQ(g_padLoaded[p], 0);
    }
    EXPECT_EQ(g_waveRate, 22050);
    EXPECT_EQ(g_cdLoop, 1);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(g_trackCount, 5);
    EXPECT_EQ(g_cdVolumeY, 180);
    EXPECT_EQ(g_speedKnobY, 330);
    EXPECT_EQ(g_hWnd, c.Window());
    EXPECT_NE(g_hWnd, nullptr);
    EXPECT_EQ(std::count(std::begin(g_bitmaps), std::end(g_bitmaps), nullptr), 1);  // slot 30 only
    EXPECT_EQ(g_bitmaps[30], nullptr);
}

TEST_F(ShellTest, EnglishSystemChoosesTheEnglishDocuments) {
    ConsoleSession c({.device = &cd});
    EXPECT_EQ(std::string(g_startDir), CurrentDir());
    EXPECT_EQ(std::string(g_readmePath), InCurrentDir("readme.txt"));
    EXPECT_EQ(std::string(g_helpPath), InCurrentDir("tornel.htm"));
}

// Starts the console on a system that names the language 0x411 `name`.
void StartWithLanguageName(ConsoleSession& c, const std::string& name) {
    c.host.SetLanguageName(name);
    RegisterMainClass(c.Instance());
    CreateMainWindow(c.Instance(), SW_SHOWNORMAL);
}

TEST_F(ShellTest, JapaneseSystemChoosesTheJapaneseDocuments) {
    ConsoleSession c({.device = &cd, .start = false});
    StartWithLanguageName(c, "\x93\xFA\x96\x7B\x8C\xEA");
    EXPECT_EQ(std::string(g_readmePath), InCurrentDir("readmej.txt"));
    EXPECT_EQ(std::string(g_helpPath), InCurrentDir("tornelj.htm"));
}

// The start directory and the document paths hold whole paths of this
// platform; one too long for its field leaves the field empty instead of
// overflowing it or naming a cut path.
TEST_F(ShellTest, StartDirectoryAndDocumentPathsAtTheirCapacities) {
    SKIP_WITHOUT_LONG_PATHS();
    const std::size_t name = std::string("/readme.txt").size();  // "/tornel.htm" is as long
    const struct {
        std::size_t length;
        bool startDirFits, documentsFit;
    } cases[] = {
        {kDocPathSize - 2 - name, true, true},   // one short
        {kDocPathSize - 1 - name, true, true},   // exactly full
        {kDocPathSize - name, true, false},      // one over
        {kStartDirSize - 1, true, false},        // the start directory exactly full
        {kStartDirSize, false, false},           // one over
    };
    for (const auto& k : cases) {
        const DeepFolder deep(k.length);
        ASSERT_EQ(deep.Path().size(), k.length);
        deep.Enter();
        {
            ConsoleSession c({.device = &cd});
            EXPECT_EQ(std::string(g_startDir), k.startDirFits ? deep.Path() : "") << k.length;
            EXPECT_EQ(std::string(g_readmePath), k.documentsFit ? deep.Path() + "/readme.txt" : "") << k.length;
            EXPECT_EQ(std::string(g_helpPath), k.documentsFit ? deep.Path() + "/tornel.htm" : "") << k.length;
        }
        deep.Leave();
    }
}

TEST_F(ShellTest, DocumentPathsStayWhenTheDirectoryChangesLater) {
    ConsoleSession c({.device = &cd});
    const std::string readme = g_readmePath;
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    c.host.Advance(100);
    std::filesystem::current_path(home);
    EXPECT_EQ(std::string(g_readmePath), readme);
}

const std::vector<std::string> kShutdownCalls = {"DeleteObject(bitmap)", "DeleteObject(null)", "mciSendStringA(stop",
                                                 "DestroyMenu", "PostQuitMessage"};

Calls ExpectedShutdown() {
    Calls expected;
    for (int i = 0; i < kBitmapCount; ++i) expected.push_back(i == 30 ? "DeleteObject(null)" : "DeleteObject(bitmap)");
    expected.insert(expected.end(), {"mciSendStringA(stop cdaudio)", "DestroyMenu()", "PostQuitMessage(0)"});
    return expected;
}

TEST_F(ShellTest, CloseBoxShutsDownOnceInOrder) {
    ConsoleSession c({.device = &cd});
    c.host.ClearCalls();
    c.host.Close();
    EXPECT_EQ(Only(c.host.Calls(), kShutdownCalls), ExpectedShutdown());
    EXPECT_TRUE(c.host.QuitPosted());
    EXPECT_EQ(c.host.ExitCode(), 0);
    EXPECT_EQ(g_mixer, 0u);
    EXPECT_EQ(g_hMenu, nullptr);
    EXPECT_EQ(std::count(std::begin(g_bitmaps), std::end(g_bitmaps), nullptr), kBitmapCount);
}

TEST_F(ShellTest, ExitThenCloseShutsDownOnce) {
    ConsoleSession c({.device = &cd});
    c.host.ClearCalls();
    c.host.Command(IDM_EXIT);
    EXPECT_EQ(Only(c.host.Calls(), kShutdownCalls), ExpectedShutdown());
    EXPECT_EQ(c.host.ExitCode(), 0);
    c.host.ClearCalls();
    c.host.Close();
    EXPECT_EQ(Count(c.host.Calls(), "PostQuitMessage"), 0);
    EXPECT_EQ(Count(c.host.Calls(), "DestroyMenu"), 0);
    EXPECT_EQ(Count(c.host.Calls(), "DeleteObject(bitmap)"), 0);
}

TEST_F(ShellTest, WinMainRunsUntilCloseAndReturnsZero) {
    ConsoleSession c({.device = &cd, .start = false});
    c.host.CloseWhenIdle(true);
    EXPECT_EQ(WinMain(c.Instance(), nullptr, nullptr, SW_SHOWNORMAL), 0);
    EXPECT_EQ(Count(c.host.Calls(), "PostQuitMessage"), 1);
    EXPECT_EQ(Count(c.host.Calls(), "BeginPaint"), 1);
    EXPECT_EQ(g_mixer, 0u);
}

TEST_F(ShellTest, WinMainEndsAtOnceWhenTheClassCannotBeRegistered) {
    ConsoleSession c({.device = &cd, .start = false});
    ASSERT_NE(RegisterMainClass(c.Instance()), 0);  // a second registration fails
    c.host.ClearCalls();
    EXPECT_EQ(WinMain(c.Instance(), nullptr, nullptr, SW_SHOWNORMAL), 0);
    EXPECT_EQ(Count(c.host.Calls(), "CreateWindowExA"), 0);
    EXPECT_EQ(Count(c.host.Calls(), "GetMessageA"), 0);
}

TEST_F(ShellTest, WindowProcedureUnpacksPointerMessagesAndPassesTheRest) {
    ConsoleSession c({.device = &cd});
    EXPECT_EQ(KorvexWndProc(c.Window(), WM_LBUTTONDOWN, 0, MAKELPARAM(86, 42)), 0);
    EXPECT_EQ(g_pressed, 2);  // STOP
    EXPECT_EQ(KorvexWndProc(c.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(-2, 42)), 0);
    EXPECT_EQ(g_pressed, 0);
    EXPECT_EQ(KorvexWndProc(c.Window(), WM_RBUTTONDOWN, 0, MAKELPARAM(86, 42)), 0);
    EXPECT_EQ(g_pressed, 0);
    c.host.ClearCalls();
    KorvexWndProc(c.Window(), WM_CHAR, 'z', 0);
    EXPECT_EQ(c.host.Calls().front(), "DefWindowProcA(258,122,0)");
}

}  // namespace
