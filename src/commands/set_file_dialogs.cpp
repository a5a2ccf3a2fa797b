// Choosing a set file to save to or to load, with the title bar showing it.
#include <cstdio>
#include <cstring>
#include <string>

#include "cd/program_list.h"
#include "commands/set_file.h"
#include "pads/sample_pads.h"
#include "panel/primitives.h"
#include "shell/console_state.h"
#include "shell/main_window.h"
#include "shell/path_name.h"

using namespace win;

namespace {

constexpr int kSaveNameSize = kSetPathSize;  // the save dialog's name buffer, terminator included
constexpr int kSetTitleSize = kPadTitleSize;  // the load dialog's file-title buffer: a file name
constexpr char kFilter[] = "TORNEL files\0*.tnl\0";
constexpr char kExtension[] = ".tnl";

OPENFILENAMEA SetFileDialog(HWND hwnd, char* file, int fileSize, char* title, int titleSize) {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hwnd;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = static_cast<DWORD>(fileSize);
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = static_cast<DWORD>(titleSize);
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
    return ofn;
}

void ShowInTitle(HWND hwnd, const char* name) {
    const std::string title = std::string(kMainClassName) + " : " + name;
    SetWindowTextA(hwnd, title.c_str());
}

bool CanOpen(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

void TellTooLong(HWND hwnd, const char* text) {
    MessageBoxA(hwnd, text, "Tornel for Windows", MB_OK | MB_ICONWARNING);
}

// One box for the whole set, after the pads are drawn, rather than one a pad.
void TellMissing(HWND hwnd, const std::vector<MissingPadFile>& missing) {
    if (missing.empty()) return;
    std::string message;
    for (const MissingPadFile& pad : missing) {
        message += "Not found: " + pad.path + " (pad " + std::to_string(pad.pad + 1) + ")\n";
    }
    message += missing.size() == 1 ? "\nThat pad stays empty." : "\nThose pads stay empty.";
    MessageBoxA(hwnd, message.c_str(), "Tornel for Windows", MB_OK | MB_ICONWARNING);
}

}  // namespace

void SetFileSaveAs(HWND hwnd) {
    char name[kSaveNameSize] = "";
    OPENFILENAMEA ofn = SetFileDialog(hwnd, name, sizeof name, nullptr, 0);
    if (!GetSaveFileNameA(&ofn)) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            TellTooLong(hwnd, "The chosen path is too long for a set file (4095 characters at most). Nothing was saved.");
            return;
        }
        ShowInTitle(hwnd, "");
        return;
    }
    if (std::strchr(name, '.') == nullptr) {
        if (std::strlen(name) + std::strlen(kExtension) >= sizeof name) {
            TellTooLong(hwnd,
                        "The chosen path is too long for a set file once \".tnl\" is added "
                        "(4095 characters at most). Nothing was saved.");
            return;
        }
        std::strcat(name, kExtension);
    }

    bool write = true;
    if (CanOpen(name)) {
        const std::string question = std::string(name) + " is already exists. OverWrite ?";
        write = MessageBoxA(hwnd, question.c_str(), "Tornel Save", MB_OKCANCEL) == IDOK;
    }
    // A failed save keeps the old title: the window must not look saved.
    if (write && !SetFileWriteOrReport(hwnd, name)) return;
    ShowInTitle(hwnd, name);
}

void SetFileOpen(HWND hwnd) {
    g_setPath[0] = '\0';
    char fileTitle[kSetTitleSize] = "";
    OPENFILENAMEA ofn = SetFileDialog(hwnd, g_setPath, kSetPathSize, fileTitle, sizeof fileTitle);
    if (!GetOpenFileNameA(&ofn)) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            TellTooLong(hwnd,
                        "The chosen set file's path is too long (4095 characters at most, 255 for its name). "
                        "Nothing was loaded.");
        }
        return;
    }
    SetFileLoad(hwnd, fileTitle);
}

// The title bar shows the file's name without its folder, as after the dialog.
void SetFileOpenPath(HWND hwnd, const char* path) {
    if (std::strlen(path) >= sizeof g_setPath) {
        TellTooLong(hwnd, "The set file's path is too long (4095 characters at most). Nothing was loaded.");
        return;
    }
    std::strcpy(g_setPath, path);
    SetFileLoad(hwnd, PathFileName(path));
}

void SetFileLoad(HWND hwnd, const char* fileTitle) {
    ShowInTitle(hwnd, fileTitle);

    // The dialog leaves the current directory alone, so the test uses the
    // full path.
    if (!CanOpen(g_setPath)) {
        const std::string message = std::string(fileTitle) + " not found.";
        MessageBoxA(hwnd, message.c_str(), "Tornel for Windows", MB_OK | MB_ICONERROR);
        return;
    }

    ListClear();
    EngineCloseChannel(g_mixer, 0, 1);
    const std::vector<MissingPadFile> missing = SetFileRead(g_setPath);
    MixerReopen(hwnd);
    InvalidateArea(hwnd, 436, 256, 618, 410);
    TellMissing(hwnd, missing);
}
