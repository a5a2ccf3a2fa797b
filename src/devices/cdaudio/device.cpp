// The "cdaudio" device: answers the command strings as a CD drive does.
//
// A command is a verb, a device name and flags in any order; words are
// separated by blanks and case does not matter. The device answers to
// "cdaudio" (opened or not), to the aliases it was opened under, and to
// "all" where a command may go to every open device. Every command takes
// "notify" (with a callback window: MM_MCINOTIFY when the command is done,
// for a play at its end) and "wait", which changes nothing: every command
// returns at once, since waiting out a play would hold the one GUI thread.
// P is a position, N a number.
//
//   open cdaudio [alias A] [shareable]   reply: the device id
//   close cdaudio | A | all
//   play cdaudio [from P] [to P]         plays on across tracks, skipping
//                                        data tracks, and stops at P or at
//                                        the end of the disc
//   seek cdaudio to P | to start | to end    stops and moves
//   stop | pause | resume cdaudio        pause holds the play ("paused"),
//                                        resume goes on to where it stopped
//   set cdaudio time format milliseconds | ms | msf | tmsf
//   set cdaudio door open | door closed  ejects / loads (an empty virtual
//                                        drive asks for a disc)
//   set cdaudio audio all | left | right on | off    mutes or unmutes
//   set cdaudio video on | off           a drive has no picture: ignored
//   status cdaudio current track | length [track N] | media present |
//       mode | number of tracks | position [track N] | ready |
//       start position | time format | type track N
//                                        an item may be given by its number
//                                        (1 length ... 8 current track,
//                                        16385 type)
//   capability cdaudio can eject | can play | can record | can save |
//       compound device | device type | has audio | has video | uses files
//   info cdaudio product | identity | upc | missing file
//                                        upc: the disc's catalog number; the
//                                        last, this device's own: the file a
//                                        disc given to the drive lacked ("" when
//                                        none); of several, the first answers
//   sysinfo cdaudio | all  quantity [open] | name N [open] | installname
//
// Times follow the time format, a setting of the device (msf at first); see
// disc_time.h. "start" is the first audio track's first frame.
// Modes: "not ready", "open", "paused", "playing", "stopped".
//
// Errors leave the device as it was and the reply empty, and carry the
// numbers a drive gives: an unknown verb MCIERR_UNRECOGNIZED_COMMAND, a
// verb every device knows but a drive cannot do (record, save, load)
// MCIERR_UNSUPPORTED_FUNCTION, an unknown flag MCIERR_UNRECOGNIZED_KEYWORD,
// an unknown status item MCIERR_BAD_CONSTANT, a flag given twice
// MCIERR_DUPLICATE_FLAGS, flags that exclude each other (two status items,
// two time formats) MCIERR_FLAGS_NOT_COMPATIBLE, a bad number
// MCIERR_BAD_INTEGER, a position or track outside the disc
// MCIERR_OUTOFRANGE, a disc query, play or seek with no disc, a play or seek
// into a data track, or a resume with nothing paused, MCIERR_HARDWARE; a
// disc with no catalog number asked for its upc MCIERR_NO_IDENTITY; a disc
// given at the closing door that lacks one of its files stays out, with
// MCIERR_FILE_NOT_FOUND. A reply longer than the buffer is cut to fit and
// terminated, with MCIERR_PARAM_OVERFLOW; info and sysinfo, which answer
// only in text, give it also when there is no buffer at all.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "devices/cdaudio/cdaudio.h"
#include "devices/cdaudio/cdio_disc.h"
#include "devices/cdaudio/command_parser.h"
#include "devices/cdaudio/disc_time.h"
#include "devices/cdaudio/drive.h"
#include "devices/cdaudio/transport.h"

namespace cdaudio {
namespace {

using namespace win;

constexpr std::string_view kTypeName = "cdaudio";

// Whether the verb may go to "all": those that answer nothing.
bool GoesToAll(Verb verb)
{
    switch (verb) {
    case Verb::Close:
    case Verb::Play:
    case Verb::Seek:
    case Verb::Stop:
    case Verb::Pause:
    case Verb::Resume:
    case Verb::Set:
    case Verb::Sysinfo: return true;
    default: return false;
    }
}

const char* TrueFalse(bool value) { return value ? "true" : "false"; }

// Verbs whose reply is text only; a status or capability reply is a value
// the caller may do without.
bool AnswersInText(const Command& c) { return !c.error && (c.verb == Verb::Info || c.verb == Verb::Sysinfo); }

// The level bits "set ... audio" switches: left in the low 16, right in the high.
std::uint32_t ChannelBits(Channels channels)
{
    switch (channels) {
    case Channels::Left: return 0x0000FFFFu;
    case Channels::Right: return 0xFFFF0000u;
    case Channels::All: break;
    }
    return 0xFFFFFFFFu;
}

// A number that tells discs apart: the same table of contents gives the same.
std::string Identity(const std::vector<Track>& tracks)
{
    std::uint32_t hash = 2166136261u;
    auto mix = [&hash](std::uint64_t value) {
        for (int i = 0; i < 8; ++i) {
            hash = (hash ^ static_cast<std::uint8_t>(value >> (i * 8))) * 16777619u;
        }
    };
    for (const Track& track : tracks) {
        mix(track.start);
        mix(track.length);
        mix(track.audio);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%08X", hash);
    return text;
}

class CdAudioDevice final : public Device {
public:
    CdAudioDevice(const Options& options, std::string physicalDrive)
        : drive_(options, std::move(physicalDrive)), transport_(options.output)
    {
        SyncDisc();
    }

    MCIERROR SendString(const char* command, char* returnString, UINT returnLength) override
    {
        return SendString(command, returnString, returnLength, nullptr);
    }

    MCIERROR SendString(const char* command, char* returnString, UINT returnLength, HWND callback) override
    {
        transport_.Follow();
        Command parsed = ParseCommand(command ? command : "");
        std::string reply;
        MCIERROR error = Run(parsed, callback, reply);
        if (error) reply.clear();
        if (returnString && returnLength > 0) {
            std::size_t n = std::min<std::size_t>(reply.size(), returnLength - 1);
            std::memcpy(returnString, reply.data(), n);
            returnString[n] = '\0';
        }
        if (!error && (returnString || AnswersInText(parsed)) && reply.size() >= returnLength) {
            error = MCIERR_PARAM_OVERFLOW;
        }
        return error;
    }

    bool Answers(std::string_view name) const override
    {
        return EqualsIgnoringCase(name, kTypeName) || EqualsIgnoringCase(name, "all") || Find(name) != nullptr;
    }

    void TakeNotices(NoticeSink post) override
    {
        for (const Transport::Notice& notice : transport_.TakeNotices()) {
            post(notice.callback, notice.code, notice.deviceId);
        }
    }

    bool AwaitsNotice() const override { return transport_.AwaitsNotice(); }

    void AdvanceVirtualOutput(std::uint32_t frames, std::int16_t* heard) override
    {
        transport_.Sound().AdvanceVirtualOutput(frames, heard);
    }
    std::uint64_t FramesPlayed() const override { return transport_.Sound().FramesOut(); }
    OutputStats OutputState() const override
    {
        return {transport_.Sound().OnSoundCard(), transport_.Sound().Underruns(), transport_.Sound().OutputState()};
    }
    void SetLevel(std::uint32_t level) override
    {
        level_ = level;
        transport_.Sound().SetLevel(level_ & ~muted_);
    }
    void LoseOutput() override { transport_.Sound().LoseOutput(); }

private:
    struct Opened {
        std::string name;
        bool shareable;
        UINT id;
    };

    const Opened* Find(std::string_view name) const
    {
        for (const Opened& opened : opened_) {
            if (EqualsIgnoringCase(opened.name, name)) return &opened;
        }
        return nullptr;
    }

    const std::vector<Track>& Tracks() const
    {
        static const std::vector<Track> none;
        return drive_.Current() ? drive_.Current()->Tracks() : none;
    }

    // Hands the transport the disc now in the drive, when it changed.
    void SyncDisc()
    {
        if (drive_.Current().get() == transportDisc_) return;
        transportDisc_ = drive_.Current().get();
        transport_.SetDisc(drive_.Current());
    }

    MCIERROR Run(const Command& c, HWND callback, std::string& reply)
    {
        if (c.error && c.device.empty()) return c.error;
        bool all = EqualsIgnoringCase(c.device, "all");
        const Opened* opened = Find(c.device);
        if (!all && !opened && !EqualsIgnoringCase(c.device, kTypeName)) return MCIERR_INVALID_DEVICE_NAME;
        if (c.error) return c.error;
        if (all && !GoesToAll(c.verb)) return MCIERR_CANNOT_USE_ALL;
        // "all" reaches the drive only through an open device.
        if (all && c.verb != Verb::Sysinfo && opened_.empty()) return 0;
        UINT id = opened ? opened->id : opened_.empty() ? nextId_ : opened_.front().id;

        bool notify = c.notify && callback;
        transport_.BeginCommand(notify);
        MCIERROR error = Execute(c, all, reply);
        if (!error && notify) transport_.NotifyWhenDone(callback, static_cast<LPARAM>(id));
        return error;
    }

    MCIERROR Execute(const Command& c, bool all, std::string& reply)
    {
        switch (c.verb) {
        case Verb::Open: return Open(c, reply);
        case Verb::Close: return Close(c, all);
        case Verb::Status: return Status(c, reply);
        case Verb::Set: return Set(c);
        case Verb::Play: return Play(c);
        case Verb::Seek: return Seek(c);
        case Verb::Stop: transport_.Stop(); return 0;
        case Verb::Pause: transport_.Pause(); return 0;
        case Verb::Resume:
            if (!transport_.Paused()) return MCIERR_HARDWARE;
            transport_.Resume();
            return 0;
        case Verb::Capability: return Capability(c.item, reply);
        case Verb::Info: return Info(c.item, reply);
        case Verb::Sysinfo: return Sysinfo(c, all, reply);
        }
        return MCIERR_UNRECOGNIZED_COMMAND;
    }

    MCIERROR Open(const Command& c, std::string& reply)
    {
        if (!EqualsIgnoringCase(c.device, kTypeName)) return MCIERR_DEVICE_OPEN;
        std::string name(c.alias.empty() ? kTypeName : c.alias);
        if (Find(name) || EqualsIgnoringCase(name, "all")) {
            return c.alias.empty() ? MCIERR_DEVICE_OPEN : MCIERR_DUPLICATE_ALIAS;
        }
        bool allShareable = std::all_of(opened_.begin(), opened_.end(), [](const Opened& o) { return o.shareable; });
        if (!opened_.empty() && !(c.shareable && allShareable)) return MCIERR_MUST_USE_SHAREABLE;
        opened_.push_back({name, c.shareable, nextId_++});
        drive_.Probe();
        SyncDisc();
        reply = std::to_string(opened_.back().id);
        return 0;
    }

    MCIERROR Close(const Command& c, bool all)
    {
        if (all) opened_.clear();
        std::erase_if(opened_, [&](const Opened& o) { return EqualsIgnoringCase(o.name, c.device); });
        // Nothing is left to report to.
        if (opened_.empty()) transport_.AbortNotice();
        return 0;
    }

    // The reply to a query about a position, a length or a track of the disc.
    MCIERROR DiscStatus(const Command& c, std::string& reply)
    {
        const std::vector<Track>& tracks = Tracks();
        if (tracks.empty()) return MCIERR_HARDWARE;
        const Track* track = nullptr;
        if (c.hasTrack) {
            if (c.track < 1 || c.track > static_cast<std::int64_t>(tracks.size())) return MCIERR_OUTOFRANGE;
            track = &tracks[static_cast<std::size_t>(c.track - 1)];
        }
        std::uint64_t position = transport_.Position();
        switch (c.item) {
        case Item::CurrentTrack: reply = std::to_string(TrackIndexAt(tracks, position) + 1); break;
        case Item::Length: reply = FormatLength(track ? track->length : drive_.Current()->Length(), format_); break;
        case Item::Position: reply = FormatPosition(tracks, track ? track->start : position, format_); break;
        case Item::StartPosition: reply = FormatPosition(tracks, transport_.FirstAudioFrame(), format_); break;
        case Item::Type: reply = track->audio ? "audio" : "other"; break;
        default: return MCIERR_UNRECOGNIZED_KEYWORD;
        }
        return 0;
    }

    MCIERROR Status(const Command& c, std::string& reply)
    {
        if (c.item == Item::NumberOfTracks || c.item == Item::MediaPresent || c.item == Item::Ready) {
            drive_.Probe();
            SyncDisc();
        }
        switch (c.item) {
        case Item::NumberOfTracks: reply = std::to_string(Tracks().size()); return 0;
        case Item::MediaPresent: reply = TrueFalse(drive_.Current() != nullptr); return 0;
        case Item::Ready: reply = TrueFalse(drive_.Current() && !drive_.DoorOpen()); return 0;
        case Item::TimeFormat:
            reply = format_ == TimeFormat::Tmsf ? "tmsf" : format_ == TimeFormat::Msf ? "msf" : "milliseconds";
            return 0;
        case Item::Mode:
            reply = drive_.DoorOpen()         ? "open"
                    : !drive_.Current()       ? "not ready"
                    : transport_.Playing()    ? "playing"
                    : transport_.Paused()     ? "paused"
                                              : "stopped";
            return 0;
        default: return DiscStatus(c, reply);
        }
    }

    MCIERROR Set(const Command& c)
    {
        // A disc put in by name goes into the virtual drive only.
        if (!c.disc.empty() && !drive_.Virtual()) return MCIERR_UNSUPPORTED_FUNCTION;
        if (c.hasTimeFormat) format_ = c.timeFormat;
        if (c.hasAudio) {
            muted_ = c.off ? muted_ | ChannelBits(c.audio) : muted_ & ~ChannelBits(c.audio);
            SetLevel(level_);
        }
        if (c.doorOpen || !c.disc.empty()) {
            // The player lets go of the disc before it leaves the drive.
            transport_.SetDisc(nullptr);
            transportDisc_ = nullptr;
            drive_.OpenDoor();
        }
        if (c.doorClosed) {
            drive_.CloseDoor(std::string(c.disc));
            SyncDisc();
            if (!drive_.Current() && !drive_.MissingFile().empty()) return MCIERR_FILE_NOT_FOUND;
        }
        return 0;
    }

    // The frame a written position names, or the error for it.
    MCIERROR Resolve(const PositionText& text, std::uint64_t& frame) const
    {
        if (!ResolvePosition(text, format_, Tracks(), frame)) return MCIERR_OUTOFRANGE;
        return transport_.InDataTrack(frame) ? MCIERR_HARDWARE : 0;
    }

    MCIERROR Play(const Command& c)
    {
        if (!drive_.Current()) return MCIERR_HARDWARE;
        // Without "from" a play goes on from where the drive stands, over a
        // data track it may have stopped in.
        std::uint64_t from = transport_.Position();
        if (transport_.InDataTrack(from)) from = transport_.NextAudioFrame(from);
        std::uint64_t to = transport_.DiscEnd();
        if (c.from.fieldCount > 0) {
            if (MCIERROR e = Resolve(c.from, from)) return e;
        }
        if (c.to.fieldCount > 0) {
            if (!ResolvePosition(c.to, format_, Tracks(), to)) return MCIERR_OUTOFRANGE;
        }
        if (from > to) return MCIERR_OUTOFRANGE;
        return transport_.Play(from, to) ? 0 : MCIERR_HARDWARE;
    }

    MCIERROR Seek(const Command& c)
    {
        if (!drive_.Current()) return MCIERR_HARDWARE;
        std::uint64_t frame = c.toStart ? transport_.FirstAudioFrame() : transport_.DiscEnd();
        if (c.to.fieldCount > 0) {
            if (MCIERROR e = Resolve(c.to, frame)) return e;
        }
        transport_.Seek(frame);
        return 0;
    }

    static MCIERROR Capability(Item item, std::string& reply)
    {
        switch (item) {
        case Item::CanEject:
        case Item::CanPlay:
        case Item::HasAudio: reply = "true"; return 0;
        case Item::CanRecord:
        case Item::CanSave:
        case Item::CompoundDevice:
        case Item::HasVideo:
        case Item::UsesFiles: reply = "false"; return 0;
        case Item::DeviceType: reply = kTypeName; return 0;
        default: return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }

    MCIERROR Info(Item item, std::string& reply) const
    {
        if (item == Item::Product) {
            reply = "CD Audio";
            return 0;
        }
        if (item == Item::MissingFile) {
            reply = drive_.MissingFile();
            return 0;
        }
        if (!drive_.Current()) return MCIERR_HARDWARE;
        if (item == Item::Upc) {
            reply = drive_.Current()->Catalog();
            return reply.empty() ? MCIERR_NO_IDENTITY : 0;
        }
        reply = Identity(Tracks());
        return 0;
    }

    MCIERROR Sysinfo(const Command& c, bool all, std::string& reply) const
    {
        switch (c.item) {
        case Item::Quantity: reply = std::to_string(c.openOnly ? opened_.size() : 1); return 0;
        case Item::InstallName:
            if (all) return MCIERR_CANNOT_USE_ALL;
            reply = kTypeName;
            return 0;
        case Item::Name: {
            std::size_t count = c.openOnly ? opened_.size() : 1;
            if (c.index < 1 || c.index > static_cast<std::int64_t>(count)) return MCIERR_OUTOFRANGE;
            reply = c.openOnly ? opened_[static_cast<std::size_t>(c.index - 1)].name : std::string(kTypeName);
            return 0;
        }
        default: return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }

    Drive drive_;
    Transport transport_;
    const Disc* transportDisc_ = nullptr;  // the disc the transport was last given
    TimeFormat format_ = TimeFormat::Msf;
    std::uint32_t level_ = 0xFFFFFFFFu;  // the CD level last set
    std::uint32_t muted_ = 0;            // its bits "set ... audio ... off" holds at 0
    std::vector<Opened> opened_;
    UINT nextId_ = 1;
};

}  // namespace

std::unique_ptr<Device> CreateDevice(const Options& options)
{
    std::string physical = options.usePhysicalDrive ? FindPhysicalDrive() : "";
    return std::make_unique<CdAudioDevice>(options, std::move(physical));
}

}  // namespace cdaudio
