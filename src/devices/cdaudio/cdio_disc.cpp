#include "devices/cdaudio/cdio_disc.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/memory.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace cdaudio {
namespace {

class CdioDisc : public Disc {
public:
    CdioDisc(CdIo_t* cdio, std::vector<Track> tracks, lsn_t firstSector)
        : Disc(std::move(tracks)), cdio_(cdio), firstSector_(firstSector)
    {
        drive_ = cdio_cddap_identify_cdio(cdio_, CDDA_MESSAGE_FORGETIT, nullptr);
        if (drive_ && cdio_cddap_open(drive_) == 0) paranoia_ = cdio_paranoia_init(drive_);
        if (paranoia_) cdio_paranoia_modeset(paranoia_, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
    }

    ~CdioDisc() override
    {
        if (paranoia_) cdio_paranoia_free(paranoia_);
        if (drive_) cdio_cddap_close_no_free_cdio(drive_);
        cdio_destroy(cdio_);
    }

    bool Read(std::uint64_t at, std::int16_t* out, std::size_t frames) override
    {
        bool ok = true;
        while (frames > 0) {
            if (at >= Length()) {
                std::fill(out, out + frames * 2, std::int16_t{0});
                return false;
            }
            std::size_t t = TrackAt(at);
            std::uint64_t within = at - tracks_[t].start;
            lsn_t sector = firstSector_ + static_cast<lsn_t>(at / kFramesPerSector);
            std::size_t skip = static_cast<std::size_t>(within % kFramesPerSector);
            std::size_t n = std::min<std::size_t>(frames, kFramesPerSector - skip);
            if (tracks_[t].audio) {
                ok = LoadSector(sector) && ok;
                std::memcpy(out, sector_ + skip * 2, n * 2 * sizeof(std::int16_t));
            } else {
                std::fill(out, out + n * 2, std::int16_t{0});  // data is no sound
            }
            at += n;
            out += n * 2;
            frames -= n;
        }
        return ok;
    }

private:
    std::size_t TrackAt(std::uint64_t at) const
    {
        auto next = std::upper_bound(tracks_.begin(), tracks_.end(), at,
                                     [](std::uint64_t frame, const Track& track) { return frame < track.start; });
        return static_cast<std::size_t>(next - tracks_.begin()) - 1;
    }

    // Keeps one sector; reads on a drive go through paranoia in sequence.
    bool LoadSector(lsn_t sector)
    {
        if (loaded_ && sector == loadedSector_) return true;
        loaded_ = false;
        bool ok = false;
        if (paranoia_) {
            if (sector != loadedSector_ + 1) cdio_paranoia_seek(paranoia_, sector, SEEK_SET);
            const std::int16_t* data = cdio_paranoia_read(paranoia_, nullptr);
            ok = data != nullptr;
            if (ok) std::memcpy(sector_, data, sizeof(sector_));
        } else {  // a drive that paranoia cannot take reads plainly
            ok = cdio_read_audio_sectors(cdio_, sector_, sector, 1) == DRIVER_OP_SUCCESS;
        }
        if (!ok) std::memset(sector_, 0, sizeof(sector_));
        loaded_ = ok;
        loadedSector_ = sector;
        return ok;
    }

    CdIo_t* cdio_;
    lsn_t firstSector_;  // of track 1, where the timeline begins
    cdrom_drive_t* drive_ = nullptr;
    cdrom_paranoia_t* paranoia_ = nullptr;
    std::int16_t sector_[kFramesPerSector * 2] = {};
    lsn_t loadedSector_ = -2;
    bool loaded_ = false;
};

// Every track as the disc numbers it, data tracks too (they read as
// silence); the timeline begins at track 1 and runs on sector by sector.
std::shared_ptr<Disc> FromCdio(CdIo_t* cdio)
{
    if (!cdio) return nullptr;
    track_t first = cdio_get_first_track_num(cdio);
    track_t count = cdio_get_num_tracks(cdio);
    std::vector<Track> tracks;
    lsn_t origin = 0;
    bool anyAudio = false;
    if (first != CDIO_INVALID_TRACK && count != CDIO_INVALID_TRACK) {
        for (int t = first; t < first + count && tracks.size() < kMaxTracks; ++t) {
            auto track = static_cast<track_t>(t);
            lsn_t begin = cdio_get_track_lsn(cdio, track);
            lsn_t last = cdio_get_track_last_lsn(cdio, track);
            if (begin == CDIO_INVALID_LSN || last == CDIO_INVALID_LSN || last < begin) break;
            if (tracks.empty()) origin = begin;
            if (begin < origin) break;
            std::uint64_t length = static_cast<std::uint64_t>(last - begin + 1) * kFramesPerSector;
            if (length > kMaxTrackFrames) break;
            bool audio = cdio_get_track_format(cdio, track) == TRACK_FORMAT_AUDIO;
            anyAudio = anyAudio || audio;
            tracks.push_back({static_cast<std::uint64_t>(begin - origin) * kFramesPerSector, length, audio});
        }
    }
    // Tracks must follow one another without gaps on the timeline.
    for (std::size_t t = 1; t < tracks.size(); ++t) tracks[t - 1].length = tracks[t].start - tracks[t - 1].start;
    if (!anyAudio) {
        cdio_destroy(cdio);
        return nullptr;
    }
    auto disc = std::make_shared<CdioDisc>(cdio, std::move(tracks), origin);
    if (char* catalog = cdio_get_mcn(cdio)) {
        disc->SetCatalog(catalog);
        cdio_free(catalog);
    }
    return disc;
}

// libcdio's own handler ends the process on every error it logs (a broken
// TOC, an image that cannot be read, even while playing): errors are known
// here from results, so only its failed assertions still abort.
void IgnoreLog(cdio_log_level_t level, const char*)
{
    if (level == CDIO_LOG_ASSERT) std::abort();
}

void QuietLibcdio()
{
    cdio_loglevel_default = CDIO_LOG_ERROR;
    cdio_log_set_handler(IgnoreLog);
}

}  // namespace

std::shared_ptr<Disc> OpenDriveDisc(const std::string& device)
{
    QuietLibcdio();
    // A BIN/CUE image stands in for a drive in tests; libcdio reads it as
    // it reads a disc, through the same calls.
    std::string extension = std::filesystem::path(device).extension().string();
    driver_id_t driver = extension == ".cue" ? DRIVER_BINCUE : DRIVER_DEVICE;
    return FromCdio(cdio_open(device.c_str(), driver));
}

std::string FindPhysicalDrive()
{
    QuietLibcdio();
    char* device = cdio_get_default_device(nullptr);
    if (!device) return "";
    std::string path = device;
    std::free(device);
    CdIo_t* cdio = cdio_open(path.c_str(), DRIVER_DEVICE);
    if (!cdio) return "";
    cdio_destroy(cdio);
    return path;
}

void EjectDrive(const std::string& device) { cdio_eject_media_drive(device.c_str()); }

void CloseDriveTray(const std::string& device) { cdio_close_tray(device.c_str(), nullptr); }

}  // namespace cdaudio
