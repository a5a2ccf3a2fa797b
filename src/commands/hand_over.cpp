#include "commands/hand_over.h"

#include <cstring>
#include <string>

#include "commands/set_file.h"

using namespace win;

LRESULT HandOverSetFile(HWND target, HWND from, const char* path) {
    std::string bytes = path ? path : "";
    COPYDATASTRUCT data{kHandOverSetFile, static_cast<DWORD>(bytes.size()), bytes.data()};
    return SendMessageA(target, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data));
}

// Anything not marked as ours is refused: another program may send the
// window whatever it likes.
BOOL Korvex_OnCopyData(HWND hwnd, HWND /*from*/, const COPYDATASTRUCT* data) {
    if (data == nullptr || data->dwData != kHandOverSetFile) return FALSE;
    if (data->cbData == 0) return TRUE;
    if (data->lpData == nullptr) return FALSE;
    const std::string path(static_cast<const char*>(data->lpData), data->cbData);
    if (path.find('\0') != std::string::npos) return FALSE;
    SetFileOpenPath(hwnd, path.c_str());
    return TRUE;
}
