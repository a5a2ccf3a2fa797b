#include <algorithm>
#include <filesystem>

#include "devices/cdaudio/file_disc.h"

namespace cdaudio {

// One track per readable audio file, in byte order of the names; other
// files are skipped.
std::shared_ptr<Disc> OpenFolderDisc(const std::string& folder)
{
    std::error_code error;
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error)) names.push_back(it->path().string());
    }
    std::sort(names.begin(), names.end());
    std::vector<FileStretch> stretches;
    for (const std::string& name : names) {
        if (stretches.size() == kMaxTracks) break;
        std::uint64_t length = AudioFileLength(name);
        if (length > 0) stretches.push_back({name, 0, length});
    }
    if (stretches.empty()) return nullptr;
    return std::make_shared<FileDisc>(std::move(stretches));
}

}  // namespace cdaudio
