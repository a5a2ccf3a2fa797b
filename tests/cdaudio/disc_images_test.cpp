// Disc images as the tools of the trade write them (sox, shntool, flac,
// oggenc, cdrdao's own reading of a TOC) and sheets written by hand for
// each quirk: the frames must be the source's, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include "cdaudio/disc_fixture.h"
#include "portable.h"
#include "devices/cdaudio/audio_file.h"
#include "devices/cdaudio/cdaudio.h"
#include "devices/cdaudio/disc.h"
#include "devices/cdaudio/drive.h"

namespace cdaudio_test {
namespace {

using cdaudio::Disc;
using cdaudio::OpenDisc;
constexpr std::uint64_t kSector = 588;

// sox, shntool, flac, oggenc and cdrdao are Linux programs, which a Windows
// build's tests cannot start: the tests that run them begin with this.
#define SKIP_WITHOUT_TOOLS() SKIP_ON_WINDOWS("the third-party tools run on Linux")

void Shell(const std::string& command)
{
    ASSERT_EQ(std::system(("(" + command + ") >/dev/null 2>&1").c_str()), 0) << command;
}

void Text(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::int16_t> Frames(Disc& disc, std::uint64_t at, std::size_t n)
{
    std::vector<std::int16_t> samples(n * 2);
    disc.Read(at, samples.data(), n);
    return samples;
}

// Tracks of `table` frames each, end to end, whose first `content` frames
// carry Signature and the rest silence; checked around every track start
// and at the end.
void ExpectSignedDisc(Disc& disc, const std::vector<std::uint64_t>& table, std::vector<std::uint64_t> content = {})
{
    if (content.empty()) content = table;
    ASSERT_EQ(disc.Tracks().size(), table.size());
    std::uint64_t start = 0;
    for (std::size_t t = 0; t < table.size(); ++t) {
        EXPECT_EQ(disc.Tracks()[t].start, start) << "track " << t + 1;
        EXPECT_EQ(disc.Tracks()[t].length, table[t]) << "track " << t + 1;
        start += table[t];
    }
    ASSERT_EQ(disc.Length(), start);
    auto expected = [&](std::uint64_t frame) {
        std::size_t t = 0;
        while (frame >= disc.Tracks()[t].start + table[t]) ++t;
        std::uint64_t within = frame - disc.Tracks()[t].start;
        return within < content[t] ? Signature(static_cast<int>(t + 1), within) : std::int16_t{0};
    };
    std::vector<std::uint64_t> windows = {disc.Length() - std::min<std::uint64_t>(disc.Length(), 700)};
    for (const cdaudio::Track& track : disc.Tracks())
        windows.push_back(track.start - std::min<std::uint64_t>(track.start, 700));
    for (std::uint64_t from : windows) {
        std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(1400, disc.Length() - from));
        std::vector<std::int16_t> samples = Frames(disc, from, n);
        for (std::size_t i = 0; i < n; ++i) {
            ASSERT_EQ(samples[i * 2], expected(from + i)) << "frame " << from + i;
            ASSERT_EQ(samples[i * 2 + 1], static_cast<std::int16_t>(-expected(from + i))) << "frame " << from + i;
        }
    }
}

// Reads after jumps give exactly what reading straight through gives.
void ExpectSeeksGiveContinuousFrames(Disc& disc)
{
    std::vector<std::int16_t> whole;
    for (std::uint64_t at = 0; at < disc.Length(); at += 4410) {
        std::vector<std::int16_t> part =
            Frames(disc, at, static_cast<std::size_t>(std::min<std::uint64_t>(4410, disc.Length() - at)));
        whole.insert(whole.end(), part.begin(), part.end());
    }
    for (std::uint64_t at : {disc.Length() / 3, std::uint64_t{1}, disc.Length() * 7 / 9, disc.Length() / 2 + 12345,
                             std::uint64_t{65530}}) {
        if (at + 2000 > disc.Length()) continue;
        std::vector<std::int16_t> part = Frames(disc, at, 2000);
        ASSERT_TRUE(std::equal(part.begin(), part.end(), whole.begin() + static_cast<std::ptrdiff_t>(at * 2)))
            << "after a seek to " << at;
    }
}

void WriteRaw(const std::string& path, const std::vector<std::int16_t>& samples, bool bigEndian)
{
    std::string bytes;
    for (std::int16_t s : samples) {
        auto u = static_cast<std::uint16_t>(s);
        char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    Text(path, bytes);
}

// Track starts (sectors) and the disc's end as cdrdao itself reads a TOC.
std::vector<std::uint64_t> CdrdaoTable(const std::string& toc)
{
    std::string listing = toc + ".txt";
    // cdrdao looks for the files a TOC names from the current folder.
    std::filesystem::path path(toc);
    std::system(("cd '" + path.parent_path().string() + "' && cdrdao show-toc '" + path.filename().string() + "' >'" +
                 listing + "' 2>&1")
                    .c_str());
    std::ifstream in(listing);
    std::string line;
    std::vector<std::uint64_t> table;
    std::regex position(R"(^\s*(START|END\*?)\s+\d+:\d+:\d+\(\s*(\d+)\))");
    std::smatch match;
    std::uint64_t end = 0;
    while (std::getline(in, line)) {
        if (!std::regex_search(line, match, position)) continue;
        if (match[1] == "START")
            table.push_back(std::stoull(match[2]));
        else
            end = std::stoull(match[2]);
    }
    table.push_back(end);
    return table;
}

class DiscImages : public ::testing::Test {
protected:
    // Not whole sectors, so that every reader must get the ends right.
    const std::vector<std::uint64_t> lengths_ = {kSector * 150 + 300, kSector * 75, kSector * 40 + 11};
    const std::vector<std::uint64_t> aligned_ = {kSector * 150, kSector * 75, kSector * 40};
    TempDir dir_;
    std::string File(const std::string& name) const { return dir_.File(name); }
    void SetUp() override { WriteFolderDisc(dir_.Path(), lengths_); }
};

TEST_F(DiscImages, ToolMadeImagesPlayTheSourceBitForBit)
{
    SKIP_WITHOUT_TOOLS();
    // sox writes CD images big-endian, whole sectors; the cue says MOTOROLA.
    TempDir folder;
    WriteFolderDisc(folder.Path(), aligned_);
    Shell("cd " + folder.Path() + " && sox 01.wav 02.wav 03.wav -t cdr '" + File("Album (Track 1).cdr") + "'");
    Text(File("album.cue"),
         "FILE \"Album (Track 1).cdr\" MOTOROLA\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n"
         " TRACK 02 AUDIO\n  INDEX 01 00:02:00\n TRACK 03 AUDIO\n  INDEX 01 00:03:00\n");
    // The same image under a TOC: raw audio is big-endian, positions in samples.
    Text(File("sox.toc"),
         "CD_DA\nTRACK AUDIO\nFILE \"Album (Track 1).cdr\" 0 88200\nTRACK AUDIO\n"
         "AUDIOFILE \"Album (Track 1).cdr\" 88200 00:01:00\nTRACK AUDIO\nFILE \"Album (Track 1).cdr\" 00:03:00\n");
    // shntool joins and writes the cue over the joined WAV.
    Shell("cd " + folder.Path() +
          " && shntool join -q -O always 01.wav 02.wav 03.wav && shntool cue 01.wav 02.wav 03.wav >joined.cue");
    // flac per track, under a sheet whose keywords a ripper wrote in lowercase.
    Shell("cd " + folder.Path() + " && flac -s 01.wav 02.wav 03.wav");
    Text(folder.File("flac.cue"),
         "file \"01.flac\" wave\n  track 01 audio\n    index 01 00:00:00\n"
         "file \"02.flac\" wave\n  track 02 audio\n    index 01 00:00:00\n"
         "file \"03.flac\" wave\n  track 03 audio\n    index 01 00:00:00\n");
    for (const std::string& sheet :
         {File("album.cue"), File("sox.toc"), folder.File("joined.cue"), folder.File("flac.cue")}) {
        SCOPED_TRACE(sheet);
        std::shared_ptr<Disc> disc = OpenDisc(sheet);
        ASSERT_NE(disc, nullptr);
        ExpectSignedDisc(*disc, aligned_);
    }
}

// cdrdao pads each track to whole sectors and lays a PREGAP before the
// track's start; WAV headers are skipped; a FILE without a length runs to
// the end of its own file. The table must be the one cdrdao reads.
TEST_F(DiscImages, TocFilesMeanWhatCdrdaoReadsInThem)
{
    SKIP_WITHOUT_TOOLS();
    WriteRaw(File("big.raw"), WholeDisc(lengths_), true);
    WriteRaw(File("little.raw"), WholeDisc(lengths_), false);
    const std::string perTrack =
        "CD_DA\n// one file per track\nTRACK AUDIO\nFILE \"01.wav\" 0\nTRACK AUDIO\nAUDIOFILE \"02.wav\" 0\n"
        "TRACK AUDIO\nPREGAP 00:00:10\nFILE \"03.wav\" 00:00:00\nINDEX 00:00:20\n";
    Text(File("per_track.toc"), perTrack);
    ASSERT_EQ(CdrdaoTable(File("per_track.toc")), (std::vector<std::uint64_t>{0, 151, 236, 277}));
    std::shared_ptr<Disc> disc = OpenDisc(File("per_track.toc"));
    ASSERT_NE(disc, nullptr);
    ExpectSignedDisc(*disc, {151 * kSector, 85 * kSector, 41 * kSector}, lengths_);

    std::string samples = std::to_string(lengths_[0]);
    std::string rest = std::to_string(lengths_[0] + lengths_[1]);
    for (const std::string& toc :
         {"CD_DA\nTRACK AUDIO\nFILE \"big.raw\" 0 " + samples +
              "\nTRACK AUDIO\nSILENCE 00:00:05\nSTART\nFILE \"big.raw\" " + samples + " " +
              std::to_string(lengths_[1]) + "\nTRACK AUDIO\nFILE \"big.raw\" " + rest + "\n",
          "CD_DA\nTRACK AUDIO\nFILE \"little.raw\" SWAP 0 " + samples +
              "\nTRACK AUDIO\nSILENCE 00:00:05\nSTART 00:00:05\n"
              "FILE \"little.raw\" SWAP " +
              samples + " " + std::to_string(lengths_[1]) + "\nTRACK AUDIO\nFILE \"little.raw\" SWAP " + rest + "\n"}) {
        SCOPED_TRACE(toc);
        Text(File("raw.toc"), toc);
        ASSERT_EQ(CdrdaoTable(File("raw.toc")), (std::vector<std::uint64_t>{0, 156, 231, 272}));
        disc = OpenDisc(File("raw.toc"));
        ASSERT_NE(disc, nullptr);
        // Track 1 holds its own padding and the pre-gap of track 2.
        EXPECT_EQ(disc->Tracks()[0].length, 156 * kSector);
        ExpectSignedDisc(*disc, {156 * kSector, 75 * kSector, 41 * kSector}, lengths_);
    }
}

TEST_F(DiscImages, CueSheetQuirks)
{
    TempDir folder;
    WriteFolderDisc(folder.Path(), aligned_);
    std::vector<std::int16_t> all = WholeDisc(aligned_);
    std::vector<std::int16_t> one(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(aligned_[0] * 2));
    std::vector<std::int16_t> rest(all.begin() + static_cast<std::ptrdiff_t>(aligned_[0] * 2), all.end());
    // One .bin per track, names in another case than the sheet's, the
    // pre-gap of track 2 at the end of the first file, and a WAV among them.
    WriteRaw(folder.File("Track 01.BIN"), one, false);
    WriteRaw(folder.File("track 02.bin"), rest, true);
    Text(folder.File("split.cue"),
         "REM GENRE Rock\nFILE \"track 01.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\n"
         "INDEX 00 00:01:74\nFILE \"Track 02.bin\" MOTOROLA\nINDEX 01 00:00:01\nTrack 03 Audio\n"
         "Index 01 00:01:01\n");
    std::shared_ptr<Disc> disc = OpenDisc(folder.File("split.cue"));
    ASSERT_NE(disc, nullptr);
    ASSERT_EQ(disc->Tracks().size(), 3u);
    EXPECT_EQ(disc->Tracks()[1].start, aligned_[0] + kSector);
    EXPECT_EQ(Frames(*disc, aligned_[0] - kSector, kSector),
              std::vector<std::int16_t>(one.end() - kSector * 2, one.end()));

    // A data track first keeps its number and its length, and is silence;
    // PREGAP is silence laid before a track's start.
    std::vector<char> data(2352 * 100, '\x55');
    std::vector<std::int16_t> image(data.size() / 2, 0x5555);
    image.insert(image.end(), all.begin(), all.end());
    WriteRaw(folder.File("mixed.bin"), image, false);
    Text(folder.File("mixed.cue"),
         "FILE mixed.bin BINARY\n TRACK 01 MODE1/2352\n  INDEX 01 00:00:00\n TRACK 02 AUDIO\n  PREGAP 00:02:00\n"
         "  INDEX 01 00:01:25\n TRACK 03 AUDIO\n  INDEX 01 00:03:25\n TRACK 04 AUDIO\n  INDEX 01 00:04:25\n");
    disc = OpenDisc(folder.File("mixed.cue"));
    ASSERT_NE(disc, nullptr);
    ASSERT_EQ(disc->Tracks().size(), 4u);
    EXPECT_FALSE(disc->Tracks()[0].audio);
    EXPECT_TRUE(disc->Tracks()[1].audio);
    EXPECT_EQ(disc->Tracks()[0].length, (100 + 150) * kSector);
    EXPECT_EQ(Frames(*disc, 0, 2000), std::vector<std::int16_t>(4000, 0));
    EXPECT_EQ(Frames(*disc, disc->Tracks()[2].start, 1000),
              std::vector<std::int16_t>(all.begin() + static_cast<std::ptrdiff_t>(aligned_[0] * 2),
                                        all.begin() + static_cast<std::ptrdiff_t>(aligned_[0] * 2 + 2000)));
}

// Bad input is refused, or played cleanly: never noise, a crash or a leak.
TEST_F(DiscImages, BadInputIsRefusedOrPlayedCleanly)
{
    std::string missing = "x";
    Text(File("gone.cue"),
         "FILE \"01.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE \"Gone 2.wav\" WAVE\nTRACK 02 AUDIO\nINDEX 01 "
         "00:00:00\n");
    EXPECT_EQ(OpenDisc(File("gone.cue"), &missing), nullptr);
    EXPECT_EQ(missing, "Gone 2.wav");
    std::filesystem::create_directory(File("folder.bin"));
    Text(File("empty.bin"), "");
    for (const char* name : {"folder.bin", "empty.bin"}) {
        Text(File("bad.toc"), std::string("CD_DA\nTRACK AUDIO\nFILE \"") + name + "\" 0\n");
        EXPECT_EQ(OpenDisc(File("bad.toc"), &missing), nullptr);
        EXPECT_EQ(missing, name);
    }
    EXPECT_EQ(OpenDisc(File("01.wav"), &missing), nullptr);
    EXPECT_EQ(missing, "");

    // A data track in MODE2 with no length, and a name that is nothing.
    Text(File("data.bin"), std::string(2336 * 10, 'd'));
    Text(File("mode2.toc"), "CD_ROM_XA\nTRACK MODE2\nDATAFILE \"data.bin\"\nTRACK AUDIO\nFILE \"01.wav\" 0\n");
    std::shared_ptr<Disc> disc = OpenDisc(File("mode2.toc"));
    ASSERT_NE(disc, nullptr);
    EXPECT_EQ(disc->Tracks()[0].length, 10 * kSector);
    Text(File("nothing.toc"), "TRACK MODE2 FILE \"\"");
    EXPECT_EQ(OpenDisc(File("nothing.toc")), nullptr);

    // 100 tracks is more than a disc holds.
    std::string sheet = "FILE \"big.bin\" BINARY\n";
    for (int t = 1; t <= 100; ++t)
        sheet += "TRACK " + std::to_string(t) + " AUDIO\nINDEX 01 00:" + std::to_string(t / 75 % 60) + ":" +
                 std::to_string(t % 75) + "\n";
    // A sparse image of 6 GB reads as the silence it holds.
    Text(File("big.bin"), "");
    std::filesystem::resize_file(File("big.bin"), 6ull << 30);
    Text(File("hundred.cue"), sheet);
    EXPECT_EQ(OpenDisc(File("hundred.cue")), nullptr);
    Text(File("big.cue"),
         "FILE big.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 30:00:00\n");
    disc = OpenDisc(File("big.cue"));
    ASSERT_NE(disc, nullptr);
    EXPECT_EQ(disc->Length(), ((6ull << 30) + 2351) / 2352 * kSector);
    EXPECT_EQ(Frames(*disc, disc->Length() - 100, 100), std::vector<std::int16_t>(200, 0));

    // An image cut inside a sector keeps that sector (the rest is silence),
    // and lists no track that starts past its end.
    WriteRaw(File("cut.bin"), WholeDisc({kSector * 125, kSector * 25 + 300}), false);
    Text(File("cut.cue"),
         "FILE cut.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 00:01:50\n"
         "TRACK 03 AUDIO\nINDEX 01 00:02:10\nTRACK 04 AUDIO\nINDEX 01 00:03:00\n");
    disc = OpenDisc(File("cut.cue"));
    ASSERT_NE(disc, nullptr);
    ExpectSignedDisc(*disc, {kSector * 125, kSector * 26}, {kSector * 125, kSector * 25 + 300});
}

TEST_F(DiscImages, FoldersSkipHiddenFilesSortNaturallyAndSeekExactly)
{
    TempDir folder;
    WriteWav(folder.File("10 - last.wav"), SignedTrack(3, 3000), 44100, 2);
    WriteWav(folder.File("2 - second.wav"), SignedTrack(2, 2000), 44100, 2);
    WriteWav(folder.File("1 - first.wav"), SignedTrack(1, 1000), 44100, 2);
    WriteWav(folder.File(".hidden.wav"), SignedTrack(9, 5000), 44100, 2);
    std::shared_ptr<Disc> disc = OpenDisc(folder.Path());
    ASSERT_NE(disc, nullptr);
    ExpectSignedDisc(*disc, {1000, 2000, 3000});
}

// Guards against names compared byte by byte, where every capital comes
// before every small letter: "Cherry" would play before "banana" and
// "Date 10" before "date 2".
TEST_F(DiscImages, FolderNamesThatDifferInCaseSortAsOneCase)
{
    const std::vector<std::string> ordered = {"Apple", "banana", "Cherry", "date 2", "Date 10"};
    TempDir folder;
    for (std::size_t t = ordered.size(); t-- > 0;)
        WriteWav(folder.File(ordered[t] + ".wav"), SignedTrack(static_cast<int>(t + 1), 100 * (t + 1)), 44100, 2);
    std::shared_ptr<Disc> disc = OpenDisc(folder.Path());
    ASSERT_NE(disc, nullptr);
    ExpectSignedDisc(*disc, {100, 200, 300, 400, 500});
}

// Lossy and converted files: a seek gives what straight play gives.
TEST(FolderDiscs, LossyAndConvertedFilesSeekExactly)
{
    SKIP_WITHOUT_TOOLS();
    TempDir lossy;
    Shell("sox -n -r 44100 -c 2 -b 16 " + lossy.File("a.wav") + " synth 3 sine 300-900");
    Shell("oggenc -Q " + lossy.File("a.wav") + " -o " + lossy.File("1.ogg"));
    Shell("sox " + lossy.File("a.wav") + " -r 48000 " + lossy.File("2.flac"));
    std::filesystem::remove(lossy.File("a.wav"));
    std::shared_ptr<Disc> disc = OpenDisc(lossy.Path());
    ASSERT_NE(disc, nullptr);
    ASSERT_EQ(disc->Tracks().size(), 2u);
    ExpectSeeksGiveContinuousFrames(*disc);
}

TEST(Samples, NotANumberIsSilenceAndInfinityFullScale)
{
    EXPECT_EQ(cdaudio::ToSample(std::nanf("")), 0);
    EXPECT_EQ(cdaudio::ToSample(-std::nanf("")), 0);
    EXPECT_EQ(cdaudio::ToSample(INFINITY), 32767);
    EXPECT_EQ(cdaudio::ToSample(-INFINITY), -32768);
    EXPECT_EQ(cdaudio::ToSample(0.5f), 16384);
}

// The drive path through libcdio and paranoia, with a BIN/CUE image
// standing in for the drive: data track kept, audio exact, eject and reload.
// Windows plays a physical drive through the system's own device instead.
#ifndef _WIN32
TEST_F(DiscImages, DrivePathReadsThroughLibcdio)
{
    std::vector<std::int16_t> image(2352 * 300 / 2, 0x1234);
    std::vector<std::int16_t> all = WholeDisc(aligned_);
    image.insert(image.end(), all.begin(), all.end());
    WriteRaw(File("cd.bin"), image, false);
    Text(File("cd.cue"),
         "FILE \"cd.bin\" BINARY\n TRACK 01 MODE1/2352\n  INDEX 01 00:00:00\n TRACK 02 AUDIO\n  INDEX 01 00:04:00\n"
         " TRACK 03 AUDIO\n  INDEX 01 00:06:00\n TRACK 04 AUDIO\n  INDEX 01 00:07:00\n");
    cdaudio::Drive drive(cdaudio::Options{}, File("cd.cue"));
    ASSERT_NE(drive.Current(), nullptr);
    Disc& disc = *drive.Current();
    std::uint64_t length = disc.Length();
    ASSERT_EQ(disc.Tracks().size(), 4u);
    EXPECT_FALSE(disc.Tracks()[0].audio);
    EXPECT_EQ(disc.Tracks()[1].start, 300 * kSector);
    EXPECT_EQ(Frames(disc, 0, 1000), std::vector<std::int16_t>(2000, 0));
    EXPECT_EQ(Frames(disc, 300 * kSector - 10, aligned_[0] + 20), [&] {
        std::vector<std::int16_t> expected(20, 0);
        expected.insert(expected.end(), all.begin(), all.begin() + static_cast<std::ptrdiff_t>(aligned_[0] * 2 + 20));
        return expected;
    }());
    drive.OpenDoor();
    EXPECT_EQ(drive.Current(), nullptr);
    drive.CloseDoor();
    ASSERT_NE(drive.Current(), nullptr);
    EXPECT_EQ(drive.Current()->Length(), length);
}
#endif

}  // namespace
}  // namespace cdaudio_test
