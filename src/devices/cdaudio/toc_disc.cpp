// cdrdao TOC files: free-form statements, "//" comments, CD_TEXT blocks.
// Each TRACK is the concatenation of its SILENCE, ZERO, FILE/AUDIOFILE and
// DATAFILE statements, padded to whole sectors; START or PREGAP end its
// pre-gap. Raw audio is big-endian unless SWAP says otherwise; files with a
// header (WAV, AIFF, FLAC) are decoded and their header skipped. Start and
// length read as MM:SS:FF or as samples (bytes in data tracks); a FILE
// without a length runs to the end of that file.
#include <map>
#include <optional>

#include "devices/cdaudio/audio_file.h"
#include "devices/cdaudio/disc_layout.h"
#include "devices/cdaudio/sheet_text.h"

namespace cdaudio {
namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Tokens of the whole file; none when a string never ends.
std::optional<std::vector<Token>> Tokens(const std::string& text)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (text.compare(i, 2, "//") == 0) {
            i = text.find('\n', i);
            if (i == std::string::npos) break;
        } else if (c == '"') {
            Token token{"", true};
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size()) ++i;
                token.text.push_back(text[i]);
            }
            if (i >= text.size()) return std::nullopt;
            ++i;
            tokens.push_back(std::move(token));
        } else if (c == '{' || c == '}' || c == ',') {
            tokens.push_back({std::string(1, c), false});
            ++i;
        } else {
            std::size_t end = text.find_first_of(" \t\r\n\"{},", i);
            if (end == std::string::npos) end = text.size();
            if (text.compare(i, 2, "//") != 0 && text.find("//", i) < end) end = text.find("//", i);
            tokens.push_back({text.substr(i, end - i), false});
            i = end;
        }
    }
    return tokens;
}

struct Mode {
    std::uint32_t blockBytes = 2352;
    bool audio = true;
};

std::optional<Mode> TrackMode(const std::string& word)
{
    static const std::map<std::string, Mode> modes = {
        {"AUDIO", {2352, true}},        {"MODE0", {2336, false}},       {"MODE1", {2048, false}},
        {"MODE1_RAW", {2352, false}},   {"MODE2", {2336, false}},       {"MODE2_FORM1", {2048, false}},
        {"MODE2_FORM2", {2324, false}}, {"MODE2_FORM_MIX", {2336, false}}, {"MODE2_RAW", {2352, false}}};
    auto found = modes.find(word);
    if (found == modes.end()) return std::nullopt;
    return found->second;
}

class TocReader {
public:
    TocReader(const std::string& tocPath, std::string* missingFile) : tocPath_(tocPath), missing_(missingFile) {}

    std::shared_ptr<Disc> Read(std::vector<Token> tokens)
    {
        tokens_ = std::move(tokens);
        while (at_ < tokens_.size()) {
            if (!Statement()) return nullptr;
        }
        EndTrack();
        return layout_.Build();
    }

private:
    const Token* Next() { return at_ < tokens_.size() ? &tokens_[at_++] : nullptr; }
    const Token* Peek() const { return at_ < tokens_.size() ? &tokens_[at_] : nullptr; }
    bool PeekIs(const char* word) const { return Peek() && !Peek()->quoted && Peek()->text == word; }

    bool Statement()
    {
        const Token& token = *Next();
        if (token.quoted) return false;
        const std::string& word = token.text;
        if (word == "CD_DA" || word == "CD_ROM" || word == "CD_ROM_XA" || word == "COPY" || word == "PRE_EMPHASIS" ||
            word == "TWO_CHANNEL_AUDIO" || word == "FOUR_CHANNEL_AUDIO") {
            return true;
        }
        if (word == "NO") return PeekIs("COPY") || PeekIs("PRE_EMPHASIS") ? (Next(), true) : false;
        if (word == "CATALOG") {
            const Token* number = Next();
            if (number) layout_.SetCatalog(number->text);
            return number != nullptr;
        }
        if (word == "ISRC") return Next() != nullptr;
        if (word == "CD_TEXT") return SkipBlock();
        if (word == "TRACK") return Track();
        if (!layout_.HasTrack()) return false;
        if (word == "SILENCE" || word == "ZERO") return Zero(word == "ZERO");
        if (word == "FILE" || word == "AUDIOFILE") return FileStatement();
        if (word == "DATAFILE") return DataFile();
        if (word == "START") return Start();
        if (word == "PREGAP") {
            std::optional<std::uint64_t> length = Length(true);
            if (!length || started_) return false;
            layout_.AddSilence(*length);
            return Mark(layout_.TrackLength());
        }
        if (word == "INDEX") return Next() && ParseMsf(tokens_[at_ - 1].text).has_value();
        return false;
    }

    bool SkipBlock()
    {
        int depth = 0;
        while (const Token* token = Next()) {
            if (!token->quoted && token->text == "{") ++depth;
            if (!token->quoted && token->text == "}" && --depth == 0) return true;
            if (depth == 0) return false;
        }
        return false;
    }

    bool Track()
    {
        const Token* mode = Next();
        std::optional<Mode> known = mode && !mode->quoted ? TrackMode(mode->text) : std::nullopt;
        if (!known || layout_.TrackCount() >= kMaxTracks) return false;
        if (PeekIs("RW") || PeekIs("RW_RAW")) {
            // Sub-channel bytes interleaved with audio are not sound.
            if (known->audio) return false;
            known->blockBytes += 96;
            Next();
        }
        EndTrack();
        mode_ = *known;
        dataBytes_ = 0;
        started_ = false;
        layout_.BeginTrack(mode_.audio);
        return true;
    }

    // A data track's bytes become silence of as many sectors; every track
    // ends on a whole sector.
    void EndTrack()
    {
        if (!layout_.HasTrack()) return;
        FlushData();
        layout_.PadTrackToSector();
    }

    void FlushData()
    {
        layout_.AddSilence((dataBytes_ + mode_.blockBytes - 1) / mode_.blockBytes * kFramesPerSector);
        dataBytes_ = 0;
    }

    // A length or position: MM:SS:FF in sectors, or a plain number of
    // samples (`audio`) or bytes; in frames for audio, bytes for data.
    std::optional<std::uint64_t> Length(bool audio)
    {
        const Token* token = Next();
        if (!token || token->quoted) return std::nullopt;
        if (std::optional<std::uint64_t> sectors = ParseMsf(token->text)) {
            return *sectors * (audio ? kFramesPerSector : mode_.blockBytes);
        }
        return ParseCount(token->text);
    }

    bool PeekLength() const
    {
        return Peek() && !Peek()->quoted && (ParseMsf(Peek()->text) || ParseCount(Peek()->text));
    }

    bool Zero(bool zero)
    {
        if (zero) {
            if (Peek() && TrackMode(Peek()->text)) Next();
            if (PeekIs("RW") || PeekIs("RW_RAW")) Next();
        }
        std::optional<std::uint64_t> length = Length(mode_.audio);
        if (!length) return false;
        if (mode_.audio) layout_.AddSilence(*length);
        else dataBytes_ += *length;
        return true;
    }

    // The file a statement names, resolved beside the TOC; "" (and the name
    // reported) when it is missing.
    std::string NamedFile()
    {
        const Token* name = Next();
        if (!name || !name->quoted) return "";
        name_ = name->text;
        std::string path = FileBesideSheet(tocPath_, name_);
        if (path.empty()) *missing_ = name_;
        return path;
    }

    std::optional<std::uint64_t> ByteOffset()
    {
        if (!Peek() || Peek()->quoted || Peek()->text.empty() || Peek()->text[0] != '#') return std::uint64_t{0};
        return ParseCount(Next()->text.substr(1));
    }

    bool FileStatement()
    {
        std::string path = NamedFile();
        bool swap = PeekIs("SWAP") && Next();
        std::optional<std::uint64_t> offset = ByteOffset();
        swap = (PeekIs("SWAP") && Next()) || swap;
        std::optional<std::uint64_t> start = Length(true);
        std::optional<std::uint64_t> length = PeekLength() ? Length(true) : std::uint64_t{0};
        if (path.empty() || !offset || !start || !length || !mode_.audio) return false;
        bool decoded = HasAudioHeader(path);
        std::uint64_t frames = 0;
        if (decoded) {
            frames = AudioFile::LengthOf(path);
        } else {
            std::uint64_t bytes = FileBytes(path);
            frames = bytes > *offset ? (bytes - *offset) / 4 : 0;
        }
        if (frames == 0) {
            *missing_ = name_;
            return false;
        }
        // Past the end of a cut file there is nothing: such tracks end up
        // empty and are left off the end of the disc.
        std::uint64_t from = std::min(*start, frames);
        std::uint64_t take = *length == 0 ? frames - from : std::min(*length, frames - from);
        SourceKind kind = decoded ? SourceKind::Decoded : swap ? SourceKind::RawLittleEndian : SourceKind::RawBigEndian;
        int source = layout_.AddSource(path, kind);
        layout_.AddAudio(source, decoded ? from : *offset + from * 4, take);
        return true;
    }

    bool DataFile()
    {
        std::string path = NamedFile();
        std::optional<std::uint64_t> offset = ByteOffset();
        std::optional<std::uint64_t> length = PeekLength() ? Length(false) : std::nullopt;
        if (path.empty() || !offset || mode_.audio) return false;
        std::uint64_t bytes = FileBytes(path);
        dataBytes_ += length ? *length : bytes > *offset ? bytes - *offset : 0;
        return true;
    }

    bool Start()
    {
        if (started_) return false;
        if (!PeekLength()) {
            FlushData();
            layout_.PadTrackToSector();
            return Mark(layout_.TrackLength());
        }
        std::optional<std::uint64_t> at = Length(mode_.audio);
        if (!at) return false;
        return Mark(mode_.audio ? *at : *at / mode_.blockBytes * kFramesPerSector);
    }

    bool Mark(std::uint64_t framesIntoTrack)
    {
        layout_.MarkStart(framesIntoTrack);
        started_ = true;
        return true;
    }

    std::string tocPath_;
    std::string* missing_;
    std::vector<Token> tokens_;
    std::string name_;  // as the last file statement wrote it
    std::size_t at_ = 0;
    DiscLayout layout_;
    Mode mode_;
    std::uint64_t dataBytes_ = 0;  // of the current data track, not yet laid out
    bool started_ = false;
};

}  // namespace

std::shared_ptr<Disc> OpenTocFile(const std::string& tocPath, const std::string& text, std::string* missingFile)
{
    if (text.find('\0') != std::string::npos) return nullptr;
    std::optional<std::vector<Token>> tokens = Tokens(text);
    if (!tokens) return nullptr;
    return TocReader(tocPath, missingFile).Read(std::move(*tokens));
}

}  // namespace cdaudio
