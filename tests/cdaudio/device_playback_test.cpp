#include <cstdlib>
#include <filesystem>
#include <vector>

#include "cdaudio/device_fixture.h"
#include "portable.h"

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

// The CD level still applies to the channels left on.
TEST_F(DeviceTest, AudioOffSilencesItsChannelUntilSwitchedOn)
{
    auto heardOn = [this](int channel) {
        std::vector<std::int16_t> heard(2 * 588);
        device_->AdvanceVirtualOutput(588, heard.data());
        int loud = 0;
        for (std::size_t i = channel; i < heard.size(); i += 2) loud += heard[i] != 0;
        return loud;
    };
    Ok("set cdaudio audio left off");
    device_->SetLevel(0x8000FFFFu);
    Ok("play cdaudio from 0");
    EXPECT_EQ(heardOn(0), 0);
    EXPECT_GT(heardOn(1), 500);
    Ok("set cdaudio audio all on");
    EXPECT_GT(heardOn(0), 500);
    device_->SetLevel(0xFFFF0000u);
    EXPECT_EQ(heardOn(0), 0);
}

TEST_F(DeviceTest, PlaysOnAcrossTracksAndStopsAtTheEnd)
{
    Ok("set cdaudio time format tmsf");
    Ok("play cdaudio from 1 notify");
    Advance(88200 + 588 * 3 + 10);
    EXPECT_EQ(Ok("status cdaudio current track"), "2");
    EXPECT_EQ(Ok("status cdaudio position"), "02:00:00:04");  // rounded up to the next frame

    Ok("set cdaudio time format milliseconds");
    Ok("play cdaudio from 3000 notify");
    Advance(44100);
    // 3533.33 ms: the position reads past the length, which is rounded down.
    EXPECT_EQ(Ok("status cdaudio position"), "3534");
    EXPECT_EQ(Ok("status cdaudio length"), "3533");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    EXPECT_EQ(Ok("status cdaudio current track"), "3");
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "3534");
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
    Ok("play cdaudio from 3534 notify");
    Advance(588);
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    EXPECT_EQ(Ok("status cdaudio position"), "3534");
}

TEST_F(DeviceTest, VanishedFilesPlaySilenceAndQueriesStillAnswer)
{
    SKIP_ON_WINDOWS("Windows keeps a file that is open from being removed");
    Ok("play cdaudio from 0 notify");
    Advance(4410);
    std::filesystem::remove_all(dir_.Path());
    Ok("play cdaudio from 2100 notify");  // track 2: never opened, now gone
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "3100");
    EXPECT_EQ(Ok("status cdaudio number of tracks"), "3");
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "3534");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
}

TEST_F(DeviceTest, DoorOpenWhilePlayingStopsAndForgetsThePosition)
{
    Ok("play cdaudio from 1000 notify");
    Advance(4410);
    Ok("set cdaudio door open");
    Advance(4410);
    EXPECT_EQ(Send("status cdaudio position"), "");
    EXPECT_EQ(error_, win::MCIERR_HARDWARE);
    answer_ = dir_.Path();
    Ok("set cdaudio door closed");
    EXPECT_EQ(Ok("status cdaudio position"), "0");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
}

}  // namespace
}  // namespace cdaudio_test

namespace cdaudio_test {
namespace {

// The threaded outputs: no timing is checked, only that commands are
// answered while the worker and the output run, and that shutdown is clean.
TEST(RealTimeOutputs, AnswerWhilePlayingAndShutDownCleanly)
{
    portable::SetEnv("TORNEL_NULL_AUDIO", "1");  // no sound from a test, even where there is a card
    TempDir dir;
    WriteFolderDisc(dir.Path(), kTrackFrames);
    for (cdaudio::Output output : {cdaudio::Output::Null, cdaudio::Output::Default}) {
        cdaudio::Options options;
        options.output = output;
        options.usePhysicalDrive = false;
        options.initialDisc = dir.Path();
        std::unique_ptr<cdaudio::Device> device = cdaudio::CreateDevice(options);
        char reply[64];
        EXPECT_EQ(device->SendString("set cdaudio time format milliseconds", nullptr, 0), 0u);
        EXPECT_EQ(device->SendString("play cdaudio from 2500 notify", reply, sizeof reply), 0u);
        EXPECT_EQ(device->SendString("status cdaudio position", reply, sizeof reply), 0u);
        EXPECT_GE(std::atoi(reply), 2500);
        EXPECT_LE(std::atoi(reply), 3533);
        // A burst of requests while the worker and the output run.
        for (int i = 0; i < 300; ++i) {
            std::string target = std::to_string(i * 10);
            device->SendString(("play cdaudio from " + target).c_str(), reply, sizeof reply);
            device->SendString(("seek cdaudio to " + target).c_str(), reply, sizeof reply);
            device->SendString("status cdaudio position", reply, sizeof reply);
        }
        EXPECT_EQ(device->SendString("play cdaudio from 2000 notify", reply, sizeof reply), 0u);
        EXPECT_EQ(device->SendString("set cdaudio door open", reply, sizeof reply), 0u);
        EXPECT_EQ(device->SendString("status cdaudio media present", reply, sizeof reply), 0u);
        EXPECT_STREQ(reply, "false");
    }
}

}  // namespace
}  // namespace cdaudio_test
