// Dropped files as the shell hands them to a window.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/core/call_log.h"
#include "platform/core/core_state.h"

namespace win {

struct DropFiles {
    std::vector<std::string> paths;
    POINT at;
};

HDROP CreateHostDrop(std::vector<std::string> paths, POINT at) { return new DropFiles{std::move(paths), at}; }

bool AcceptsDrops(HWND hwnd) {
    const Window* window = core::FindWindow(hwnd);
    return window && window->acceptsDrops;
}

void DragAcceptFiles(HWND hwnd, BOOL accept) {
    core::LogCall("DragAcceptFiles", accept);
    Window* window = core::FindWindow(hwnd);
    if (!window) return;
    window->acceptsDrops = accept != FALSE;
    core::CurrentHostOrNull().DropsAccepted(hwnd, window->acceptsDrops);
}

// As the system's: the copy is cut to fit and terminated; the result is the
// number of bytes copied, without the terminator.
UINT DragQueryFileA(HDROP drop, UINT index, char* file, UINT size) {
    if (!drop) return 0;
    if (index == 0xFFFFFFFF) return static_cast<UINT>(drop->paths.size());
    if (index >= drop->paths.size()) return 0;
    const std::string& path = drop->paths[index];
    if (!file) return static_cast<UINT>(path.size());
    if (size == 0) return 0;
    const std::size_t copied = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(file, path.data(), copied);
    file[copied] = '\0';
    return static_cast<UINT>(copied);
}

BOOL DragQueryPoint(HDROP drop, POINT* point) {
    if (!drop || !point) return FALSE;
    *point = drop->at;
    return point->x >= 0 && point->y >= 0 && point->x < kClientWidth && point->y < kClientHeight;
}

void DragFinish(HDROP drop) { delete drop; }

}  // namespace win
