// The records' layout is the binary contract with the console.
#include "engine/engine_fixture.h"

#include <cstddef>

static_assert(sizeof(EngineInfo) == 20);
static_assert(sizeof(EngineConfig) == 10);
static_assert(offsetof(EngineConfig, version) == 2 && offsetof(EngineConfig, channels) == 6 &&
              offsetof(EngineConfig, unused) == 8);
static_assert(sizeof(PlayRequest) == 24);
static_assert(offsetof(PlayRequest, engine) == 2 && offsetof(PlayRequest, channel) == 6 &&
              offsetof(PlayRequest, sample) == 10 && offsetof(PlayRequest, start) == 14 &&
              offsetof(PlayRequest, mode) == 18 && offsetof(PlayRequest, loops) == 22);

TEST(EngineRecords, PlayRequestFieldsLandAtTheirBytes) {
    const PlayRequest request = PlayRecord(0x11111111, 0x22222222, 0x33333333, 0x4444);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&request);
    EXPECT_EQ(bytes[0], 24);
    EXPECT_EQ(bytes[2], 0x11);
    EXPECT_EQ(bytes[6], 0x22);
    EXPECT_EQ(bytes[10], 0x33);
    EXPECT_EQ(bytes[18], 5);
    EXPECT_EQ(bytes[22], 0x44);
}

TEST(EngineRecords, CheckReportsAnEngineAndOpenWantsItsConfig) {
    EngineInfo info{20, {}};
    EXPECT_EQ(EngineCheck(&info), 0);
    EngineConfig wrongSize = ConfigRecord();
    wrongSize.size = 9;
    EXPECT_EQ(EngineOpenManual(&wrongSize, 22050, 44100), 0u);
    EXPECT_EQ(EngineOpenManual(nullptr, 22050, 44100), 0u);
    EngineConfig config = ConfigRecord();
    config.unused = 0xBEEF; // whatever the caller leaves there
    EXPECT_EQ(EngineOpenManual(&config, 0, 44100), 0u);
    EXPECT_EQ(EngineOpenManual(&config, -22050, 44100), 0u);
    EXPECT_EQ(EngineOpenManual(&config, 1000, 44100), 0u);   // slower than a twentieth
    EXPECT_EQ(EngineOpenManual(&config, 200000, 44100), 0u); // faster than eightfold
    EXPECT_EQ(EngineOpenManual(&config, 22050, 0), 0u);
    const EngineHandle engine = EngineOpenManual(&config, 22050, 44100);
    EXPECT_NE(engine, 0u);
    EXPECT_EQ(EngineDeviceRate(engine), 44100);
    EXPECT_EQ(EngineClose(engine), 0u);
}
