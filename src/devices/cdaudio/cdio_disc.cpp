#include "devices/cdaudio/cdio_disc.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace cdaudio {
namespace {

class CdioDisc : public Disc {
public:
    CdioDisc(CdIo_t* cdio, std::vector<Track> tracks, std::vector<lsn_t> firstSectors, bool errorCorrected)
        : Disc(std::move(tracks)), cdio_(cdio), firstSectors_(std::move(firstSectors))
    {
        if (!errorCorrected) return;
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
            lsn_t sector = firstSectors_[t] + static_cast<lsn_t>(within / kFramesPerSector);
            std::size_t skip = static_cast<std::size_t>(within % kFramesPerSector);
            std::size_t n = std::min<std::size_t>(frames, kFramesPerSector - skip);
            ok = LoadSector(sector) && ok;
            std::memcpy(out, sector_ + skip * 2, n * 2 * sizeof(std::int16_t));
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
        } else {
            ok = cdio_read_audio_sectors(cdio_, sector_, sector, 1) == DRIVER_OP_SUCCESS;
        }
        if (!ok) std::memset(sector_, 0, sizeof(sector_));
        loaded_ = ok;
        loadedSector_ = sector;
        return ok;
    }

    CdIo_t* cdio_;
    std::vector<lsn_t> firstSectors_;  // per track
    cdrom_drive_t* drive_ = nullptr;
    cdrom_paranoia_t* paranoia_ = nullptr;
    std::int16_t sector_[kFramesPerSector * 2] = {};
    lsn_t loadedSector_ = -2;
    bool loaded_ = false;
};

std::shared_ptr<Disc> FromCdio(CdIo_t* cdio, bool errorCorrected)
{
    if (!cdio) return nullptr;
    track_t first = cdio_get_first_track_num(cdio);
    track_t count = cdio_get_num_tracks(cdio);
    std::vector<std::uint64_t> lengths;
    std::vector<lsn_t> firstSectors;
    if (first != CDIO_INVALID_TRACK && count != CDIO_INVALID_TRACK) {
        for (int t = first; t < first + count && lengths.size() < kMaxTracks; ++t) {
            auto track = static_cast<track_t>(t);
            if (cdio_get_track_format(cdio, track) != TRACK_FORMAT_AUDIO) continue;
            lsn_t begin = cdio_get_track_lsn(cdio, track);
            lsn_t last = cdio_get_track_last_lsn(cdio, track);
            if (begin == CDIO_INVALID_LSN || last == CDIO_INVALID_LSN || last < begin) continue;
            std::uint64_t length = static_cast<std::uint64_t>(last - begin + 1) * kFramesPerSector;
            if (length > kMaxTrackFrames) continue;
            lengths.push_back(length);
            firstSectors.push_back(begin);
        }
    }
    if (lengths.empty()) {
        cdio_destroy(cdio);
        return nullptr;
    }
    return std::make_shared<CdioDisc>(cdio, TracksFromLengths(lengths), std::move(firstSectors), errorCorrected);
}

// libcdio divides by the sector size of a track whose TRACK line names no
// mode (it reads a line up to a NUL or "//"), and that size is then 0.
bool TrackWithoutMode(const std::string& line)
{
    std::istringstream words(line.substr(0, std::min(line.find('\0'), line.find("//"))));
    std::string keyword, mode;
    return words >> keyword && keyword == "TRACK" && !(words >> mode);
}

// libcdio looks for the files a TOC names relative to the current folder,
// not to the TOC; so it is given a copy of the TOC naming them in full.
// Returns the copy's path ("" on failure, or for a TOC libcdio would crash
// on); the caller removes it.
std::string TocWithFullPaths(const std::string& tocPath)
{
    std::ifstream in(tocPath, std::ios::binary);
    if (!in) return "";
    std::filesystem::path folder = std::filesystem::path(tocPath).parent_path();
    std::string text, line;
    while (std::getline(in, line)) {
        if (TrackWithoutMode(line)) return "";
        std::size_t keyword = line.find_first_not_of(" \t");
        bool namesFile = keyword != std::string::npos &&
                         (line.compare(keyword, 5, "FILE ") == 0 || line.compare(keyword, 10, "AUDIOFILE ") == 0 ||
                          line.compare(keyword, 9, "DATAFILE ") == 0);
        std::size_t open = namesFile ? line.find('"', keyword) : std::string::npos;
        std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
        if (close != std::string::npos) {
            std::filesystem::path name = line.substr(open + 1, close - open - 1);
            if (name.is_relative()) line.replace(open + 1, close - open - 1, (folder / name).string());
        }
        text += line + "\n";
    }
    char copy[] = "/tmp/tornel-toc-XXXXXX.toc";
    int fd = mkstemps(copy, 4);
    if (fd < 0) return "";
    bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    if (!written) {
        unlink(copy);
        return "";
    }
    return copy;
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

std::shared_ptr<Disc> OpenImageDisc(const std::string& path, bool cdrdaoToc)
{
    QuietLibcdio();
    if (!cdrdaoToc) return FromCdio(cdio_open(path.c_str(), DRIVER_BINCUE), false);
    std::string copy = TocWithFullPaths(path);
    if (copy.empty()) return nullptr;
    std::shared_ptr<Disc> disc = FromCdio(cdio_open(copy.c_str(), DRIVER_CDRDAO), false);
    unlink(copy.c_str());
    return disc;
}

std::shared_ptr<Disc> OpenDriveDisc(const std::string& device)
{
    QuietLibcdio();
    return FromCdio(cdio_open(device.c_str(), DRIVER_DEVICE), true);
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

}  // namespace cdaudio
