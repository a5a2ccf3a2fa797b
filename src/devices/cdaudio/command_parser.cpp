#include "devices/cdaudio/command_parser.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace cdaudio {
namespace {

using namespace win;

// Plain numbers travel in 32 bits; colon-separated fields in one byte each.
constexpr std::int64_t kMaxNumber = 0xFFFFFFFF;
constexpr std::int64_t kMaxField = 255;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool Is(std::string_view word, std::string_view keyword)
{
    if (word.size() != keyword.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) != keyword[i]) return false;
    }
    return true;
}

// The blank-separated words of a text, one at a time.
class Words {
public:
    explicit Words(std::string_view text) : text_(text) {}

    bool AtEnd()
    {
        SkipBlanks();
        return at_ == text_.size();
    }
    std::string_view Next()
    {
        SkipBlanks();
        std::size_t begin = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_])) ++at_;
        return text_.substr(begin, at_ - begin);
    }
    // A word, or the text between two double quotes (which may hold
    // blanks), without the quotes; an unclosed quote runs to the end.
    std::string_view NextQuoted()
    {
        SkipBlanks();
        if (at_ == text_.size() || text_[at_] != '"') return Next();
        std::size_t begin = ++at_;
        std::size_t end = text_.find('"', begin);
        if (end == std::string_view::npos) end = text_.size();
        at_ = end == text_.size() ? end : end + 1;
        return text_.substr(begin, end - begin);
    }
    std::size_t Mark() const { return at_; }
    void Rewind(std::size_t mark) { at_ = mark; }

private:
    void SkipBlanks()
    {
        while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
    }
    std::string_view text_;
    std::size_t at_ = 0;
};

// Digits only, capped at `limit`; false when not a plain unsigned number or too large.
bool ParseDigits(std::string_view text, std::int64_t limit, std::int64_t& value)
{
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > limit) return false;
    }
    return true;
}

// "N", "-N", "+N" or up to four colon-separated fields.
MCIERROR ParsePosition(std::string_view text, PositionText& position)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
        if (text.find(':') != std::string_view::npos) return MCIERR_BAD_INTEGER;
    }
    bool colons = text.find(':') != std::string_view::npos;
    position.fieldCount = 0;
    while (true) {
        std::size_t colon = text.find(':');
        if (position.fieldCount == 4) return MCIERR_BAD_INTEGER;
        if (!ParseDigits(text.substr(0, colon), colons ? kMaxField : kMaxNumber, position.fields[position.fieldCount])) {
            return MCIERR_BAD_INTEGER;
        }
        ++position.fieldCount;
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
    }
    if (negative) position.fields[0] = -position.fields[0];
    return 0;
}

MCIERROR ParseInteger(std::string_view text, std::int64_t& value)
{
    PositionText number;
    if (ParsePosition(text, number) || number.fieldCount != 1) return MCIERR_BAD_INTEGER;
    value = number.fields[0];
    return 0;
}

// What a keyword does once its words are matched.
enum class Action {
    Notify, Wait, Shareable, Alias, OpenOnly, Track, Start, From, To, ToStart, ToEnd, TimeFormat, DoorOpen,
    DoorClosed, Disc, Audio, Video, On, Off, Item, ItemWithIndex,
};

struct Keyword {
    std::string_view words;  // blank-separated, lower case
    Action action;
    Item item = Item::None;
    std::int64_t number = 0;  // a status item's number, which stands for its name
};

// Longer phrases come before their prefixes ("to start" before "to").
constexpr Keyword kCommon[] = {{"notify", Action::Notify}, {"wait", Action::Wait}};
constexpr Keyword kOpen[] = {{"alias", Action::Alias}, {"shareable", Action::Shareable}};
constexpr Keyword kPlay[] = {{"from", Action::From}, {"to", Action::To}};
constexpr Keyword kSeek[] = {{"to start", Action::ToStart}, {"to end", Action::ToEnd}, {"to", Action::To}};
constexpr Keyword kSet[] = {{"time format", Action::TimeFormat},
                            {"door open", Action::DoorOpen},
                            {"door closed", Action::DoorClosed},
                            {"audio", Action::Audio},
                            {"video", Action::Video},
                            {"on", Action::On},
                            {"off", Action::Off},
                            {"disc", Action::Disc}};
constexpr Keyword kStatus[] = {
    {"current track", Action::Item, Item::CurrentTrack, 8},
    {"length", Action::Item, Item::Length, 1},
    {"media present", Action::Item, Item::MediaPresent, 5},
    {"mode", Action::Item, Item::Mode, 4},
    {"number of tracks", Action::Item, Item::NumberOfTracks, 3},
    {"position", Action::Item, Item::Position, 2},
    {"ready", Action::Item, Item::Ready, 7},
    {"time format", Action::Item, Item::TimeFormat, 6},
    {"type", Action::Item, Item::Type, 16385},
    {"track", Action::Track},
    {"start", Action::Start},
};
constexpr Keyword kCapability[] = {
    {"can eject", Action::Item, Item::CanEject},
    {"can play", Action::Item, Item::CanPlay},
    {"can record", Action::Item, Item::CanRecord},
    {"can save", Action::Item, Item::CanSave},
    {"compound device", Action::Item, Item::CompoundDevice},
    {"device type", Action::Item, Item::DeviceType},
    {"has audio", Action::Item, Item::HasAudio},
    {"has video", Action::Item, Item::HasVideo},
    {"uses files", Action::Item, Item::UsesFiles},
};
constexpr Keyword kInfo[] = {{"product", Action::Item, Item::Product},
                             {"identity", Action::Item, Item::Identity},
                             {"upc", Action::Item, Item::Upc},
                             {"missing file", Action::Item, Item::MissingFile}};
constexpr Keyword kSysinfo[] = {
    {"quantity", Action::Item, Item::Quantity},
    {"name", Action::ItemWithIndex, Item::Name},
    {"installname", Action::Item, Item::InstallName},
    {"open", Action::OpenOnly},
};

struct VerbForm {
    std::string_view word;
    Verb verb;
    const Keyword* keywords;
    std::size_t count;
};

template <std::size_t N>
constexpr VerbForm Form(std::string_view word, Verb verb, const Keyword (&keywords)[N])
{
    return {word, verb, keywords, N};
}
constexpr VerbForm Form(std::string_view word, Verb verb) { return {word, verb, nullptr, 0}; }

constexpr VerbForm kVerbs[] = {
    Form("open", Verb::Open, kOpen),
    Form("close", Verb::Close),
    Form("status", Verb::Status, kStatus),
    Form("set", Verb::Set, kSet),
    Form("play", Verb::Play, kPlay),
    Form("seek", Verb::Seek, kSeek),
    Form("stop", Verb::Stop),
    Form("pause", Verb::Pause),
    Form("resume", Verb::Resume),
    Form("capability", Verb::Capability, kCapability),
    Form("info", Verb::Info, kInfo),
    Form("sysinfo", Verb::Sysinfo, kSysinfo),
};

// Commands every multimedia device is asked, which a CD drive has no use for.
constexpr std::string_view kUnsupportedVerbs[] = {"record", "save", "load"};

enum class Match { Whole, Short, No };

// Matches the keyword's words at the reader; on a whole match the reader
// stays after them, otherwise where it was.
Match MatchWords(Words& words, std::string_view phrase)
{
    std::size_t mark = words.Mark();
    bool first = true;
    while (!phrase.empty()) {
        std::size_t blank = phrase.find(' ');
        std::string_view expected = phrase.substr(0, blank);
        phrase = blank == std::string_view::npos ? std::string_view() : phrase.substr(blank + 1);
        if (words.AtEnd()) {
            words.Rewind(mark);
            return first ? Match::No : Match::Short;
        }
        if (!Is(words.Next(), expected)) {
            words.Rewind(mark);
            return Match::No;
        }
        first = false;
    }
    return Match::Whole;
}

// Sets a flag once; a second time is a duplicate.
MCIERROR Once(bool& flag)
{
    if (flag) return MCIERR_DUPLICATE_FLAGS;
    flag = true;
    return 0;
}

// Info items are flags of their own: several may be given, and the first in
// the order of Item answers. A status or capability item is one value, so a
// second one does not go with the first; sysinfo answers one item only.
MCIERROR TakeItem(Item item, Command& c, std::uint64_t& seen)
{
    const std::uint64_t bit = std::uint64_t{1} << static_cast<unsigned>(item);
    if (c.verb == Verb::Info) {
        if (seen & bit) return MCIERR_DUPLICATE_FLAGS;
        seen |= bit;
        if (c.item == Item::None || item < c.item) c.item = item;
        return 0;
    }
    if (seen) return c.verb == Verb::Sysinfo ? MCIERR_DUPLICATE_FLAGS : MCIERR_FLAGS_NOT_COMPATIBLE;
    seen = bit;
    c.item = item;
    return 0;
}

// A status item given by its number ("status cdaudio 4" asks for the mode).
const Keyword* StatusItemByNumber(std::string_view word)
{
    std::int64_t number = 0;
    if (!ParseDigits(word, kMaxNumber, number)) return nullptr;
    for (const Keyword& keyword : kStatus) {
        if (keyword.action == Action::Item && keyword.number == number) return &keyword;
    }
    return nullptr;
}

MCIERROR ParseChannels(Words& words, Channels& channels)
{
    if (words.AtEnd()) return MCIERR_MISSING_PARAMETER;
    std::string_view name = words.Next();
    if (Is(name, "all")) channels = Channels::All;
    else if (Is(name, "left")) channels = Channels::Left;
    else if (Is(name, "right")) channels = Channels::Right;
    else return MCIERR_BAD_CONSTANT;
    return 0;
}

MCIERROR Apply(const Keyword& keyword, Words& words, Command& c, std::uint64_t& itemsSeen)
{
    switch (keyword.action) {
    case Action::Notify: return Once(c.notify);
    case Action::Wait: return Once(c.wait);
    case Action::Shareable: return Once(c.shareable);
    case Action::OpenOnly: return Once(c.openOnly);
    case Action::ToStart: return Once(c.toStart);
    case Action::ToEnd: return Once(c.toEnd);
    case Action::DoorOpen: return Once(c.doorOpen);
    case Action::DoorClosed: return Once(c.doorClosed);
    case Action::Start: return Once(c.start);
    case Action::Video: return Once(c.video);
    case Action::On: return Once(c.on);
    case Action::Off: return Once(c.off);
    case Action::Audio:
        if (MCIERROR e = Once(c.hasAudio)) return e;
        return ParseChannels(words, c.audio);
    case Action::Alias:
        if (!c.alias.empty()) return MCIERR_DUPLICATE_FLAGS;
        if (words.AtEnd()) return MCIERR_MISSING_STRING_ARGUMENT;
        c.alias = words.Next();
        return 0;
    case Action::Disc:
        if (!c.disc.empty()) return MCIERR_DUPLICATE_FLAGS;
        if (words.AtEnd()) return MCIERR_MISSING_STRING_ARGUMENT;
        c.disc = words.NextQuoted();
        return c.disc.empty() ? MCIERR_MISSING_STRING_ARGUMENT : 0;
    case Action::Track:
        if (MCIERROR e = Once(c.hasTrack)) return e;
        return ParseInteger(words.Next(), c.track);
    case Action::From:
    case Action::To: {
        PositionText& position = keyword.action == Action::From ? c.from : c.to;
        if (position.fieldCount > 0) return MCIERR_DUPLICATE_FLAGS;
        return ParsePosition(words.Next(), position);
    }
    case Action::TimeFormat: {
        // One value: a second format does not go with the first.
        if (c.hasTimeFormat) return MCIERR_FLAGS_NOT_COMPATIBLE;
        c.hasTimeFormat = true;
        if (words.AtEnd()) return MCIERR_MISSING_PARAMETER;
        std::string_view name = words.Next();
        if (Is(name, "milliseconds") || Is(name, "ms")) c.timeFormat = TimeFormat::Milliseconds;
        else if (Is(name, "msf")) c.timeFormat = TimeFormat::Msf;
        else if (Is(name, "tmsf")) c.timeFormat = TimeFormat::Tmsf;
        else return MCIERR_BAD_CONSTANT;
        return 0;
    }
    case Action::Item:
    case Action::ItemWithIndex:
        if (MCIERROR e = TakeItem(keyword.item, c, itemsSeen)) return e;
        return keyword.action == Action::ItemWithIndex ? ParseInteger(words.Next(), c.index) : 0;
    }
    return MCIERR_UNRECOGNIZED_KEYWORD;
}

MCIERROR ParseFlags(const VerbForm& form, Words& words, Command& c)
{
    std::uint64_t itemsSeen = 0;
    while (!words.AtEnd()) {
        const Keyword* found = nullptr;
        bool cutShort = false;
        auto look = [&](const Keyword* keywords, std::size_t count) {
            for (std::size_t i = 0; i < count && !found; ++i) {
                Match m = MatchWords(words, keywords[i].words);
                if (m == Match::Whole) found = &keywords[i];
                cutShort = cutShort || m == Match::Short;
            }
        };
        look(kCommon, std::size(kCommon));
        look(form.keywords, form.count);
        if (cutShort) return MCIERR_MISSING_PARAMETER;
        // Any other word of a status command is read as the item it asks for.
        if (!found && form.verb == Verb::Status) {
            found = StatusItemByNumber(words.Next());
            if (!found) return MCIERR_BAD_CONSTANT;
        }
        if (!found) return MCIERR_UNRECOGNIZED_KEYWORD;
        if (MCIERROR e = Apply(*found, words, c, itemsSeen)) return e;
    }
    return 0;
}

bool TrackAllowed(Item item) { return item == Item::Length || item == Item::Position || item == Item::Type; }

// Flags that each parse alone but do not go together, and flags a verb needs.
MCIERROR CheckCombination(const Command& c)
{
    switch (c.verb) {
    case Verb::Status:
        if (c.item == Item::None) return MCIERR_MISSING_PARAMETER;
        if (c.hasTrack && (!TrackAllowed(c.item) || c.start)) return MCIERR_FLAGS_NOT_COMPATIBLE;
        if (c.item == Item::Type && !c.hasTrack) return MCIERR_MISSING_PARAMETER;
        return 0;
    case Verb::Capability:
    case Verb::Info: return c.item == Item::None ? MCIERR_MISSING_PARAMETER : 0;
    case Verb::Sysinfo:
        if (c.item == Item::None) return MCIERR_MISSING_PARAMETER;
        return c.openOnly && c.item == Item::InstallName ? MCIERR_FLAGS_NOT_COMPATIBLE : 0;
    case Verb::Set:
        if (!c.hasTimeFormat && !c.doorOpen && !c.doorClosed && !c.hasAudio && !c.video) {
            return MCIERR_MISSING_PARAMETER;
        }
        if (!c.disc.empty() && !c.doorClosed) return MCIERR_MISSING_PARAMETER;
        if ((c.doorOpen && c.doorClosed) || (c.on && c.off)) return MCIERR_FLAGS_NOT_COMPATIBLE;
        return (c.hasAudio || c.video) && !c.on && !c.off ? MCIERR_MISSING_PARAMETER : 0;
    case Verb::Seek: {
        int targets = (c.to.fieldCount > 0) + c.toStart + c.toEnd;
        if (targets == 0) return MCIERR_MISSING_PARAMETER;
        return targets > 1 ? MCIERR_FLAGS_NOT_COMPATIBLE : 0;
    }
    default: return 0;
    }
}

}  // namespace

Command ParseCommand(std::string_view text)
{
    Command c;
    Words words(text);
    if (words.AtEnd()) {
        c.error = MCIERR_MISSING_COMMAND_STRING;
        return c;
    }
    std::string_view verb = words.Next();
    const VerbForm* form = nullptr;
    for (const VerbForm& candidate : kVerbs) {
        if (Is(verb, candidate.word)) form = &candidate;
    }
    bool unsupported = std::any_of(std::begin(kUnsupportedVerbs), std::end(kUnsupportedVerbs),
                                   [verb](std::string_view word) { return Is(verb, word); });
    if (!form && !unsupported) {
        c.error = MCIERR_UNRECOGNIZED_COMMAND;
        return c;
    }
    if (form) c.verb = form->verb;
    if (words.AtEnd()) {
        c.error = MCIERR_MISSING_DEVICE_NAME;
        return c;
    }
    c.device = words.Next();
    if (unsupported) {
        c.error = MCIERR_UNSUPPORTED_FUNCTION;
        return c;
    }
    c.error = ParseFlags(*form, words, c);
    if (!c.error) c.error = CheckCombination(c);
    if (!c.error && c.start && c.item == Item::Position) c.item = Item::StartPosition;
    return c;
}

}  // namespace cdaudio
