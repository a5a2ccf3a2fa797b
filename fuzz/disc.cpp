// The disc readers over one input file: built three times, the input taking
// the place of a cue sheet, a cdrdao TOC file or one audio file of a folder
// disc (FUZZ_DISC_FILE, in the scratch folder; FUZZ_DISC_OPEN is what the
// drive is given). Beside it lie a WAV file and a raw image that sheets may
// name ("a.wav", "a.bin"). A disc that opens must hold a sane track list,
// and reading it anywhere, even past its end, must stay inside the buffer.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "devices/cdaudio/disc.h"
#include "scratch.h"

namespace {

constexpr std::size_t kReadFrames = 700;  // more than one sector

void WriteCompanions()
{
    const std::string& dir = fuzz::ScratchDir();
    std::filesystem::create_directory(dir + "/folder");
    fuzz::WriteToneWav(dir + "/folder/01.wav", 4410, 44100, 2);
    fuzz::WriteToneWav(dir + "/a.wav", 88200, 44100, 2);
    fuzz::WriteToneWav(dir + "/m.wav", 11025, 22050, 1);
    std::vector<std::uint8_t> image(30 * 2352);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7);
    fuzz::WriteScratch("a.bin", image.data(), image.size());
}

void Read(cdaudio::Disc& disc, std::uint64_t at)
{
    std::unique_ptr<std::int16_t[]> out(new std::int16_t[kReadFrames * 2]);
    disc.Read(at, out.get(), kReadFrames);
}

void Check(cdaudio::Disc& disc)
{
    const std::vector<cdaudio::Track>& tracks = disc.Tracks();
    if (tracks.empty() || tracks.size() > cdaudio::kMaxTracks) std::abort();
    std::uint64_t start = 0;
    for (const cdaudio::Track& track : tracks) {
        if (track.start != start || track.length == 0 || track.length > cdaudio::kMaxTrackFrames) std::abort();
        start += track.length;
    }
    if (disc.Length() != start) std::abort();
    for (const cdaudio::Track& track : tracks) {
        Read(disc, track.start);
        Read(disc, track.start + track.length - 1);
    }
    Read(disc, disc.Length());
    Read(disc, disc.Length() / 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = (WriteCompanions(), true);
    (void)ready;
    fuzz::WriteScratch(FUZZ_DISC_FILE, data, size);
    std::shared_ptr<cdaudio::Disc> disc = cdaudio::OpenDisc(fuzz::ScratchDir() + "/" + FUZZ_DISC_OPEN);
    if (disc) Check(*disc);
    return 0;
}
