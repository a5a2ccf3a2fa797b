// Cue sheets, read line by line with keywords in any case: FILE entries of
// any type (raw images in either byte order, or audio files with headers),
// TRACK, INDEX, PREGAP and POSTGAP; everything else (titles, REM, FLAGS...)
// says nothing about the sound and is passed over.
#include <map>
#include <optional>
#include <sstream>

#include "devices/cdaudio/audio_file.h"
#include "devices/cdaudio/disc_layout.h"
#include "devices/cdaudio/sheet_text.h"

namespace cdaudio {
namespace {

constexpr std::uint32_t kAudioSectorBytes = 2352;

struct Mode {
    std::uint32_t sectorBytes = kAudioSectorBytes;
    bool audio = true;
};

std::optional<Mode> TrackMode(const std::string& word)
{
    static const std::map<std::string, Mode> modes = {
        {"AUDIO", {2352, true}},       {"MODE1/2048", {2048, false}}, {"MODE1/2352", {2352, false}},
        {"MODE2/2048", {2048, false}}, {"MODE2/2324", {2324, false}}, {"MODE2/2336", {2336, false}},
        {"MODE2/2352", {2352, false}}, {"CDI/2336", {2336, false}},   {"CDI/2352", {2352, false}}};
    auto found = modes.find(Upper(word));
    if (found == modes.end()) return std::nullopt;
    return found->second;
}

// Words of a line; a quoted word may hold blanks.
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
        } else if (line[i] == '"') {
            std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos) close = line.size();
            words.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            std::size_t end = line.find_first_of(" \t", i);
            if (end == std::string::npos) end = line.size();
            words.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return words;
}

// The name of a FILE line: the quoted word, or all between FILE and the
// type, as some programs write names with blanks unquoted.
std::string FileName(const std::string& line, const std::vector<std::string>& words)
{
    std::size_t quote = line.find('"');
    if (quote != std::string::npos) return words[1];
    std::size_t begin = line.find_first_not_of(" \t", line.find_first_of(" \t", line.find_first_not_of(" \t")));
    std::size_t end = line.find_last_of(" \t", line.find_last_not_of(" \t"));
    if (begin == std::string::npos || end == std::string::npos || end <= begin) return "";
    return line.substr(begin, line.find_last_not_of(" \t", end) + 1 - begin);
}

// A file as the sheet runs through it: what has gone into the layout so
// far, in sectors from its start, and the layout of the track now in it.
struct CueFile {
    int source = -1;
    bool raw = false;
    std::uint64_t size = 0;    // raw: bytes; decoded: 44.1 kHz frames
    std::uint64_t sector = 0;  // laid out up to here
    std::uint64_t byte = 0;    // raw: the byte at `sector`
    Mode mode;
};

class CueReader {
public:
    CueReader(const std::string& cuePath, std::string* missingFile) : cuePath_(cuePath), missing_(missingFile) {}

    std::shared_ptr<Disc> Read(const std::string& text)
    {
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::vector<std::string> words = Words(line);
            if (words.empty()) continue;
            if (!Line(line, words)) return nullptr;
        }
        if (!file_ || !started_) return nullptr;
        LayOutTo(UINT64_MAX);
        layout_.AddSilence(postgap_);
        return layout_.Build();
    }

private:
    bool Line(const std::string& line, const std::vector<std::string>& words)
    {
        std::string keyword = Upper(words[0]);
        if (keyword == "FILE") return words.size() >= 3 && OpenFile(FileName(line, words), Upper(words.back()));
        if (keyword == "TRACK") return words.size() >= 3 && Track(words[1], words[2]);
        if (keyword == "INDEX") return words.size() >= 3 && Index(words[1], words[2]);
        if (keyword == "CATALOG" && words.size() >= 2) layout_.SetCatalog(words[1]);
        if (keyword == "PREGAP" || keyword == "POSTGAP") {
            std::optional<std::uint64_t> gap = words.size() >= 2 ? ParseMsf(words[1]) : std::nullopt;
            if (!gap || number_ == 0) return false;
            if (keyword == "PREGAP" && begun_) return false;
            if (keyword == "POSTGAP" && !started_) return false;
            (keyword == "PREGAP" ? pregap_ : postgap_) = *gap * kFramesPerSector;
        }
        return true;
    }

    bool OpenFile(const std::string& name, const std::string& type)
    {
        std::string path = FileBesideSheet(cuePath_, name);
        bool raw = (type == "BINARY" || type == "MOTOROLA") && !path.empty() && !HasAudioHeader(path);
        std::uint64_t size = path.empty() ? 0 : raw ? FileBytes(path) : DecodedLength(path);
        if (size == 0) {
            *missing_ = name;
            return false;
        }
        if (file_) {
            LayOutTo(UINT64_MAX);
            layout_.AddSilence(postgap_);
            postgap_ = 0;
        }
        SourceKind kind = !raw ? SourceKind::Decoded
                          : type == "MOTOROLA" ? SourceKind::RawBigEndian
                                               : SourceKind::RawLittleEndian;
        file_ = CueFile{layout_.AddSource(path, kind), raw, size, 0, 0, mode_};
        return true;
    }

    bool Track(const std::string& numberText, const std::string& modeText)
    {
        std::optional<std::uint64_t> number = ParseCount(numberText);
        std::optional<Mode> mode = TrackMode(modeText);
        // Tracks are numbered on from 1 as the disc has them; a gap in the
        // numbers would shift every later track.
        if (!file_ || !number || !mode || *number != number_ + 1 || *number > kMaxTracks) return false;
        if (number_ > 0 && !started_) return false;
        number_ = *number;
        mode_ = *mode;
        begun_ = started_ = false;
        pregap_ = 0;
        return true;
    }

    bool Index(const std::string& numberText, const std::string& timeText)
    {
        std::optional<std::uint64_t> number = ParseCount(numberText);
        std::optional<std::uint64_t> at = ParseMsf(timeText);
        if (!file_ || number_ == 0 || !number || !at || *number > 99 || *at < file_->sector) return false;
        if (*number == 0 && begun_) return false;
        if (*number > 1) return started_;
        if (!begun_) {
            LayOutTo(*at);
            layout_.AddSilence(postgap_);
            postgap_ = 0;
            layout_.BeginTrack(mode_.audio);
            file_->mode = mode_;
            layout_.AddSilence(pregap_);
            begun_ = true;
        }
        if (*number == 1) {
            if (started_) return false;
            LayOutTo(*at);
            layout_.MarkStart(layout_.TrackLength());
            started_ = true;
        }
        return true;
    }

    // Lays the open file out up to sector `to` (clamped to its end; a last
    // partial sector of a raw image is kept and read as silence past it).
    void LayOutTo(std::uint64_t to)
    {
        CueFile& f = *file_;
        if (to <= f.sector) return;
        std::uint64_t sectors = to - f.sector;
        std::uint64_t frames = 0;
        std::uint64_t offset = 0;
        if (f.raw) {
            std::uint64_t left = f.size > f.byte ? f.size - f.byte : 0;
            sectors = std::min(sectors, (left + f.mode.sectorBytes - 1) / f.mode.sectorBytes);
            frames = sectors * kFramesPerSector;
            offset = f.byte;
            f.byte += sectors * f.mode.sectorBytes;
        } else {
            offset = f.sector * kFramesPerSector;
            std::uint64_t left = f.size > offset ? f.size - offset : 0;
            sectors = std::min(sectors, (left + kFramesPerSector - 1) / kFramesPerSector);
            frames = std::min(left, sectors * kFramesPerSector);
        }
        if (f.mode.audio) layout_.AddAudio(f.source, offset, frames);
        else layout_.AddSilence(frames);
        f.sector = to == UINT64_MAX ? f.sector + sectors : to;
    }

    std::uint64_t DecodedLength(const std::string& path)
    {
        auto known = decodedLengths_.find(path);
        if (known != decodedLengths_.end()) return known->second;
        return decodedLengths_[path] = AudioFile::LengthOf(path);
    }

    std::string cuePath_;
    std::string* missing_;
    DiscLayout layout_;
    std::optional<CueFile> file_;
    std::map<std::string, std::uint64_t> decodedLengths_;
    std::uint64_t number_ = 0;
    Mode mode_;
    bool begun_ = false;    // the track has had its first index
    bool started_ = false;  // ... and its INDEX 01
    std::uint64_t pregap_ = 0;
    std::uint64_t postgap_ = 0;
};

}  // namespace

std::shared_ptr<Disc> OpenCueSheet(const std::string& cuePath, const std::string& text, std::string* missingFile)
{
    // Editors often save a byte order mark.
    std::string sheet = text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text;
    if (sheet.find('\0') != std::string::npos) return nullptr;
    return CueReader(cuePath, missingFile).Read(sheet);
}

}  // namespace cdaudio
