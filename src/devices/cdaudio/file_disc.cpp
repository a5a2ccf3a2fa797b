#include "devices/cdaudio/file_disc.h"

#include <algorithm>

namespace cdaudio {
namespace {
std::vector<std::uint64_t> Lengths(const std::vector<FileStretch>& stretches)
{
    std::vector<std::uint64_t> lengths;
    for (const FileStretch& s : stretches) lengths.push_back(s.length);
    return lengths;
}
}  // namespace

FileDisc::FileDisc(std::vector<FileStretch> stretches)
    : Disc(TracksFromLengths(Lengths(stretches))), stretches_(std::move(stretches))
{
}

std::uint64_t AudioFileLength(const std::string& path)
{
    std::unique_ptr<AudioFile> file = AudioFile::Open(path);
    return file ? file->Length() : 0;
}

AudioFile* FileDisc::FileFor(const std::string& path)
{
    auto found = files_.find(path);
    if (found == files_.end()) found = files_.emplace(path, AudioFile::Open(path)).first;
    return found->second.get();
}

bool FileDisc::Read(std::uint64_t at, std::int16_t* out, std::size_t frames)
{
    bool ok = true;
    while (frames > 0) {
        auto track = std::upper_bound(tracks_.begin(), tracks_.end(), at,
                                      [](std::uint64_t frame, const Track& t) { return frame < t.start; });
        if (track == tracks_.begin() || at >= Length()) {
            std::fill(out, out + frames * 2, std::int16_t{0});
            return false;
        }
        --track;
        const FileStretch& stretch = stretches_[static_cast<std::size_t>(track - tracks_.begin())];
        std::uint64_t within = at - track->start;
        std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(frames, track->length - within));
        AudioFile* file = FileFor(stretch.path);
        if (file) {
            ok = file->Read(stretch.offset + within, out, n) && ok;
        } else {
            std::fill(out, out + n * 2, std::int16_t{0});
            ok = false;
        }
        at += n;
        out += n * 2;
        frames -= n;
    }
    return ok;
}

}  // namespace cdaudio
