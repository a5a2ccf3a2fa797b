#include <cctype>
#include <algorithm>
#include <filesystem>

#include "devices/cdaudio/audio_file.h"
#include "devices/cdaudio/disc_layout.h"

namespace cdaudio {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Names as a file manager orders them: runs of digits by their value
// ("2 - song" before "10 - song"), letters without regard to case, and
// byte order to settle what is still equal.
bool NaturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t zi = a.find_first_not_of('0', i), zj = b.find_first_not_of('0', j);
            std::size_t ei = std::find_if_not(a.begin() + i, a.end(), IsDigit) - a.begin();
            std::size_t ej = std::find_if_not(b.begin() + j, b.end(), IsDigit) - b.begin();
            zi = std::min(zi, ei);
            zj = std::min(zj, ej);
            if (ei - zi != ej - zj) return ei - zi < ej - zj;
            int order = a.compare(zi, ei - zi, b, zj, ej - zj);
            if (order != 0) return order < 0;
            i = ei;
            j = ej;
            continue;
        }
        int ca = std::tolower(static_cast<unsigned char>(a[i])), cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb) return ca < cb;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
    return a < b;
}

}  // namespace

// One track per readable audio file in natural order of the names; hidden
// files and what libsndfile cannot read are passed over.
std::shared_ptr<Disc> OpenFolderDisc(const std::string& folder)
{
    std::error_code error;
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && it->is_regular_file(error)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    DiscLayout layout;
    for (const std::string& name : names) {
        if (layout.TrackCount() == kMaxTracks) break;
        std::string path = (std::filesystem::path(folder) / name).string();
        std::uint64_t length = AudioFile::LengthOf(path);
        if (length == 0) continue;
        layout.BeginTrack(true);
        layout.AddAudio(layout.AddSource(path, SourceKind::Decoded), 0, length);
    }
    return layout.Build();
}

}  // namespace cdaudio
