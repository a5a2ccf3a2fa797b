#include "devices/cdaudio/disc.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "devices/cdaudio/sheet_text.h"

namespace cdaudio {

namespace {
// Cue sheets and TOC files are a few kilobytes; anything larger is not one.
constexpr std::size_t kMaxSheetBytes = 1 << 20;

// Reads a small text file whole; false when missing or larger than `limit`.
bool ReadTextFile(const std::string& path, std::size_t limit, std::string& text)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    auto size = std::filesystem::file_size(path, error);
    if (error || size > limit) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return text.size() <= limit;
}
}  // namespace

std::vector<Track> TracksFromLengths(const std::vector<std::uint64_t>& lengths)
{
    std::vector<Track> tracks;
    std::uint64_t start = 0;
    for (std::uint64_t length : lengths) {
        tracks.push_back({start, length});
        start += length;
    }
    return tracks;
}

std::shared_ptr<Disc> OpenDisc(const std::string& path, std::string* missingFile)
{
    std::string ignored;
    std::string& missing = missingFile ? *missingFile : ignored;
    missing.clear();
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return OpenFolderDisc(path);
    std::string extension = Upper(std::filesystem::path(path).extension().string());
    if (extension != ".CUE" && extension != ".TOC") return nullptr;
    std::string text;
    if (!ReadTextFile(path, kMaxSheetBytes, text)) return nullptr;
    std::shared_ptr<Disc> disc =
        extension == ".CUE" ? OpenCueSheet(path, text, &missing) : OpenTocFile(path, text, &missing);
    if (disc) missing.clear();
    return disc;
}

}  // namespace cdaudio
