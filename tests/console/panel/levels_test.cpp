// Output levels: the worked values, the range, and the aux device walk.
#include "cd/levels.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/devices.h"
#include "platform/headless/headless.h"
#include "shell/console_state.h"

using namespace win;

namespace {

struct Worked {
    bool cd;
    int y, x;
    std::uint32_t value;
};

class LevelValueTest : public ::testing::TestWithParam<Worked> {};

TEST_P(LevelValueTest, MatchesTheWorkedValue) {
    const Worked w = GetParam();
    EXPECT_EQ(w.cd ? CdLevelValue(w.y, w.x) : WaveLevelValue(w.y, w.x), w.value);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, LevelValueTest,
                         ::testing::Values(Worked{true, 180, 476, 0xCC8CCB20}, Worked{false, 180, 576, 0xCCB0CB20},
                                           Worked{true, 170, 476, 0xFFB8FDE8}, Worked{false, 170, 576, 0xFFDCFDE8},
                                           Worked{true, 180, 451, 0xCC8C0000}, Worked{true, 180, 466, 0xCC8C79E0},
                                           Worked{false, 180, 601, 0x0000CCB0}, Worked{true, 220, 451, 0},
                                           Worked{true, 220, 501, 0}, Worked{false, 220, 551, 0},
                                           Worked{false, 220, 601, 0}, Worked{true, 219, 501, 1274}));

TEST(LevelValue, ChannelsStayWithinRangeWhateverTheInputs) {
    std::uint32_t highest = 0;
    for (int y = 150; y <= 240; ++y) {
        for (int x = 430; x <= 620; ++x) {
            for (std::uint32_t v : {CdLevelValue(y, x), WaveLevelValue(y, x)}) {
                highest = std::max({highest, v & 0xFFFF, v >> 16});
            }
        }
    }
    EXPECT_EQ(highest, 65500u);
}

AuxDeviceConfig Aux(WORD technology, DWORD support, bool capsFail = false, bool volumeFail = false) {
    AuxDeviceConfig config = {};
    config.caps.wTechnology = technology;
    config.caps.dwSupport = support;
    config.capsQueryFails = capsFail;
    config.volumeReadFails = volumeFail;
    return config;
}

class AuxWalkTest : public ::testing::Test {
protected:
    void SetUp() override { ConsoleStateReset(); }
    headless::Session host;
};

TEST_F(AuxWalkTest, SkipsDevicesThatAreNoCdVolumeAndStopsAtAFailedRead) {
    const std::vector<AuxDeviceConfig> devices = {
        Aux(AUXCAPS_CDAUDIO, AUXCAPS_VOLUME, true),         // query fails: skipped
        Aux(0, AUXCAPS_VOLUME),                             // not a CD source: skipped
        Aux(AUXCAPS_CDAUDIO, 0),                            // no volume control: skipped
        Aux(AUXCAPS_CDAUDIO, AUXCAPS_VOLUME),               // set
        Aux(AUXCAPS_CDAUDIO, AUXCAPS_VOLUME, false, true),  // read fails: the walk ends
        Aux(AUXCAPS_CDAUDIO, AUXCAPS_VOLUME),               // never reached
    };
    SetAuxDevices(devices.data(), static_cast<int>(devices.size()));
    SetCdLevel(170);
    EXPECT_EQ(host.CallsStartingWith("auxSetVolume"), std::vector<std::string>{"auxSetVolume(3,4290313704)"});
    EXPECT_EQ(AuxDeviceVolume(3), 0xFFB8FDE8u);
    EXPECT_EQ(AuxDeviceVolume(5), 0u);
    EXPECT_EQ(host.CallsStartingWith("auxGetDevCapsA").size(), 5u);
}

TEST_F(AuxWalkTest, NoDeviceSetsNothing) {
    SetAuxDevices(nullptr, 0);
    SetCdLevel(180);
    EXPECT_TRUE(host.CallsStartingWith("aux").size() == 1u);  // the count only
}

TEST_F(AuxWalkTest, WaveLevelGoesToDeviceZeroWithTheWaveBalance) {
    g_waveBalanceX = 551;
    SetWaveLevel(180);
    EXPECT_EQ(host.CallsStartingWith("waveOutSetVolume"), std::vector<std::string>{"waveOutSetVolume(0,3434086400)"});
    EXPECT_EQ(LastWaveLevel(), 0xCCB00000u);
}

}  // namespace
