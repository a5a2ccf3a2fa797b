// The Windows program's questions about a disc, in the system's own boxes.
#include "app/disc_prompt.h"

#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>

// Any audio file of a folder disc stands for its folder: the system's file
// box chooses files only.
std::string AskForDisc() {
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter =
        "Disc images and folder tracks\0*.cue;*.toc;*.wav;*.flac;*.ogg;*.opus;*.mp3\0"
        "Disc images (*.cue, *.toc)\0*.cue;*.toc\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = "Insert Disc: a disc image, or any track of a folder of audio files";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) return {};
    const std::string chosen = path;
    const std::size_t dot = chosen.find_last_of('.');
    const std::string extension = dot == std::string::npos ? "" : chosen.substr(dot);
    if (_stricmp(extension.c_str(), ".cue") == 0 || _stricmp(extension.c_str(), ".toc") == 0) return chosen;
    const std::size_t slash = chosen.find_last_of("\\/");
    return slash == std::string::npos ? chosen : chosen.substr(0, slash);
}

void TellMissingFile(const std::string& name) {
    const std::string text =
        "The disc cannot be played: the file \"" + name + "\" that it names is missing or unreadable.";
    MessageBoxA(GetActiveWindow(), text.c_str(), "Insert Disc", MB_OK | MB_ICONWARNING);
}
