// The engine's reopen at a new rate, pad loading with its file dialog, and
// the loop and load buttons.
#include "pad_console.h"
#include "panel/press.h"

namespace {

struct RateCase {
    int rate, clamped, knobY, figure;
};

}  // namespace

TEST_F(PadConsole, ReopenClampsTheRateAndSetsKnobAndFigure) {
    const RateCase cases[] = {
        {22050, 22050, 330, 0},   {22490, 22490, 330, 0},   {22491, 22491, 329, 4},
        {33074, 33074, 306, 96},  {33075, 33074, 306, 96},  {44100, 33074, 306, 96},
        {11026, 11026, 354, -96}, {11025, 11026, 354, -96}, {0, 11026, 354, -96},
        {-5, 11026, 354, -96},    {21610, 21610, 330, 0},   {21609, 21609, 331, -4},
    };
    for (const RateCase& k : cases) {
        g_waveRate = k.rate;
        Forget();
        MixerReopen(Window());
        EXPECT_EQ(g_waveRate, k.clamped) << k.rate;
        EXPECT_EQ(g_speedKnobY, k.knobY) << k.rate;
        EXPECT_EQ(g_waveSpeedPct, k.figure) << k.rate;
        EXPECT_EQ(EngineSpyCalls("EngineOpen"), Calls{"EngineOpen(" + std::to_string(k.clamped) + ")"});
        EXPECT_EQ(HostCalls("InvalidateRect"), Calls{"InvalidateRect(336,143,378,158)"}) << k.rate;
    }
}

TEST_F(PadConsole, ReopenReloadsLoadedPadsInOrderKeepingLoops) {
    const std::string a = dir.Wav("A.WAV"), b = dir.Wav("B.WAV"), d = dir.Wav("D.WAV");
    Load(5, d);
    Load(0, a);
    Load(2, b);
    g_padLoop[2] = 1;
    g_padLoopCount[2] = 41;
    g_padLoopCount[5] = 0;
    Forget();

    g_waveRate = 30000;
    MixerReopen(Window());
    EXPECT_EQ(EngineSpyCalls(), (Calls{"EngineCloseChannel(0,1)", "EngineFreeSample", "EngineFreeSample",
                                       "EngineFreeSample", "EngineClose", "EngineCheck(20)", "EngineOpen(30000)",
                                       "EngineLoadSample(" + a + ")", "EngineOpenChannels(8,2)",
                                       "EngineLoadSample(" + b + ")", "EngineOpenChannels(8,2)",
                                       "EngineLoadSample(" + d + ")", "EngineOpenChannels(8,2)",
                                       "EngineActivate(1)"}));
    EXPECT_NE(g_mixer, 0u);
    for (int p : {0, 2, 5}) {
        EXPECT_EQ(g_padLoaded[p], 1) << p;
        EXPECT_NE(g_padSample[p], 0u) << p;
    }
    EXPECT_EQ(g_padLoop[2], 1);
    EXPECT_EQ(g_padLoopCount[2], 41);
    EXPECT_EQ(g_padLoopCount[5], 0);
    EXPECT_EQ(g_padLoopCount[1], 7);
    EXPECT_EQ(g_padSample[1], 0u);
}

TEST_F(PadConsole, CloseReleasesEverythingOnceAndKeepsTheLoadedFlags) {
    Load(3, dir.Wav("A.WAV"));
    Forget();
    MixerClose();
    EXPECT_EQ(EngineSpyCalls(), (Calls{"EngineCloseChannel(0,1)", "EngineFreeSample", "EngineClose"}));
    EXPECT_EQ(g_mixer, 0u);
    EXPECT_EQ(g_padSample[3], 0u);
    EXPECT_EQ(g_padLoaded[3], 1);
    Forget();
    MixerClose();
    EXPECT_TRUE(EngineSpyCalls().empty());
}

TEST_F(PadConsole, ChosenFileLoadsWithItsPathAndTitle) {
    const std::string kick = dir.Wav("KICK.WAV");
    Load(1, kick);
    EXPECT_STREQ(g_padPath[1], kick.c_str());
    EXPECT_STREQ(g_padTitle[1], "KICK.WAV");
    EXPECT_EQ(g_padLoaded[1], 1);
    EXPECT_NE(g_padSample[1], 0u);
    EXPECT_EQ(HostCalls("InvalidateRect"),
              (Calls{"InvalidateRect(436,256,618,410)", "InvalidateRect(116,370,158,394)"}));
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_EQ(HostCalls("SetCursor"), (Calls{"SetCursor(IDC_WAIT)", "SetCursor(null)"}));
}

TEST_F(PadConsole, FailedLoadLeavesThePadEmptyWithTheDialogsText) {
    const std::string bad = dir.Write("BAD.WAV", "not a wave file at all");
    Load(0, bad);
    EXPECT_EQ(g_padLoaded[0], 0);
    EXPECT_EQ(g_padSample[0], 0u);
    EXPECT_STREQ(g_padPath[0], bad.c_str());
    EXPECT_EQ(HostCalls("SetCursor"), (Calls{"SetCursor(IDC_WAIT)", "SetCursor(null)"}));
    Forget();
    c.host.KeyDown('Z');
    EXPECT_TRUE(EngineSpyCalls("EnginePlay").empty());
}

TEST_F(PadConsole, LoadButtonReleasesTheOldSampleBeforeTheDialog) {
    const std::string kick = dir.Wav("KICK.WAV");
    Load(4, kick);
    Forget();
    Load(4, "");  // cancelled
    EXPECT_EQ(EngineSpyCalls(), (Calls{"EngineCloseChannel(5,0)", "EngineFreeSample"}));
    EXPECT_EQ(g_padSample[4], 0u);
    EXPECT_EQ(g_padLoaded[4], 1);  // reloaded from its path by the next reopen
    EXPECT_STREQ(g_padPath[4], kick.c_str());

    Forget();
    Load(6, "");  // an empty pad: nothing to release
    EXPECT_EQ(EngineSpyCalls(), Calls{"EngineCloseChannel(7,0)"});
    EXPECT_STREQ(g_padPath[6], " ");
}

// Audio files first, then WAV alone, then anything; a loaded pad's dialog
// opens at its file, any other in the start directory.
TEST_F(PadConsole, DialogOffersAudioFilesAndOpensWhereThePadIs) {
    const std::string kick = dir.Wav("KICK.WAV");
    Load(0, kick);
    Load(0, "");
    Load(1, "");
    ASSERT_EQ(c.host.FileDialogs().size(), 3u);
    const win::FileChoice& first = c.host.FileDialogs()[0];
    ASSERT_EQ(first.filters.size(), 3u);
    EXPECT_EQ(first.filters[0].description, "Audio files");
    for (const char* ext : {"*.wav;", "*.flac;", "*.ogg;", "*.mp3;", "*.aiff;", "*.opus;"})
        EXPECT_NE(first.filters[0].patterns.find(ext), std::string::npos) << ext;
    EXPECT_EQ(first.filters[1], (win::FileFilter{"WAV files (*.wav)", "*.wav"}));
    EXPECT_EQ(first.filters[2], (win::FileFilter{"All files", "*"}));
    EXPECT_FALSE(first.save);
    EXPECT_EQ(first.initialFile, "");
    EXPECT_EQ(first.initialDir, g_startDir);

    EXPECT_EQ(c.host.FileDialogs()[1].initialFile, kick);  // pad 1 is loaded
    EXPECT_EQ(c.host.FileDialogs()[2].initialFile, "");     // pad 2 is empty
    EXPECT_EQ(c.host.FileDialogs()[2].initialDir, g_startDir);
    // The cancelled dialog left pad 1 as it was.
    EXPECT_EQ(g_padPath[0], kick);
    EXPECT_STREQ(g_padTitle[0], "KICK.WAV");
}

TEST_F(PadConsole, LoopButtonActsOnLoadedPadsOnly) {
    PadLoopButton(Window(), 0, 1);
    EXPECT_EQ(g_pressed, PRESS_NONE);
    Load(0, dir.Wav("A.WAV"));
    Forget();

    PadLoopButton(Window(), 0, 1);
    EXPECT_EQ(g_pressed, PRESS_PADLOOP);
    PadLoopButton(Window(), 0, 0);
    EXPECT_EQ(g_padLoop[0], 1);
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_TRUE(EngineSpyCalls("EngineFlushChannel").empty());

    PadLoopButton(Window(), 0, 1);
    PadLoopButton(Window(), 0, 0);
    EXPECT_EQ(g_padLoop[0], 0);
    EXPECT_EQ(EngineSpyCalls("EngineFlushChannel"), Calls{"EngineFlushChannel(1,2)"});

    // Released one column past the last pad: nothing switches.
    Forget();
    PadLoopButton(Window(), 0, 1);
    PadLoopButton(Window(), 7, 0);
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_EQ(g_padLoop[0], 0);
    EXPECT_EQ(HostCalls("InvalidateRect"), (Calls{"InvalidateRect(74,275,116,299)", "InvalidateRect(370,262,408,274)",
                                                  "InvalidateRect(368,275,410,299)"}));
    // A release without a press does nothing.
    PadLoopButton(Window(), 0, 0);
    EXPECT_EQ(g_padLoop[0], 0);
}

TEST_F(PadConsole, FreshConsoleHasTheSampleDeckAtItsStartValues) {
    EXPECT_NE(g_mixer, 0u);
    for (int p = 0; p < kPadCount; ++p) {
        EXPECT_EQ(g_padLoopCount[p], 7);
        EXPECT_EQ(g_padLoaded[p], 0);
        EXPECT_EQ(g_padLoop[p], 0);
        EXPECT_STREQ(g_padPath[p], " ");
    }
    EXPECT_EQ(g_waveRate, 22050);
}
