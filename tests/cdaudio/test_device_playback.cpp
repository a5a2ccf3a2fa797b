#include <filesystem>

#include "cdaudio/device_fixture.h"

namespace cdaudio_test {
namespace {

TEST_F(DeviceTest, PositionIsWhatTheOutputTook)
{
    Ok("play cdaudio from 0 notify");
    EXPECT_EQ(Ok("status cdaudio position"), "0");
    EXPECT_EQ(Ok("status cdaudio mode"), "playing");
    std::uint64_t before = device_->FramesPlayed();
    Advance(44100);
    EXPECT_EQ(device_->FramesPlayed() - before, 44100u);
    EXPECT_EQ(Ok("status cdaudio position"), "1000");
    Advance(4410);
    EXPECT_EQ(Ok("status cdaudio position"), "1100");
}

TEST_F(DeviceTest, PlaysOnAcrossTracksAndStopsAtTheEnd)
{
    Ok("set cdaudio time format tmsf");
    Ok("play cdaudio from 1 notify");
    Advance(88200 + 588 * 3 + 10);
    EXPECT_EQ(Ok("status cdaudio current track"), "2");
    EXPECT_EQ(Ok("status cdaudio position"), "02:00:00:03");

    Ok("set cdaudio time format milliseconds");
    Ok("play cdaudio from 3000 notify");
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), Ok("status cdaudio length"));
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    EXPECT_EQ(Ok("status cdaudio current track"), "3");
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "3533");
    Ok("set cdaudio time format tmsf");
    EXPECT_EQ(Ok("status cdaudio position"), "03:00:00:40");
}

TEST_F(DeviceTest, PlayWithoutStartGoesOnFromWhereItStopped)
{
    Ok("play cdaudio from 200 notify");
    Advance(4410);
    Ok("stop cdaudio");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "300");
    Ok("play cdaudio notify");
    Advance(4410);
    EXPECT_EQ(Ok("status cdaudio position"), "400");
}

TEST_F(DeviceTest, SeekStopsAndMoves)
{
    Ok("play cdaudio from 0 notify");
    Advance(1000);
    Ok("seek cdaudio to 2500");
    EXPECT_EQ(Ok("status cdaudio position"), "2500");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "2500");
    EXPECT_EQ(Ok("status cdaudio current track"), "2");
    Ok("seek cdaudio to start");
    EXPECT_EQ(Ok("status cdaudio position"), "0");
    // The console resumes by reading the position and playing from it.
    Ok("seek cdaudio to 1234");
    std::string where = Ok("status cdaudio position");
    Ok("play cdaudio from " + where + " notify");
    Advance(0);
    EXPECT_EQ(Ok("status cdaudio position"), "1234");
}

TEST_F(DeviceTest, PlayFromATrackStartsAtItsFirstFrame)
{
    Ok("set cdaudio time format tmsf");
    Ok("play cdaudio from 3 notify");
    Ok("set cdaudio time format milliseconds");
    EXPECT_EQ(Ok("status cdaudio position"), "3000");
    Advance(588);
    Ok("set cdaudio time format tmsf");
    EXPECT_EQ(Ok("status cdaudio position"), "03:00:00:01");
}

TEST_F(DeviceTest, PlayFromTheVeryEndStopsAtOnce)
{
    Ok("play cdaudio from 3533 notify");
    Advance(588);
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    EXPECT_EQ(Ok("status cdaudio position"), "3533");
}

TEST_F(DeviceTest, VanishedFilesPlaySilenceAndQueriesStillAnswer)
{
    Ok("play cdaudio from 0 notify");
    Advance(4410);
    std::filesystem::remove_all(dir_.Path());
    Ok("play cdaudio from 2100 notify");  // track 2: never opened, now gone
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "3100");
    EXPECT_EQ(Ok("status cdaudio number of tracks"), "3");
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "3533");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
}

TEST_F(DeviceTest, DoorOpenWhilePlayingStopsAndForgetsThePosition)
{
    Ok("play cdaudio from 1000 notify");
    Advance(4410);
    Ok("set cdaudio door open");
    Advance(4410);
    EXPECT_EQ(Ok("status cdaudio position"), "0");
    answer_ = dir_.Path();
    Ok("set cdaudio door closed");
    EXPECT_EQ(Ok("status cdaudio position"), "0");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
}

}  // namespace
}  // namespace cdaudio_test
