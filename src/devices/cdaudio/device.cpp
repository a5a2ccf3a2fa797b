// The "cdaudio" device: answers the command strings as a CD drive does.
//
// Grammar (words are separated by blanks, case does not matter, the flags
// "notify" and "wait" may follow the device name anywhere and change
// nothing; P is a position, N a number):
//
//   open cdaudio                          always succeeds; the device is open
//   status cdaudio number of tracks       "12"                ("0": no disc)
//   status cdaudio length                 disc length         ("0": no disc)
//   status cdaudio length track N         length of track N
//   status cdaudio position               where playback is
//   status cdaudio current track          "3"                 ("0": no disc)
//   status cdaudio media present          "true" / "false"
//   status cdaudio mode                   "playing", "stopped", "open", "not ready"
//   set cdaudio time format milliseconds  (or "ms")
//   set cdaudio time format tmsf
//   set cdaudio door open                 ejects: the drive is then empty
//   set cdaudio door closed               an empty virtual drive asks for a disc
//   play cdaudio [from P]                 plays on across tracks to the end of
//                                         the disc and stops there
//   seek cdaudio to P | to start          stops and moves
//   stop cdaudio                          stops where it is
//
// Times follow the time format, a setting of the device (milliseconds at
// first). Milliseconds count from the start of the first track's audio, so
// that the position reaches the disc length exactly at its end. In tmsf a
// position reads "tt:mm:ss:ff" (track, then minutes, seconds and frames of
// 1/75 s within it), a length "mm:ss:ff", and a bare N in play or seek means
// the start of track N.
//
// Errors leave the device as it was and the reply empty: an unknown word
// MCIERR_UNRECOGNIZED_COMMAND, a missing one MCIERR_MISSING_PARAMETER,
// another device MCIERR_INVALID_DEVICE_NAME, a position or track outside
// the disc MCIERR_OUTOFRANGE, play or seek with no disc MCIERR_HARDWARE, a
// reply longer than the buffer MCIERR_PARAM_OVERFLOW (the reply is then
// cut to fit, and terminated).
#include <algorithm>
#include <cstring>

#include "devices/cdaudio/cdaudio.h"
#include "devices/cdaudio/cdio_disc.h"
#include "devices/cdaudio/command_parser.h"
#include "devices/cdaudio/disc_time.h"
#include "devices/cdaudio/drive.h"
#include "devices/cdaudio/player.h"

namespace cdaudio {
namespace {

using namespace win;

class CdAudioDevice final : public Device {
public:
    CdAudioDevice(const Options& options, std::string physicalDrive)
        : drive_(options, std::move(physicalDrive)), player_(options.output)
    {
        SyncDisc();
    }

    MCIERROR SendString(const char* command, char* returnString, UINT returnLength) override
    {
        player_.CheckOutput();
        Command parsed = ParseCommand(command ? command : "");
        std::string reply;
        MCIERROR error = parsed.error ? parsed.error : Execute(parsed, reply);
        if (error) reply.clear();
        if (returnString && returnLength > 0) {
            std::size_t n = std::min<std::size_t>(reply.size(), returnLength - 1);
            std::memcpy(returnString, reply.data(), n);
            returnString[n] = '\0';
        }
        if (!error && returnString && reply.size() >= returnLength) error = MCIERR_PARAM_OVERFLOW;
        return error;
    }

    void AdvanceVirtualOutput(std::uint32_t frames) override { player_.AdvanceVirtualOutput(frames); }
    std::uint64_t FramesPlayed() const override { return player_.FramesOut(); }
    OutputStats OutputState() const override { return {player_.OnSoundCard(), player_.Underruns()}; }
    void SetLevel(std::uint32_t level) override { player_.SetLevel(level); }
    void LoseOutput() override { player_.LoseOutput(); }

private:
    const std::vector<Track>& Tracks() const
    {
        static const std::vector<Track> none;
        return drive_.Current() ? drive_.Current()->Tracks() : none;
    }

    // Hands the player the disc now in the drive, when it changed.
    void SyncDisc()
    {
        if (drive_.Current().get() == playerDisc_) return;
        playerDisc_ = drive_.Current().get();
        player_.SetDisc(drive_.Current());
    }

    MCIERROR Execute(const Command& c, std::string& reply)
    {
        switch (c.verb) {
        case Verb::Open:
            drive_.Probe();
            SyncDisc();
            return 0;
        case Verb::Status: return Status(c, reply);
        case Verb::Set: return Set(c.setting);
        case Verb::Play:
        case Verb::Seek: return Move(c);
        case Verb::Stop: player_.Hold(player_.State().position); return 0;
        }
        return MCIERR_UNRECOGNIZED_COMMAND;
    }

    std::string Time(std::uint64_t frames) const
    {
        return tmsf_ ? FormatMsf(frames) : std::to_string(FramesToMs(frames));
    }

    MCIERROR Status(const Command& c, std::string& reply)
    {
        if (c.query == Query::NumberOfTracks || c.query == Query::MediaPresent) {
            drive_.Probe();
            SyncDisc();
        }
        const std::vector<Track>& tracks = Tracks();
        PlayedState state = player_.State();
        switch (c.query) {
        case Query::NumberOfTracks: reply = std::to_string(tracks.size()); break;
        case Query::Length: reply = Time(tracks.empty() ? 0 : tracks.back().start + tracks.back().length); break;
        case Query::TrackLength:
            if (c.track < 1 || c.track > static_cast<std::int64_t>(tracks.size())) return MCIERR_OUTOFRANGE;
            reply = Time(tracks[static_cast<std::size_t>(c.track - 1)].length);
            break;
        case Query::Position:
            reply = tmsf_ ? FormatTmsf(tracks, state.position) : std::to_string(FramesToMs(state.position));
            break;
        case Query::CurrentTrack:
            reply = std::to_string(tracks.empty() ? 0 : TrackIndexAt(tracks, state.position) + 1);
            break;
        case Query::MediaPresent: reply = drive_.Current() ? "true" : "false"; break;
        case Query::Mode:
            reply = drive_.DoorOpen()       ? "open"
                    : !drive_.Current()     ? "not ready"
                    : state.playing         ? "playing"
                                            : "stopped";
            break;
        }
        return 0;
    }

    MCIERROR Set(Setting setting)
    {
        switch (setting) {
        case Setting::TimeFormatMilliseconds: tmsf_ = false; break;
        case Setting::TimeFormatTmsf: tmsf_ = true; break;
        case Setting::DoorOpen:
            // The player lets go of the disc before it leaves the drive.
            player_.SetDisc(nullptr);
            playerDisc_ = nullptr;
            drive_.OpenDoor();
            break;
        case Setting::DoorClosed:
            drive_.CloseDoor();
            SyncDisc();
            break;
        }
        return 0;
    }

    MCIERROR Move(const Command& c)
    {
        if (!drive_.Current()) return MCIERR_HARDWARE;
        std::uint64_t frame = player_.State().position;
        if (c.position.fieldCount > 0 || c.position.start) {
            if (!ResolvePosition(c.position, tmsf_, Tracks(), frame)) return MCIERR_OUTOFRANGE;
        }
        if (c.verb == Verb::Play) player_.Play(frame);
        else player_.Hold(frame);
        return 0;
    }

    Drive drive_;
    Player player_;
    const Disc* playerDisc_ = nullptr;  // the disc the player was last given
    bool tmsf_ = false;
};

}  // namespace

std::unique_ptr<Device> CreateDevice(const Options& options)
{
    std::string physical = options.usePhysicalDrive ? FindPhysicalDrive() : "";
    return std::make_unique<CdAudioDevice>(options, std::move(physical));
}

}  // namespace cdaudio
