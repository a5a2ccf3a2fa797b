// The disc's output: positions are what has been heard through an output
// that holds frames, every request is heard at once, the sound card arrives
// after the device started on the null output, and the ring running dry in
// the middle of play is counted.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "cdaudio/device_fixture.h"
#include "devices/cdaudio/output.h"
#include "devices/cdaudio/renderer.h"

namespace cdaudio {
namespace {

using Clock = std::chrono::steady_clock;
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

// The drive on its default output, the sound card replaced by a stand-in
// that takes a second to open.
class SlowCard : public testing::Test {
protected:
    void SetUp() override
    {
        SetDeviceStandIn(1000ms);
        cdaudio_test::WriteFolderDisc(dir_.Path(), {5 * 44100});
    }
    void TearDown() override { SetDeviceStandIn(-1ms); }

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

    cdaudio_test::TempDir dir_;
};

TEST_F(SlowCard, PositionsRunOnWithoutJumpOrRepeatWhenTheCardArrives)
{
    std::unique_ptr<Device> device = Create();
    EXPECT_FALSE(device->OutputState().onSoundCard) << "creating the device waited for the card";
    char reply[32];
    ASSERT_EQ(device->SendString("play cdaudio from 0", reply, sizeof reply), 0u);
    int last = Position(*device);
    bool onCard = false;
    auto until = Clock::now() + 20s;  // then 300 ms after the card arrived
    while (Clock::now() < until) {
        std::this_thread::sleep_for(5ms);
        const int now = Position(*device);
        ASSERT_GE(now, last) << "the position went back";
        ASSERT_LE(now - last, 1000) << "the position jumped";  // slack for a starved clock
        last = now;
        if (!onCard && device->OutputState().onSoundCard) {
            onCard = true;
            until = Clock::now() + 300ms;
        }
    }
    EXPECT_TRUE(onCard) << "the card never arrived";
    EXPECT_GT(last, 1000);
}

TEST_F(SlowCard, DestroyingTheDeviceWhileTheCardOpensEndsCleanly)
{
    std::unique_ptr<Device> device = Create();
    device.reset();
    std::this_thread::sleep_for(1200ms);  // when the opener would have acted
}

}  // namespace
}  // namespace cdaudio
