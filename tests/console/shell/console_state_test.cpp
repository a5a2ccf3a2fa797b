// The console state's reset brings back every start value.
#include "shell/console_state.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ConsoleState, ResetRestoresTheStartValues) {
    g_cdState = CD_PLAYING;
    g_listTracks[19] = 4;
    g_cdBalanceX = 451;
    g_speedKnobY = 305;
    g_waveRate = 11026;
    std::strcpy(g_padTitle[6], "LOOP.WAV");
    g_padLoopCount[0] = 2;
    g_setPath[0] = 'x';
    ConsoleStateReset();
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(g_listTracks[19], 0);
    EXPECT_EQ(g_cdBalanceX, 476);
    EXPECT_EQ(g_waveBalanceX, 576);
    EXPECT_EQ(g_cdVolumeY, 180);
    EXPECT_EQ(g_waveVolumeY, 180);
    EXPECT_EQ(g_speedKnobY, 330);
    EXPECT_EQ(g_waveRate, 22050);
    EXPECT_EQ(g_waveSpeedPct, 0);
    EXPECT_STREQ(g_padTitle[6], " ");
    EXPECT_STREQ(g_padPath[0], " ");
    EXPECT_EQ(g_padLoopCount[0], 7);
    EXPECT_EQ(g_cdLoop, 0);  // set to 1 only by the disc's first read
    EXPECT_STREQ(g_setPath, "");
}

}  // namespace
