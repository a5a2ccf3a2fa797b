#include "devices/cdaudio/command_parser.h"

#include <cctype>

namespace cdaudio {
namespace {

using namespace win;

// No valid command has more words than this, flags included.
constexpr int kMaxWords = 12;
// Larger numbers are rejected rather than risking overflow later.
constexpr std::int64_t kMaxNumber = 1'000'000'000'000;

struct Words {
    std::string_view word[kMaxWords];
    int count = 0;
    bool tooMany = false;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool Is(std::string_view word, std::string_view keyword)
{
    if (word.size() != keyword.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) != keyword[i]) return false;
    }
    return true;
}

// Splits on blanks and drops the flags "notify" and "wait", which change
// nothing here: there is no callback window and every command is synchronous.
Words Split(std::string_view text)
{
    Words words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        std::size_t begin = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i == begin) break;
        std::string_view word = text.substr(begin, i - begin);
        if (words.count >= 2 && (Is(word, "notify") || Is(word, "wait"))) continue;
        if (words.count == kMaxWords) {
            words.tooMany = true;
            break;
        }
        words.word[words.count++] = word;
    }
    return words;
}

// Digits only, capped; false when the text is not a plain unsigned number.
bool ParseDigits(std::string_view text, std::int64_t& value, bool& tooLarge)
{
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        if (value <= kMaxNumber) value = value * 10 + (c - '0');
    }
    tooLarge = value > kMaxNumber;
    return true;
}

// "N", "-N", "+N" or up to four colon-separated unsigned fields.
MCIERROR ParsePosition(std::string_view text, PositionText& position)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
        if (text.find(':') != std::string_view::npos) return MCIERR_UNRECOGNIZED_COMMAND;
    }
    position.fieldCount = 0;
    bool tooLarge = false;
    while (true) {
        std::size_t colon = text.find(':');
        if (position.fieldCount == 4) return MCIERR_UNRECOGNIZED_COMMAND;
        bool large = false;
        if (!ParseDigits(text.substr(0, colon), position.fields[position.fieldCount], large)) {
            return MCIERR_UNRECOGNIZED_COMMAND;
        }
        tooLarge = tooLarge || large;
        ++position.fieldCount;
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
    }
    if (tooLarge) return MCIERR_OUTOFRANGE;
    if (negative) position.fields[0] = -position.fields[0];
    return 0;
}

MCIERROR Expect(const Words& words, int count)
{
    if (words.count < count) return MCIERR_MISSING_PARAMETER;
    if (words.count > count) return MCIERR_UNRECOGNIZED_COMMAND;
    return 0;
}

void ParseStatus(const Words& w, Command& c)
{
    if (w.count < 3) {
        c.error = MCIERR_MISSING_PARAMETER;
        return;
    }
    std::string_view item = w.word[2];
    if (Is(item, "number")) {
        c.query = Query::NumberOfTracks;
        c.error = Expect(w, 5);
        if (!c.error && !(Is(w.word[3], "of") && Is(w.word[4], "tracks"))) c.error = MCIERR_UNRECOGNIZED_COMMAND;
    } else if (Is(item, "length") && w.count == 3) {
        c.query = Query::Length;
    } else if (Is(item, "length")) {
        c.query = Query::TrackLength;
        c.error = Expect(w, 5);
        if (c.error) return;
        if (!Is(w.word[3], "track")) {
            c.error = MCIERR_UNRECOGNIZED_COMMAND;
            return;
        }
        PositionText number;
        c.error = ParsePosition(w.word[4], number);
        if (!c.error && number.fieldCount != 1) c.error = MCIERR_UNRECOGNIZED_COMMAND;
        c.track = number.fields[0];
    } else if (Is(item, "position")) {
        c.query = Query::Position;
        c.error = Expect(w, 3);
    } else if (Is(item, "current")) {
        c.query = Query::CurrentTrack;
        c.error = Expect(w, 4);
        if (!c.error && !Is(w.word[3], "track")) c.error = MCIERR_UNRECOGNIZED_COMMAND;
    } else if (Is(item, "media")) {
        c.query = Query::MediaPresent;
        c.error = Expect(w, 4);
        if (!c.error && !Is(w.word[3], "present")) c.error = MCIERR_UNRECOGNIZED_COMMAND;
    } else if (Is(item, "mode")) {
        c.query = Query::Mode;
        c.error = Expect(w, 3);
    } else {
        c.error = MCIERR_UNRECOGNIZED_COMMAND;
    }
}

void ParseSet(const Words& w, Command& c)
{
    if (w.count < 4) {
        c.error = MCIERR_MISSING_PARAMETER;
        return;
    }
    if (Is(w.word[2], "door")) {
        c.error = Expect(w, 4);
        if (Is(w.word[3], "open")) c.setting = Setting::DoorOpen;
        else if (Is(w.word[3], "closed")) c.setting = Setting::DoorClosed;
        else c.error = MCIERR_UNRECOGNIZED_COMMAND;
    } else if (Is(w.word[2], "time") && Is(w.word[3], "format")) {
        c.error = Expect(w, 5);
        if (c.error) return;
        if (Is(w.word[4], "milliseconds") || Is(w.word[4], "ms")) c.setting = Setting::TimeFormatMilliseconds;
        else if (Is(w.word[4], "tmsf")) c.setting = Setting::TimeFormatTmsf;
        else c.error = MCIERR_UNRECOGNIZED_COMMAND;
    } else {
        c.error = MCIERR_UNRECOGNIZED_COMMAND;
    }
}

// "play cdaudio [from P]" and "seek cdaudio to P|start".
void ParseMove(const Words& w, Command& c, std::string_view preposition, bool optional)
{
    if (optional && w.count == 2) return;
    if (w.count < 4) {
        c.error = MCIERR_MISSING_PARAMETER;
        return;
    }
    c.error = Expect(w, 4);
    if (c.error) return;
    if (!Is(w.word[2], preposition)) {
        c.error = MCIERR_UNRECOGNIZED_COMMAND;
    } else if (c.verb == Verb::Seek && Is(w.word[3], "start")) {
        c.position.start = true;
    } else {
        c.error = ParsePosition(w.word[3], c.position);
    }
}

}  // namespace

Command ParseCommand(std::string_view text)
{
    Command c;
    Words w = Split(text);
    if (w.tooMany || w.count == 0) {
        c.error = MCIERR_UNRECOGNIZED_COMMAND;
        return c;
    }
    std::string_view verb = w.word[0];
    if (Is(verb, "open")) c.verb = Verb::Open;
    else if (Is(verb, "status")) c.verb = Verb::Status;
    else if (Is(verb, "set")) c.verb = Verb::Set;
    else if (Is(verb, "play")) c.verb = Verb::Play;
    else if (Is(verb, "seek")) c.verb = Verb::Seek;
    else if (Is(verb, "stop")) c.verb = Verb::Stop;
    else {
        c.error = MCIERR_UNRECOGNIZED_COMMAND;
        return c;
    }
    if (w.count < 2) {
        c.error = MCIERR_MISSING_PARAMETER;
        return c;
    }
    if (!Is(w.word[1], "cdaudio")) {
        c.error = MCIERR_INVALID_DEVICE_NAME;
        return c;
    }
    switch (c.verb) {
    case Verb::Open:
    case Verb::Stop: c.error = Expect(w, 2); break;
    case Verb::Status: ParseStatus(w, c); break;
    case Verb::Set: ParseSet(w, c); break;
    case Verb::Play: ParseMove(w, c, "from", true); break;
    case Verb::Seek: ParseMove(w, c, "to", false); break;
    }
    return c;
}

}  // namespace cdaudio
