#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "cdaudio/disc_fixture.h"
#include "devices/cdaudio/disc.h"

namespace cdaudio_test {
namespace {

using cdaudio::Disc;
using cdaudio::OpenDisc;

const std::vector<std::uint64_t> kLengths = {588 * 150, 588 * 75, 588 * 40};

std::vector<std::pair<std::uint64_t, std::uint64_t>> Table(const Disc& disc)
{
    std::vector<std::pair<std::uint64_t, std::uint64_t>> table;
    for (const cdaudio::Track& t : disc.Tracks()) table.emplace_back(t.start, t.length);
    return table;
}

// Reads across the boundary of tracks 1 and 2 and checks every frame.
void ExpectSignedFramesAcrossTrackOneEnd(Disc& disc)
{
    constexpr std::uint64_t kFrom = 588 * 150 - 700;
    std::vector<std::int16_t> samples(1400 * 2);
    EXPECT_TRUE(disc.Read(kFrom, samples.data(), 1400));
    for (std::uint64_t i = 0; i < 1400; ++i) {
        std::uint64_t frame = kFrom + i;
        int track = frame < 588 * 150 ? 1 : 2;
        std::uint64_t within = track == 1 ? frame : frame - 588 * 150;
        ASSERT_EQ(samples[i * 2], Signature(track, within)) << "frame " << frame;
        ASSERT_EQ(samples[i * 2 + 1], -Signature(track, within)) << "frame " << frame;
    }
}

class DiscReaders : public ::testing::Test {
protected:
    void SetUp() override { WriteFolderDisc(dir_.Path(), kLengths); }
    TempDir dir_;
    TempDir images_;
};

TEST_F(DiscReaders, FolderGivesOneTrackPerFileEndToEnd)
{
    auto disc = OpenDisc(dir_.Path());
    ASSERT_NE(disc, nullptr);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> expected = {
        {0, 88200}, {88200, 44100}, {132300, 23520}};
    EXPECT_EQ(Table(*disc), expected);
    EXPECT_EQ(disc->Length(), 155820u);
    ExpectSignedFramesAcrossTrackOneEnd(*disc);
}

// The raw image under a cue sheet or a TOC, and the cue sheet over a WAV, must match the folder
// they were made from.
TEST_F(DiscReaders, ImageAndCueSheetReadLikeTheFolder)
{
    auto folder = OpenDisc(dir_.Path());
    const std::string sheets[] = {WriteBinCue(images_.Path(), kLengths), WriteToc(images_.Path(), kLengths),
                                  WriteCueOverWav(images_.Path(), kLengths)};
    for (const std::string& sheet : sheets) {
        SCOPED_TRACE(sheet);
        auto disc = OpenDisc(sheet);
        ASSERT_NE(disc, nullptr);
        EXPECT_EQ(Table(*disc), Table(*folder));
        ExpectSignedFramesAcrossTrackOneEnd(*disc);
    }
}

TEST_F(DiscReaders, CueSheetSavedByAnEditorStillReads)
{
    WriteCueOverWav(images_.Path(), kLengths);
    std::ofstream(images_.File("edited.cue"), std::ios::binary)
        << "\xEF\xBB\xBFREM made by hand\r\nFILE \"whole.wav\" WAVE\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n"
           "  TRACK 02 AUDIO\r\n    INDEX 00 00:01:50\r\n    INDEX 01 00:02:00\r\n";
    auto disc = OpenDisc(images_.File("edited.cue"));
    ASSERT_NE(disc, nullptr);
    ASSERT_EQ(disc->Tracks().size(), 2u);
    EXPECT_EQ(disc->Tracks()[0].length, 88200u);
    EXPECT_EQ(disc->Tracks()[1].length, 155820u - 88200u);
}

TEST_F(DiscReaders, FolderSkipsOtherFilesAndSortsByName)
{
    TempDir mixed;
    WriteWav(mixed.File("b.wav"), SignedTrack(2, 1000), 44100, 2);
    WriteWav(mixed.File("a.wav"), SignedTrack(1, 2000), 44100, 2);
    std::ofstream(mixed.File("notes.txt")) << "not audio";
    std::ofstream(mixed.File("c.wav")) << "RIFF garbage";
    auto disc = OpenDisc(mixed.Path());
    ASSERT_NE(disc, nullptr);
    ASSERT_EQ(disc->Tracks().size(), 2u);
    EXPECT_EQ(disc->Tracks()[0].length, 2000u);
    EXPECT_EQ(disc->Tracks()[1].length, 1000u);
}

TEST_F(DiscReaders, OtherRatesAndMonoBecome44kStereo)
{
    TempDir odd;
    WriteWav(odd.File("mono.wav"), std::vector<std::int16_t>(22050, 8000), 22050, 1);
    auto disc = OpenDisc(odd.Path());
    ASSERT_NE(disc, nullptr);
    EXPECT_EQ(disc->Length(), 44100u);
    std::vector<std::int16_t> samples(1000 * 2);
    disc->Read(20000, samples.data(), 1000);
    for (std::size_t i = 0; i < samples.size(); ++i) ASSERT_NEAR(samples[i], 8000, 40) << i;
    // A jump back reads the same again.
    std::vector<std::int16_t> again(1000 * 2);
    disc->Read(20000, again.data(), 1000);
    EXPECT_EQ(samples, again);
}

TEST_F(DiscReaders, GarbageIsNoDisc)
{
    TempDir junk;
    std::string bytes;
    for (int i = 0; i < 5000; ++i) bytes.push_back(static_cast<char>((i * 73 + 11) % 256));
    for (const char* name : {"x.cue", "x.toc"}) std::ofstream(junk.File(name), std::ios::binary) << bytes;
    std::ofstream(junk.File("half.cue")) << "FILE \"gone.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    std::ofstream(junk.File("badtime.cue")) << "FILE \"a.wav\" WAVE\n TRACK 01 AUDIO\n INDEX 01 0x:00:00\n";
    std::ofstream(junk.File("huge.cue")) << std::string(2 << 20, 'A');
    std::ofstream(junk.File("empty.cue"));
    EXPECT_EQ(OpenDisc(junk.File("x.cue")), nullptr);
    EXPECT_EQ(OpenDisc(junk.File("x.toc")), nullptr);
    EXPECT_EQ(OpenDisc(junk.File("half.cue")), nullptr);
    EXPECT_EQ(OpenDisc(junk.File("huge.cue")), nullptr);
    EXPECT_EQ(OpenDisc(junk.File("badtime.cue")), nullptr);
    EXPECT_EQ(OpenDisc(junk.File("empty.cue")), nullptr);
    EXPECT_EQ(OpenDisc(junk.File("missing.cue")), nullptr);
    EXPECT_EQ(OpenDisc(junk.File("x.wav")), nullptr);
    TempDir empty;
    EXPECT_EQ(OpenDisc(empty.Path()), nullptr);
}

TEST(DemoDisc, HoldsThreeAudibleTracksOfHalfAMinuteOrSo)
{
    auto disc = OpenDisc(TORNEL_DEMO_DISC);
    ASSERT_NE(disc, nullptr);
    ASSERT_EQ(disc->Tracks().size(), 3u);
    for (const cdaudio::Track& track : disc->Tracks()) {
        EXPECT_GE(track.length, 20u * 44100);
        EXPECT_LE(track.length, 40u * 44100);
        std::vector<std::int16_t> second(44100 * 2);
        EXPECT_TRUE(disc->Read(track.start + track.length / 2, second.data(), 44100));
        int peak = 0;
        for (std::int16_t s : second) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000);
    }
}

}  // namespace
}  // namespace cdaudio_test
