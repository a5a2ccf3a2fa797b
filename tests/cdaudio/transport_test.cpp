// Data tracks: never heard, never played or sought to, skipped by a play
// that runs across them. A disc made up here: data, audio, data, audio, data.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "cdaudio/disc_fixture.h"
#include "cdaudio/device_fixture.h"
#include "devices/cdaudio/transport.h"

namespace cdaudio_test {
namespace {

using cdaudio::Track;

constexpr std::int16_t kDataSample = 0x7777;  // what reading a data track as sound would give

class MixedDisc : public cdaudio::Disc {
public:
    MixedDisc() : Disc(Layout()) {}

    bool Read(std::uint64_t at, std::int16_t* out, std::size_t frames) override
    {
        for (std::size_t i = 0; i < frames; ++i, ++at) {
            std::size_t t = 0;
            while (t + 1 < tracks_.size() && tracks_[t + 1].start <= at) ++t;
            std::int16_t sample = tracks_[t].audio ? Signature(static_cast<int>(t + 1), at - tracks_[t].start) : kDataSample;
            out[i * 2] = sample;
            out[i * 2 + 1] = sample;
        }
        return true;
    }

private:
    static std::vector<Track> Layout()
    {
        std::vector<Track> tracks = cdaudio::TracksFromLengths({5880, 11760, 5880, 11760, 5880});
        for (std::size_t t : {0u, 2u, 4u}) tracks[t].audio = false;
        return tracks;
    }
};

class TransportTest : public ::testing::Test {
protected:
    TransportTest() : disc_(std::make_shared<MixedDisc>()) { transport_.SetDisc(disc_); }

    // Renders `frames`, following the play over data tracks as the platform does.
    std::vector<std::int16_t> Hear(std::uint32_t frames)
    {
        std::vector<std::int16_t> heard;
        std::vector<std::int16_t> block(588 * 2);
        for (std::uint32_t done = 0; done < frames; done += 588) {
            transport_.Sound().AdvanceVirtualOutput(588, block.data());
            heard.insert(heard.end(), block.begin(), block.end());
            transport_.Follow();
        }
        return heard;
    }

    std::shared_ptr<MixedDisc> disc_;
    cdaudio::Transport transport_{cdaudio::Output::Virtual};
};

TEST_F(TransportTest, RestsAtTheFirstAudioTrackAndRefusesDataTracks)
{
    EXPECT_EQ(transport_.FirstAudioFrame(), 5880u);
    EXPECT_EQ(transport_.Position(), 5880u);
    EXPECT_TRUE(transport_.InDataTrack(0));
    EXPECT_TRUE(transport_.InDataTrack(17640 + 5879));  // the last frame of track 3
    EXPECT_FALSE(transport_.InDataTrack(17640 + 5880));
    EXPECT_FALSE(transport_.InDataTrack(disc_->Length()));  // the end is no track

    ASSERT_TRUE(transport_.Play(6000, disc_->Length()));
    Hear(588);
    EXPECT_FALSE(transport_.Play(100, disc_->Length()));
    EXPECT_FALSE(transport_.Play(20000, disc_->Length()));
    EXPECT_TRUE(transport_.Playing());
    EXPECT_EQ(transport_.Position(), 6588u);
}

TEST_F(TransportTest, PlayAcrossDataTracksSkipsThemAndEndsAtTheEnd)
{
    transport_.BeginCommand(true);
    ASSERT_TRUE(transport_.Play(5880 + 11760 - 1000, disc_->Length()));
    transport_.NotifyWhenDone(reinterpret_cast<win::HWND>(1), 7);
    std::vector<std::int16_t> heard = Hear(30000);

    EXPECT_EQ(std::count(heard.begin(), heard.end(), kDataSample), 0);
    // Track 2's last 1000 frames, then track 4 whole, each bit for bit.
    std::vector<std::int16_t> sound;
    for (std::size_t i = 0; i < heard.size(); i += 2) {
        if (heard[i] != 0) sound.push_back(heard[i]);
    }
    ASSERT_EQ(sound.size(), 1000u + 11760u);
    for (std::size_t i = 0; i < 1000; ++i) ASSERT_EQ(sound[i], Signature(2, 10760 + i)) << i;
    for (std::size_t i = 0; i < 11760; ++i) ASSERT_EQ(sound[1000 + i], Signature(4, i)) << i;

    EXPECT_FALSE(transport_.Playing());
    EXPECT_EQ(transport_.Position(), disc_->Length());
    std::vector<cdaudio::Transport::Notice> notices = transport_.TakeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].code, win::MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(notices[0].deviceId, 7);
}

TEST_F(TransportTest, PlayEndingInADataTrackStopsAtItsEnd)
{
    ASSERT_TRUE(transport_.Play(5880, 17640 + 100));
    std::vector<std::int16_t> heard = Hear(20000);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), kDataSample), 0);
    EXPECT_FALSE(transport_.Playing());
    EXPECT_EQ(transport_.Position(), 17640u + 100u);
}

}  // namespace
}  // namespace cdaudio_test
