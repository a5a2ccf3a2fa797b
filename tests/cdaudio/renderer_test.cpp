#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "devices/cdaudio/renderer.h"

namespace cdaudio {
namespace {

// Puts one block of constant frames into the ring.
void Feed(Renderer& renderer, std::uint32_t generation, std::uint64_t start, std::uint32_t frames,
          std::int16_t left, std::int16_t right)
{
    AudioBlock* block = renderer.Ring().WriteSlot();
    ASSERT_NE(block, nullptr);
    block->generation = generation;
    block->endOfDisc = false;
    block->start = start;
    block->frames = frames;
    for (std::uint32_t i = 0; i < frames; ++i) {
        block->samples[2 * i] = left;
        block->samples[2 * i + 1] = right;
    }
    renderer.Ring().Publish();
}

TEST(Renderer, CdLevelScalesEachChannel)
{
    auto renderer = std::make_unique<Renderer>();
    renderer->Requests().Post({1, true, 0});
    Feed(*renderer, 1, 0, 64, 20000, -20000);
    std::vector<std::int16_t> out(16 * 2);

    renderer->Render(out.data(), 16);
    EXPECT_EQ(out[0], 20000);  // full level at start
    EXPECT_EQ(out[1], -20000);

    renderer->SetLevel(0x8000u << 16 | 0xFFFFu);  // left full, right half
    renderer->Render(out.data(), 16);
    EXPECT_EQ(out[0], 20000);
    EXPECT_EQ(out[1], -10000);

    renderer->SetLevel(0xFFFFu << 16);  // left silent
    renderer->Render(out.data(), 16);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], -20000);
}

TEST(Renderer, DropsFramesReadForEarlierRequests)
{
    auto renderer = std::make_unique<Renderer>();
    renderer->Requests().Post({1, true, 0});
    Feed(*renderer, 1, 0, 32, 1, 1);
    renderer->Requests().Post({2, true, 5000});
    Feed(*renderer, 2, 5000, 32, 2, 2);
    std::vector<std::int16_t> out(8 * 2);
    renderer->Render(out.data(), 8);
    EXPECT_EQ(out[0], 2);
    PlayedState played = renderer->Played();
    EXPECT_EQ(played.generation, 2u);
    EXPECT_TRUE(played.playing);
    EXPECT_EQ(played.position, 5008u);
}

TEST(Renderer, UnderrunIsSilenceAndThePositionWaits)
{
    auto renderer = std::make_unique<Renderer>();
    renderer->Requests().Post({1, true, 100});
    Feed(*renderer, 1, 100, 4, 7, 7);
    std::vector<std::int16_t> out(8 * 2, 99);
    renderer->Render(out.data(), 8);
    EXPECT_EQ(out[6], 7);
    EXPECT_EQ(out[8], 0);
    EXPECT_EQ(renderer->Played().position, 104u);
    EXPECT_EQ(renderer->FramesOut(), 8u);
}

TEST(Renderer, HoldStopsWhereTheRequestSays)
{
    auto renderer = std::make_unique<Renderer>();
    renderer->Requests().Post({1, true, 0});
    Feed(*renderer, 1, 0, 64, 5, 5);
    std::vector<std::int16_t> out(16 * 2);
    renderer->Render(out.data(), 16);
    renderer->Requests().Post({2, false, 16});
    renderer->Render(out.data(), 16);
    EXPECT_EQ(out[0], 0);
    EXPECT_FALSE(renderer->Played().playing);
    EXPECT_EQ(renderer->Played().position, 16u);
}

TEST(Renderer, GenerationsCompareAcrossTheWrap)
{
    EXPECT_EQ(CompareGenerations(5, 5), 0);
    EXPECT_EQ(CompareGenerations(6, 5), 1);
    EXPECT_EQ(CompareGenerations(5, 6), -1);
    EXPECT_EQ(CompareGenerations(0, kGenerationMask), 1);
    EXPECT_EQ(CompareGenerations(kGenerationMask, 0), -1);
    PlayerRequest last = Unpack(Pack(kGenerationMask, true, kPositionMask));
    EXPECT_EQ(last.generation, kGenerationMask);
    EXPECT_TRUE(last.play);
    EXPECT_EQ(last.at, kPositionMask);
}

TEST(Renderer, BurstOfRequestsKeepsTheLatest)
{
    auto renderer = std::make_unique<Renderer>();
    for (std::uint32_t g = 1; g <= 1000; ++g) renderer->Requests().Post({g, g % 2 == 0, g * 10});
    std::vector<std::int16_t> out(4 * 2);
    renderer->Render(out.data(), 4);
    EXPECT_EQ(renderer->Played().generation, 1000u);
    EXPECT_EQ(renderer->Played().position, 10000u);
}

}  // namespace
}  // namespace cdaudio
