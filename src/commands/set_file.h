// Set files (".tnl"): the pads, the program list, the loop counts and the rate.
#pragma once

#include <string>
#include <vector>

#include "platform/win.h"

// Writes the setup to path. Returns 1 when the file was written whole.
int SetFileWrite(const char* path);
// SetFileWrite, telling the user in a message box when the file could not be
// written (the file that was there is left as it was).
int SetFileWriteOrReport(win::HWND hwnd, const char* path);
void SetFileSaveAs(win::HWND hwnd);
void SetFileOpen(win::HWND hwnd);
// Loads the set file at g_setPath as the Load command does once its dialog
// has chosen it; `fileTitle` (the name without folder) goes to the title bar.
void SetFileLoad(win::HWND hwnd, const char* fileTitle);
// The Load command for a file chosen outside its dialog (the command line,
// the file manager, a drop on the window).
void SetFileOpenPath(win::HWND hwnd, const char* path);
// A pad whose file is nowhere to be found: the pad (0 to 6) and the path its
// line named.
struct MissingPadFile {
    int pad;
    std::string path;
};
// Reads a set file's lines into the console (the reader of SetFileOpen,
// without dialog, channel stop or reopen). Returns the pads whose files were
// not found.
std::vector<MissingPadFile> SetFileRead(const char* path);
