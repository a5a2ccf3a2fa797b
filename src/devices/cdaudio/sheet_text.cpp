#include "devices/cdaudio/sheet_text.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "audio/sound_file.h"

namespace cdaudio {
namespace {

bool AllDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string Upper(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::optional<std::uint64_t> ParseCount(const std::string& word)
{
    // Twelve digits are far beyond any disc, and keep sums from overflowing.
    if (!AllDigits(word) || word.size() > 12) return std::nullopt;
    return std::stoull(word);
}

std::optional<std::uint64_t> ParseMsf(const std::string& word)
{
    std::size_t first = word.find(':');
    std::size_t second = first == std::string::npos ? first : word.find(':', first + 1);
    if (second == std::string::npos || word.find(':', second + 1) != std::string::npos) return std::nullopt;
    std::string minutes = word.substr(0, first);
    std::string seconds = word.substr(first + 1, second - first - 1);
    std::string frames = word.substr(second + 1);
    if (minutes.size() > 6 || seconds.size() > 2 || frames.size() > 2) return std::nullopt;
    if (!AllDigits(minutes) || !AllDigits(seconds) || !AllDigits(frames)) return std::nullopt;
    std::uint64_t m = std::stoull(minutes), s = std::stoull(seconds), f = std::stoull(frames);
    if (s >= 60 || f >= 75 || m > 100000) return std::nullopt;
    return (m * 60 + s) * 75 + f;
}

std::string FileBesideSheet(const std::string& sheetPath, const std::string& name)
{
    if (name.empty()) return "";
    std::filesystem::path named(name);
    std::filesystem::path path = named.is_absolute() ? named : std::filesystem::path(sheetPath).parent_path() / named;
    if (IsRegularFile(path)) return path.string();
    std::string wanted = Upper(path.filename().string());
    std::error_code error;
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (Upper(it->path().filename().string()) == wanted && IsRegularFile(it->path())) return it->path().string();
    }
    return "";
}

std::uint64_t FileBytes(const std::string& path)
{
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

bool HasAudioHeader(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = audio::OpenSoundFile(path.c_str(), &info);
    if (!file) return false;
    sf_close(file);
    return (info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_RAW;
}

}  // namespace cdaudio
