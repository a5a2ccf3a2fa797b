// The disc's output: positions are what has been heard through an output
// that holds frames, every request is heard at once, a server arrives after
// the device started on the silent clock and goes away again, and the ring
// running dry in the middle of play is counted.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "cdaudio/device_fixture.h"
#include "counting_source.h"
#include "devices/cdaudio/renderer.h"
#include "stand_in_servers.h"

namespace cdaudio {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kCall = 64;  // frames per callback

class HeardPosition : public testing::Test {
protected:
    void Request(std::uint32_t generation, bool play, std::uint64_t at)
    {
        renderer_->Requests().Post({generation, play, at});
        if (!play) return;
        AudioBlock* block = renderer_->Ring().WriteSlot();
        ASSERT_NE(block, nullptr);
        *block = AudioBlock{};
        block->generation = generation;
        block->start = at;
        block->frames = kBlockFrames;
        renderer_->Ring().Publish();
    }

    PlayedState Call(std::uint32_t frames = kCall)
    {
        renderer_->Render(out_.data(), frames);
        return renderer_->Played();
    }

    std::unique_ptr<Renderer> renderer_ = std::make_unique<Renderer>();
    std::vector<std::int16_t> out_ = std::vector<std::int16_t>(kBlockFrames * 2);
};

TEST_F(HeardPosition, LagsWhatWasRenderedByTheLatencyAndRestartsAtEachRequest)
{
    renderer_->SetOutputLatency(100);
    Request(1, true, 1000);
    EXPECT_EQ(Call().position, 1000u);  // 64 frames rendered, none heard yet
    EXPECT_EQ(Call().position, 1028u);
    EXPECT_EQ(Call().position, 1092u);

    // A seek is heard at once: the output dropped what it held.
    Request(2, true, 5000);
    PlayedState seek = Call();
    EXPECT_EQ(seek.generation, 2u);
    EXPECT_EQ(seek.position, 5000u);
    EXPECT_EQ(Call().position, 5028u);

    // A hold stops exactly where it says, heard or not.
    Request(3, false, 5028);
    PlayedState hold = Call();
    EXPECT_FALSE(hold.playing);
    EXPECT_EQ(hold.position, 5028u);
}

TEST_F(HeardPosition, NeverStepsBackWhenAnOutputWithLongerLatencyTakesOver)
{
    Request(1, true, 0);
    for (int i = 0; i < 10; ++i) Call();
    ASSERT_EQ(renderer_->Played().position, 10 * kCall);
    renderer_->SetOutputLatency(300);  // the card arrives
    std::uint64_t last = 10 * kCall;
    for (int i = 0; i < 20; ++i) {
        const std::uint64_t now = Call().position;
        EXPECT_GE(now, last) << "call " << i;
        EXPECT_LE(now - last, kCall) << "call " << i;
        last = now;
    }
    EXPECT_EQ(last, 30 * kCall - 300);
}

TEST_F(HeardPosition, UnderrunsCountTheRingRunningDryInPlayNotAtTheStart)
{
    renderer_->Requests().Post({1, true, 0});
    Call();  // the reader has not caught up with a fresh request yet
    EXPECT_EQ(renderer_->Underruns(), 0u);
    AudioBlock* block = renderer_->Ring().WriteSlot();
    *block = AudioBlock{};
    block->generation = 1;
    block->frames = kCall;
    renderer_->Ring().Publish();
    Call(2 * kCall);
    EXPECT_EQ(renderer_->Underruns(), 1u);
}

// The drive on its default output, a stand-in server in place of the
// system's that takes half a second to open; the test pulls its stream.
class SlowServer : public testing::Test {
protected:
    void SetUp() override { cdaudio_test::WriteFolderDisc(dir_.Path(), {5 * 44100}); }

    std::unique_ptr<Device> Create()
    {
        Options options;
        options.output = Output::Default;
        options.usePhysicalDrive = false;
        options.initialDisc = dir_.Path();
        std::unique_ptr<Device> device = CreateDevice(options);
        device->SendString("set cdaudio time format milliseconds", nullptr, 0);
        return device;
    }

    static int Position(Device& device)
    {
        char reply[32] = "";
        device.SendString("status cdaudio position", reply, sizeof reply);
        return std::atoi(reply);
    }

    audio_test::StandIns servers_{{{"PulseAudio", false, 44100, 500ms}}};
    cdaudio_test::TempDir dir_;
};

TEST_F(SlowServer, PositionsRunOnWithoutJumpOrRepeatWhenTheServerArrives)
{
    std::unique_ptr<Device> device = Create();
    EXPECT_FALSE(device->OutputState().onSoundCard) << "creating the device waited for the server";
    char reply[32];
    ASSERT_EQ(device->SendString("play cdaudio from 0", reply, sizeof reply), 0u);
    ASSERT_TRUE(audio_test::Eventually([&] { return device->OutputState().onSoundCard; }));
    EXPECT_EQ(device->OutputState().output.backEnd, "PulseAudio");
    const int arrived = Position(*device);
    EXPECT_GT(arrived, 0) << "the clock did not play while the server opened";

    // Half a second of sound in tenths (faster than real time, so no more
    // than the ring holds): the position moves by what was heard, never
    // back, never by more than was pulled.
    std::vector<float> tenth(2 * 4410);
    int last = arrived;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(servers_.Pull("Disc", tenth.data(), 4410));
        const int now = Position(*device);
        ASSERT_GE(now, last) << "the position went back";
        ASSERT_LE(now - last, 110) << "the position jumped";
        last = now;
    }
    // The server holds a tenth of a second before it is heard.
    EXPECT_NEAR(last - arrived, 400, 120);
    EXPECT_EQ(device->OutputState().underruns, 0u);
}

TEST_F(SlowServer, DestroyingTheDeviceWhileTheServerOpensEndsCleanly)
{
    std::unique_ptr<Device> device = Create();
    device.reset();
    EXPECT_EQ(servers_.ServerOf("Disc"), "");
}

TEST_F(SlowServer, ALostServerLeavesTheDiscPlayingOnTheClock)
{
    std::unique_ptr<Device> device = Create();
    char reply[32];
    ASSERT_EQ(device->SendString("play cdaudio from 0", reply, sizeof reply), 0u);
    ASSERT_TRUE(audio_test::Eventually([&] { return device->OutputState().onSoundCard; }));
    servers_.Kill("PulseAudio");
    ASSERT_TRUE(audio_test::Eventually([&] { return !device->OutputState().onSoundCard; }));
    const int lostAt = Position(*device);
    EXPECT_TRUE(audio_test::Eventually([&] { return Position(*device) > lostAt + 100; }))
        << "the position stopped at the loss";
    EXPECT_EQ(device->OutputState().output.losses, 1u);
}

}  // namespace
}  // namespace cdaudio
