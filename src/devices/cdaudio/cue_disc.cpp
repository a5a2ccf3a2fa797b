#include <libcue.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "devices/cdaudio/file_disc.h"

namespace cdaudio {
namespace {

constexpr std::array<std::string_view, 22> kKeywords = {
    "ARRANGER", "CATALOG", "CDTEXTFILE", "COMPOSER", "DISC_ID", "FILE", "FLAGS", "GENRE",
    "INDEX", "ISRC", "MESSAGE", "PERFORMER", "POSTGAP", "PREGAP", "REM", "SIZE_INFO",
    "SONGWRITER", "TITLE", "TOC_INFO1", "TOC_INFO2", "TRACK", "UPC_EAN"};

bool IsTime(const std::string& word)
{
    int fields = 0;
    std::istringstream parts(word);
    std::string part;
    while (std::getline(parts, part, ':')) {
        if (part.empty() || part.size() > 6 || !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
        ++fields;
    }
    return fields == 3;
}

// libcue keeps what it parsed when it meets a syntax error, and it never
// frees it; so text that is plainly no cue sheet never reaches it. Each line
// must open with a cue keyword, times must read mm:ss:ff, and the sheet must
// name a file and a track.
bool LooksLikeCueSheet(const std::string& text)
{
    bool file = false;
    bool track = false;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        for (char c : line) {
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r') return false;
        }
        std::istringstream words(line);
        std::string keyword, number, time;
        if (!(words >> keyword)) continue;
        for (char& c : keyword) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (std::find(kKeywords.begin(), kKeywords.end(), keyword) == kKeywords.end()) return false;
        file = file || keyword == "FILE";
        track = track || keyword == "TRACK";
        if (keyword == "INDEX" && !(words >> number >> time && IsTime(time))) return false;
        if ((keyword == "PREGAP" || keyword == "POSTGAP") && !(words >> time && IsTime(time))) return false;
    }
    return file && track;
}

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
    // Editors often save a byte order mark, which libcue does not expect.
    std::string text = cueText.rfind("\xEF\xBB\xBF", 0) == 0 ? cueText.substr(3) : cueText;
    if (!LooksLikeCueSheet(text)) return nullptr;
    Cd* cd = cue_parse_string(text.c_str());
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
