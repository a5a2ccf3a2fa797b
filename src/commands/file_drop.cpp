#include "commands/file_drop.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "cd/cd_timers.h"
#include "commands/set_file.h"
#include "pads/sample_pads.h"
#include "shell/console_state.h"
#include "shell/path_name.h"

using namespace win;

namespace {

constexpr int kPadLeft = 74, kPadTop = 256, kPadBottom = 410, kPadColumnWidth = 42;

bool Inside(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x < right && y >= top && y < bottom;
}

int PadColumn(int x, int y) {
    if (!Inside(x, y, kPadLeft, kPadTop, kPadLeft + kPadColumnWidth * kPadCount, kPadBottom)) return -1;
    return (x - kPadLeft) / kPadColumnWidth;
}

// The CD display and the two rows of track buttons.
bool OnDeck(int x, int y) { return Inside(x, y, 32, 90, 380, 240) || Inside(x, y, 320, 30, 560, 78); }

bool HasExtension(const std::string& path, const char* extension) {
    const std::string name = PathFileName(path.c_str());
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string found = name.substr(dot);
    for (char& c : found) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return found == extension;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(path), error);
}

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(drop, i, nullptr, 0), '\0');
        DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
        paths.push_back(path);
    }
    return paths;
}

}  // namespace

// A folder stands for itself; an audio file for the folder that holds it.
std::string DroppedDisc(const std::string& path) {
    if (IsFolder(path) || HasExtension(path, ".cue") || HasExtension(path, ".toc")) return path;
    return std::filesystem::path(path).parent_path().string();
}

// The disc goes to the drive in a quoted command, so a name with a double
// quote cannot; set files and pads take a drop only of their own files.
DropKind DropFilesKind(int x, int y, const std::vector<std::string>& paths) {
    if (paths.empty()) return DROP_REFUSED;
    if (paths.size() == 1 && HasExtension(paths[0], ".tnl") && IsFile(paths[0])) return DROP_SET_FILE;
    if (PadColumn(x, y) >= 0) {
        for (const std::string& path : paths) {
            if (!IsFile(path) || !PadTakesFile(path.c_str())) return DROP_REFUSED;
        }
        return DROP_PADS;
    }
    if (OnDeck(x, y) && paths.size() == 1 && paths[0].find('"') == std::string::npos) {
        const std::string& path = paths[0];
        const bool sheet = HasExtension(path, ".cue") || HasExtension(path, ".toc");
        if (IsFolder(path) || (IsFile(path) && (sheet || PadTakesFile(path.c_str())))) return DROP_DISC;
    }
    return DROP_REFUSED;
}

// Several sound files fill the pad under the pointer and the ones to its
// right; what goes past the last pad is left out.
void Korvex_OnDropFiles(HWND hwnd, HDROP drop) {
    POINT at{};
    DragQueryPoint(drop, &at);
    const std::vector<std::string> paths = DroppedPaths(drop);
    DragFinish(drop);
    switch (DropFilesKind(at.x, at.y, paths)) {
        case DROP_PADS:
            for (int p = PadColumn(at.x, at.y), i = 0; p < kPadCount && i < static_cast<int>(paths.size()); ++p, ++i) {
                PadLoadFile(hwnd, p, paths[i].c_str());
            }
            return;
        case DROP_SET_FILE:
            SetFileOpenPath(hwnd, paths[0].c_str());
            return;
        case DROP_DISC:
            CdInsertDisc(hwnd, DroppedDisc(paths[0]).c_str());
            return;
        case DROP_REFUSED:
            return;
    }
}

BOOL Korvex_OnQueryDrop(HWND /*hwnd*/, HDROP drop) {
    POINT at{};
    DragQueryPoint(drop, &at);
    const std::vector<std::string> paths = DroppedPaths(drop);
    DragFinish(drop);
    return DropFilesKind(at.x, at.y, paths) != DROP_REFUSED;
}
