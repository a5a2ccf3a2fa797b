// Every menu command through the host: check marks, dialogs with scripted
// answers, documents and Exit.
#include "commands/dialogs.h"
#include "commands/menu_commands.h"
#include "set_console.h"

namespace {

// Runs the Wave Loop dialog with `typed` in all seven fields, then OK.
std::function<void(win::DialogState&)> TypeLoops(const std::string& typed) {
    return [typed](win::DialogState& d) {
        for (int id : kLoopEditIds) d.Item(id)->text = typed;
        d.Command(win::IDOK);
    };
}

std::function<void(win::DialogState&)> TypeSpeed(const std::string& typed) {
    return [typed](win::DialogState& d) {
        d.Item(IDC_SPEED_EDIT)->text = typed;
        d.Command(win::IDOK);
    };
}

}  // namespace

using MenuCommands = SetConsole;

TEST_F(MenuCommands, CdLoopOnAndOffKeepTheCheckMarks) {
    EXPECT_EQ(g_cdLoop, 1);
    EXPECT_TRUE(c.host.MenuChecked(IDM_CDLOOP_ON));
    Forget();
    c.host.Command(IDM_CDLOOP_OFF);
    EXPECT_EQ(g_cdLoop, 0);
    EXPECT_FALSE(c.host.MenuChecked(IDM_CDLOOP_ON));
    EXPECT_TRUE(c.host.MenuChecked(IDM_CDLOOP_OFF));
    EXPECT_EQ(c.host.CallsStartingWith("InvalidateRect"), Calls{"InvalidateRect(32,90,409,240)"});

    c.host.Command(IDM_CDLOOP_ON);
    c.host.Command(IDM_CDLOOP_ON);
    EXPECT_EQ(g_cdLoop, 1);
    EXPECT_TRUE(c.host.MenuChecked(IDM_CDLOOP_ON));
    EXPECT_FALSE(c.host.MenuChecked(IDM_CDLOOP_OFF));
}

TEST_F(MenuCommands, WaveLoopShowsStoredCountsPlusOne) {
    std::vector<std::string> shown;
    g_padLoopCount[6] = 0;
    c.host.AnswerDialog([&](win::DialogState& d) {
        for (int id : kLoopEditIds) shown.push_back(d.Item(id)->text);
        d.Command(win::IDOK);
        EXPECT_TRUE(d.ended);
        EXPECT_EQ(d.result, 1);
    });
    Forget();
    c.host.Command(IDM_WAVELOOP);
    EXPECT_EQ(shown, (Calls{"8", "8", "8", "8", "8", "8", "1"}));
    EXPECT_EQ(LoopCounts(), (std::vector<int>{7, 7, 7, 7, 7, 7, 0}));
    EXPECT_EQ(c.host.CallsStartingWith("InvalidateRect"), Calls{"InvalidateRect(440,258,616,408)"});
}

TEST_F(MenuCommands, WaveLoopStoresOneLessOrSevenForAnythingElse) {
    const struct {
        const char* typed;
        int stored;
    } cases[] = {{"1", 0}, {"9999", 9998}, {"2", 1}, {"0", 7}, {"10000", 7}, {"-3", 7}, {"abc", 7}, {"", 7}};
    for (const auto& k : cases) {
        g_padLoopCount[0] = 100;
        c.host.AnswerDialog(TypeLoops(k.typed));
        c.host.Command(IDM_WAVELOOP);
        EXPECT_EQ(LoopCounts(), std::vector<int>(kPadCount, k.stored)) << k.typed;
    }
    // Each field goes to its own pad: 1007 is channel 1, 1001..1006 channels 2..7.
    c.host.AnswerDialog([](win::DialogState& d) {
        for (int p = 0; p < kPadCount; ++p) d.Item(kLoopEditIds[p])->text = std::to_string(p + 11);
        d.Command(win::IDOK);
    });
    c.host.Command(IDM_WAVELOOP);
    EXPECT_EQ(LoopCounts(), (std::vector<int>{10, 11, 12, 13, 14, 15, 16}));

    // Cancel stores nothing.
    c.host.AnswerDialog([](win::DialogState& d) {
        for (int id : kLoopEditIds) d.Item(id)->text = "3";
        d.Command(win::IDCANCEL);
    });
    c.host.Command(IDM_WAVELOOP);
    EXPECT_EQ(LoopCounts(), (std::vector<int>{10, 11, 12, 13, 14, 15, 16}));
}

TEST_F(MenuCommands, WaveSpeedStoresTheRateAndTheReopenClampsIt) {
    std::string shown;
    c.host.AnswerDialog([&](win::DialogState& d) {
        shown = d.Item(IDC_SPEED_EDIT)->text;
        d.Command(win::IDOK);
    });
    c.host.Command(IDM_WAVESPEED);
    EXPECT_EQ(shown, "22050");
    EXPECT_EQ(g_waveRate, 22050);

    const struct {
        const char* typed;
        int rate;
    } cases[] = {{"50000", 33074}, {"5000", 11026}, {"letters", 11026}, {"0", 11026}, {"30000", 30000}};
    for (const auto& k : cases) {
        c.host.AnswerDialog(TypeSpeed(k.typed));
        c.host.Command(IDM_WAVESPEED);
        EXPECT_EQ(g_waveRate, k.rate) << k.typed;
    }
    EXPECT_EQ(g_speedKnobY, 312);
}

TEST_F(MenuCommands, WaveSpeedCancelKeepsTheRateButStillReopens) {
    Forget();
    c.host.AnswerDialog([](win::DialogState& d) {
        d.Item(IDC_SPEED_EDIT)->text = "12000";
        d.Command(win::IDCANCEL);
    });
    c.host.Command(IDM_WAVESPEED);
    EXPECT_EQ(g_waveRate, 22050);
    EXPECT_EQ(EngineSpyCalls("EngineOpen("), Calls{"EngineOpen(22050)"});
    EXPECT_EQ(EngineSpyCalls("EngineClose"), (Calls{"EngineCloseChannel(0,1)", "EngineClose"}));
}

TEST_F(MenuCommands, AboutClosesOnOkOrCancelBriefHelpOnlyOnOk) {
    bool aboutEnded = false, briefEndedOnCancel = true, briefEndedOnOk = false;
    c.host.AnswerDialog([&](win::DialogState& d) {
        d.Command(win::IDCANCEL);
        aboutEnded = d.ended;
    });
    c.host.Command(IDM_ABOUT);
    c.host.AnswerDialog([&](win::DialogState& d) {
        d.Command(win::IDCANCEL);
        briefEndedOnCancel = d.ended;
        d.Command(win::IDOK);
        briefEndedOnOk = d.ended;
    });
    c.host.Command(IDM_BRIEFHELP);
    EXPECT_TRUE(aboutEnded);
    EXPECT_FALSE(briefEndedOnCancel);
    EXPECT_TRUE(briefEndedOnOk);
}

TEST_F(MenuCommands, ReadmeAndHelpOpenTheirDocuments) {
    c.host.Command(IDM_README);
    c.host.Command(IDM_HELP);
    ASSERT_EQ(c.host.OpenedDocuments().size(), 2u);
    EXPECT_NE(c.host.OpenedDocuments()[0].find("readme.txt"), std::string::npos);
    EXPECT_NE(c.host.OpenedDocuments()[1].find("tornel.htm"), std::string::npos);
}

TEST_F(MenuCommands, ExitEndsWithCodeZero) {
    c.host.Command(IDM_EXIT);
    EXPECT_TRUE(c.host.QuitPosted());
    EXPECT_EQ(c.host.ExitCode(), 0);
    EXPECT_EQ(g_mixer, 0u);
}

TEST_F(MenuCommands, UnknownCommandsGoToTheDefaultProcedure) {
    Forget();
    c.host.Command(105);
    EXPECT_EQ(c.host.CallsStartingWith("DefWindowProcA").size(), 1u);
    EXPECT_TRUE(EngineSpyCalls().empty());
}
