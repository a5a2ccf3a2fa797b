// The program's spine: entry, window class, main window, window procedure,
// start-up and shutdown.
#pragma once

#include "platform/win.h"

extern const char kMainClassName[];  // "Tornel for Windows Ver3.0", also the title

int WinMain(win::HINSTANCE instance, win::HINSTANCE previous, char* commandLine, int showCmd);
win::ATOM RegisterMainClass(win::HINSTANCE instance);
int CreateMainWindow(win::HINSTANCE instance, int showCmd);
win::LRESULT KorvexWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
win::BOOL Korvex_OnCreate(win::HWND hwnd, win::CREATESTRUCTA* create);
void Korvex_OnDestroy(win::HWND hwnd);

// Where Help > README and Help > Help find their documents: the directory
// current at start-up, unless the program names another folder before its
// window is created (installed, the documents live in its share folder).
// Null or "" goes back to the start directory.
void SetDocumentFolder(const char* folder);
