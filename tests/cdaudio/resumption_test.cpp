// Playing from a position the device has just reported, in either time
// format, as the deck does to resume: the sound goes on from the reported
// frame, in the same track, at most one step later, bit for bit as the
// source has it.
#include <vector>

#include "cdaudio/device_fixture.h"

namespace cdaudio_test {
namespace {

// Track 2 starts at frame 88200 + 588, 2013.33 ms: not on a millisecond.
const std::vector<std::uint64_t> kLengths = {88200 + 588, 44100, 23520};

struct Heard {
    int track;
    std::uint64_t within;  // frame within the track, known modulo 997
};

class ResumptionTest : public DeviceTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        std::string disc = GetParam() ? WriteBinCue(dir_.Path(), kLengths) : dir_.Path();
        if (!GetParam()) WriteFolderDisc(dir_.Path(), kLengths);
        device_ = Create(disc);
    }

    std::uint64_t TrackStart(int track) const
    {
        std::uint64_t start = 0;
        for (int t = 1; t < track; ++t) start += kLengths[static_cast<std::size_t>(t - 1)];
        return start;
    }

    // Stops at `track`:`within`, reads the position in `format`, plays from
    // it, and checks what is heard against the source.
    void ResumeAt(int track, std::uint64_t within, const char* format, std::uint64_t step)
    {
        SCOPED_TRACE(std::string(format) + " track " + std::to_string(track) + " +" + std::to_string(within));
        Ok("set cdaudio time format tmsf");
        Ok("play cdaudio from " + std::to_string(track));
        Advance(static_cast<std::uint32_t>(within));
        Ok("stop cdaudio");
        Ok(std::string("set cdaudio time format ") + format);
        std::string position = Ok("status cdaudio position");
        Ok("play cdaudio from " + position);

        constexpr std::uint32_t kFrames = 3000;
        std::vector<std::int16_t> heard(kFrames * 2);
        device_->AdvanceVirtualOutput(kFrames, heard.data());
        int heardTrack = heard[0] / 1000;
        ASSERT_EQ(heardTrack, track) << "played from " << position;
        std::uint64_t late = (heard[0] % 1000 + 997 - within % 997) % 997;
        EXPECT_LE(late, step) << "played from " << position;

        // Bit for bit from there on, across the next track start too.
        std::uint64_t frame = TrackStart(track) + within + late;
        for (std::uint32_t i = 0; i < kFrames && frame < TrackStart(4); ++i, ++frame) {
            int t = frame >= TrackStart(3) ? 3 : frame >= TrackStart(2) ? 2 : 1;
            std::int16_t expected = Signature(t, frame - TrackStart(t));
            ASSERT_EQ(heard[i * 2], expected) << "frame " << i;
            ASSERT_EQ(heard[i * 2 + 1], -expected) << "frame " << i;
        }
    }
};

TEST_P(ResumptionTest, ResumesFromReportedPositionsInBothFormats)
{
    for (int track = 1; track <= 3; ++track) {
        for (std::uint64_t within : {0, 1, 43, 44, 45, 587, 588, 1000}) {
            ResumeAt(track, within, "milliseconds", 44);
            ResumeAt(track, within, "tmsf", 587);
        }
    }
    // The last frames before a track start stay in their track.
    ResumeAt(1, kLengths[0] - 3000, "milliseconds", 44);
    ResumeAt(1, kLengths[0] - 3000, "tmsf", 587);
}

TEST_P(ResumptionTest, ReportedTrackStartsPlayTheirTrack)
{
    struct Format {
        const char* name;
        std::uint64_t step;  // frames one unit of the format spans, less one
    } formats[] = {{"milliseconds", 44}, {"tmsf", 0}, {"msf", 587}};
    for (int track = 1; track <= 3; ++track) {
        for (const Format& format : formats) {
            SCOPED_TRACE(std::string(format.name) + " track " + std::to_string(track));
            Ok("set cdaudio time format tmsf");
            Ok("seek cdaudio to " + std::to_string(track));
            Ok(std::string("set cdaudio time format ") + format.name);
            std::string position = Ok("status cdaudio position");
            EXPECT_EQ(Ok("status cdaudio position track " + std::to_string(track)), position);
            Ok("play cdaudio from " + position);
            std::vector<std::int16_t> heard(2);
            device_->AdvanceVirtualOutput(1, heard.data());
            EXPECT_EQ(heard[0] / 1000, track) << "played from " << position;
            EXPECT_LE(heard[0] % 1000, static_cast<int>(format.step)) << "played from " << position;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FolderAndImage, ResumptionTest, ::testing::Bool());

}  // namespace
}  // namespace cdaudio_test
