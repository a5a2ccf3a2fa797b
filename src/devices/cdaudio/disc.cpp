#include "devices/cdaudio/disc.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace cdaudio {

namespace {
// Cue sheets and TOC files are a few kilobytes; anything larger is not one.
constexpr std::size_t kMaxSheetBytes = 1 << 20;

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Reads a small text file whole; false when missing or larger than `limit`.
bool ReadTextFile(const std::string& path, std::size_t limit, std::string& text)
{
    std::error_code error;
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

bool CueNamesRawImages(const std::string& cueText)
{
    std::istringstream lines(cueText);
    std::string line;
    while (std::getline(lines, line)) {
        std::string lower = Lower(line);
        std::size_t first = lower.find_first_not_of(" \t");
        if (first == std::string::npos || lower.compare(first, 5, "file ") != 0) continue;
        std::size_t last = lower.find_last_not_of(" \t\r");
        std::size_t typeBegin = lower.find_last_of(" \t", last);
        std::string type = lower.substr(typeBegin + 1, last - typeBegin);
        if (type == "binary" || type == "motorola") return true;
    }
    return false;
}

std::shared_ptr<Disc> OpenDisc(const std::string& path, std::string* missingFile)
{
    if (missingFile) missingFile->clear();
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return OpenFolderDisc(path);
    std::string extension = Lower(std::filesystem::path(path).extension().string());
    if (extension == ".cue") {
        std::string text;
        if (!ReadTextFile(path, kMaxSheetBytes, text)) return nullptr;
        return CueNamesRawImages(text) ? OpenImageDisc(path, false) : OpenCueOverFiles(path, text);
    }
    if (extension == ".toc") {
        std::error_code sizeError;
        if (std::filesystem::file_size(path, sizeError) > kMaxSheetBytes || sizeError) return nullptr;
        return OpenImageDisc(path, true);
    }
    return nullptr;
}

}  // namespace cdaudio
