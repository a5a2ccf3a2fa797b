#include <libcue.h>

#include <filesystem>

#include "devices/cdaudio/file_disc.h"

namespace cdaudio {
namespace {

struct CueTrack {
    std::string path;
    long index1 = 0;  // sectors into the file
};

std::string BesideSheet(const std::string& cuePath, const char* name)
{
    std::filesystem::path file(name);
    if (file.is_absolute()) return file.string();
    return (std::filesystem::path(cuePath).parent_path() / file).string();
}

std::vector<CueTrack> AudioTracks(const std::string& cuePath, Cd* cd)
{
    std::vector<CueTrack> tracks;
    int count = cd_get_ntrack(cd);
    for (int i = 1; i <= count; ++i) {
        ::Track* track = cd_get_track(cd, i);
        if (!track || track_get_mode(track) != MODE_AUDIO) continue;
        const char* name = track_get_filename(track);
        long index1 = track_get_index(track, 1);
        if (index1 < 0) index1 = track_get_start(track);
        if (!name || index1 < 0) continue;
        tracks.push_back({BesideSheet(cuePath, name), index1});
    }
    return tracks;
}

}  // namespace

// A track runs from its INDEX 01 to the next track's INDEX 01 in the same
// file, or to the end of its file. Tracks whose audio cannot be read are
// left out.
std::shared_ptr<Disc> OpenCueOverFiles(const std::string& cuePath, const std::string& cueText)
{
    Cd* cd = cue_parse_string(cueText.c_str());
    if (!cd) return nullptr;
    std::vector<CueTrack> tracks = AudioTracks(cuePath, cd);
    cd_delete(cd);

    std::map<std::string, std::uint64_t> fileLengths;
    std::vector<FileStretch> stretches;
    for (std::size_t i = 0; i < tracks.size() && stretches.size() < kMaxTracks; ++i) {
        const CueTrack& t = tracks[i];
        auto known = fileLengths.find(t.path);
        if (known == fileLengths.end()) known = fileLengths.emplace(t.path, AudioFileLength(t.path)).first;
        std::uint64_t begin = static_cast<std::uint64_t>(t.index1) * kFramesPerSector;
        std::uint64_t end = known->second;
        if (i + 1 < tracks.size() && tracks[i + 1].path == t.path) {
            end = std::min(end, static_cast<std::uint64_t>(tracks[i + 1].index1) * kFramesPerSector);
        }
        if (end > begin) stretches.push_back({t.path, begin, end - begin});
    }
    if (stretches.empty()) return nullptr;
    return std::make_shared<FileDisc>(std::move(stretches));
}

}  // namespace cdaudio
