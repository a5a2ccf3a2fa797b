// A set file names its pads' files by full paths of the system it was saved
// on. Copied elsewhere with its samples, the set still holds the way from
// its own folder to each file in the paths' last components: the Windows
// path of SAMPLES and KICK.WAV in C:'s TORNEL folder is looked for as
// TORNEL/SAMPLES/KICK.WAV, SAMPLES/KICK.WAV and KICK.WAV under the set
// file's folder, whatever the case of the names on disk. The search only
// descends: ".." names no folder, so it never leaves the set file's folder,
// and a linked loop ends with the path.
#include "commands/pad_file_search.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "commands/old_code_page.h"
#include "shell/console_state.h"

using namespace win;

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
bool IsNativeSeparator(char c) { return c == '\\' || c == '/'; }
#else
constexpr char kSeparator = '/';
bool IsNativeSeparator(char c) { return c == '/'; }
#endif

// Folders one pad line may list: far beyond any real set, and a bound on
// what a path of thousands of components through a linked loop would cost.
constexpr int kListingBudget = 256;

bool IsAnySeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(const char* path) { return std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':'; }

bool FitsPad(const std::string& path) { return path.size() < static_cast<std::size_t>(kPadPathSize); }

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (IsNativeSeparator(folder.back())) return folder + name;
    return folder + kSeparator + name;
}

// "\" separates as well as "/" on every system; a drive and empty or "."
// components name no folder to look in.
std::vector<std::string> Components(const char* path) {
    std::vector<std::string> parts;
    const char* at = HasDrive(path) ? path + 2 : path;
    while (*at != '\0') {
        const char* end = at;
        while (*end != '\0' && !IsAnySeparator(*end)) ++end;
        const std::string part(at, end);
        if (!part.empty() && part != ".") parts.push_back(part);
        at = *end != '\0' ? end + 1 : end;
    }
    return parts;
}

// The names in folder that are `name` ignoring case: the one of the same
// case first, the others in the order of their bytes, so that the same disk
// always gives the same answer.
std::vector<std::string> Matches(const std::string& folder, const std::string& name, int& budget) {
    std::vector<std::string> names;
    if (budget <= 0) return names;
    --budget;
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA(Join(folder.empty() ? "." : folder, "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const char* entry = data.cFileName;
        if (std::strcmp(entry, ".") != 0 && std::strcmp(entry, "..") != 0 &&
            SameNameIgnoringCase(entry, name.c_str())) {
            names.emplace_back(entry);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end(), [&name](const std::string& a, const std::string& b) {
        if ((a == name) != (b == name)) return a == name;
        return a < b;
    });
    return names;
}

bool Descend(const std::string& folder, const std::vector<std::string>& parts, std::size_t i, int& budget,
             std::string& found) {
    const bool last = i + 1 == parts.size();
    for (const std::string& name : Matches(folder, parts[i], budget)) {
        const std::string path = Join(folder, name);
        if (!FitsPad(path)) continue;
        if (last && IsFile(path)) {
            found = path;
            return true;
        }
        if (!last && IsFolder(path) && Descend(path, parts, i + 1, budget, found)) return true;
    }
    return false;
}

// Upper case to lower in the scripts of the old code pages: Latin, Greek,
// Cyrillic and the full-width Latin of Shift-JIS.
char32_t Folded(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if ((c >= 0x100 && c < 0x130) || (c >= 0x132 && c < 0x138) || (c >= 0x14A && c < 0x178)) return c | 1;
    if ((c >= 0x139 && c < 0x149) || (c >= 0x179 && c < 0x17F)) return c + (c & 1);
    if (c == 0x178) return 0xFF;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;
    return c;
}

}  // namespace

std::string SetFileFolder(const char* setPath) {
    const std::string path = setPath;
    std::size_t name = path.size();
    while (name > 0 && !IsNativeSeparator(path[name - 1])) --name;
    if (name == 0) return "";
    std::string folder = path.substr(0, name - 1);
    // A set file at the root keeps the root's separator.
    if (folder.empty() || (folder.size() == 2 && HasDrive(folder.c_str()))) folder = path.substr(0, name);
    return folder;
}

std::string FindPadFileAsWritten(const std::string& setFolder, const char* written) {
    // Relative, it means what it meant to the old console, whose Load dialog
    // made the set file's folder current, "\" and ".." included.
    const bool relative = !HasDrive(written) && !IsAnySeparator(written[0]);
    if (relative) {
        std::string path = Join(setFolder, written);
        std::replace(path.begin() + static_cast<std::ptrdiff_t>(path.size() - std::strlen(written)), path.end(), '\\',
                     kSeparator);
        if (FitsPad(path) && IsFile(path)) return path;
    }
    return IsFile(written) ? written : "";
}

std::string SearchPadFile(const std::string& setFolder, const char* written) {
    const std::vector<std::string> parts = Components(written);
    int budget = kListingBudget;
    std::string found;
    for (std::size_t first = 0; first < parts.size(); ++first) {
        const std::vector<std::string> tail(parts.begin() + static_cast<std::ptrdiff_t>(first), parts.end());
        if (Descend(setFolder, tail, 0, budget, found)) return found;
    }
    return "";
}

const char* NameInPath(const char* path) {
    const char* name = path;
    for (const char* at = path; *at != '\0'; ++at) {
        if (IsAnySeparator(*at)) name = at + 1;
    }
    return name;
}

bool SameNameIgnoringCase(const char* a, const char* b) {
    while (*a != '\0' && *b != '\0') {
        if (Folded(NextCodePoint(a)) != Folded(NextCodePoint(b))) return false;
    }
    return *a == '\0' && *b == '\0';
}
