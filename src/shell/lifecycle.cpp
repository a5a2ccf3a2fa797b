// Start-up and shutdown of the console, in their fixed orders.
#include <cstdio>
#include <cstring>
#include <string>

#include "cd/cd_transport.h"
#include "pads/midi_console.h"
#include "pads/sample_pads.h"
#include "panel/panel_bitmaps.h"
#include "shell/console_state.h"
#include "shell/main_window.h"

using namespace win;

namespace {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

constexpr DWORD kLanguageJapanese = 0x411;
// "Japanese" in Japanese, Shift-JIS, with its terminator: what a Japanese
// system names the language 0x411.
constexpr char kJapaneseName[7] = {'\x93', '\xFA', '\x96', '\x7B', '\x8C', '\xEA', '\0'};

// True from Korvex_OnCreate to the first Korvex_OnDestroy: Exit runs the
// shutdown directly, and the window's own destruction must not run it again.
bool s_consoleUp = false;

void StoreStartDirectory() {
    const DWORD length = GetCurrentDirectoryA(kStartDirSize, g_startDir);
    if (length == 0 || length >= kStartDirSize) g_startDir[0] = '\0';
}

// Empty: the documents are in the start directory.
std::string s_documentFolder;

// A folder too long for the path field gives no path rather than a cut one,
// which could name another file; so does an unknown folder, which would make
// the name one at the root.
void StoreDocumentPath(char (&path)[kDocPathSize], const char* folder, const char* name) {
    path[0] = '\0';
    if (folder[0] == '\0') return;
    const int length = std::snprintf(path, kDocPathSize, "%s%c%s", folder, kPathSeparator, name);
    if (length < 0 || length >= kDocPathSize) path[0] = '\0';
}

void ChooseDocuments() {
    char language[sizeof kJapaneseName] = {};
    VerLanguageNameA(kLanguageJapanese, language, sizeof language);
    const bool japanese = std::memcmp(language, kJapaneseName, sizeof kJapaneseName) == 0;
    const char* folder = s_documentFolder.empty() ? g_startDir : s_documentFolder.c_str();
    StoreDocumentPath(g_readmePath, folder, japanese ? "readmej.txt" : "readme.txt");
    StoreDocumentPath(g_helpPath, folder, japanese ? "tornelj.htm" : "tornel.htm");
}

}  // namespace

void SetDocumentFolder(const char* folder) { s_documentFolder = folder ? folder : ""; }

BOOL Korvex_OnCreate(HWND hwnd, CREATESTRUCTA* /*create*/) {
    g_hMenu = LoadMenuA(g_hInst, "KorvexMenu1");
    SetMenu(hwnd, g_hMenu);
    SampleDeckStart();
    for (int i = 0; i < kBitmapCount; ++i) g_bitmaps[i] = LoadBitmapA(g_hInst, kBitmapNames[i]);
    StoreStartDirectory();
    ChooseDocuments();
    CdInit();
    // Sound files, set files and discs come from the file manager too.
    DragAcceptFiles(hwnd, TRUE);
    MidiInputsOpen(hwnd);
    s_consoleUp = true;
    return TRUE;
}

// The slots and the menu handle are cleared as they are freed, so a paint
// that still arrives after Exit draws no freed bitmap.
void Korvex_OnDestroy(HWND /*hwnd*/) {
    if (!s_consoleUp) return;
    s_consoleUp = false;
    MidiInputsClose();
    MixerClose();
    for (HBITMAP& bitmap : g_bitmaps) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    CdStop();
    DestroyMenu(g_hMenu);
    g_hMenu = nullptr;
    PostQuitMessage(0);
}
