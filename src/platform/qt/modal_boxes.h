// Message boxes and file dialogs, run window-modal on a nested message loop
// so that the main window's timers and paints go on.
#pragma once

#include <QWidget>
#include <string>

#include "platform/host.h"

namespace qthost {

// IDOK or IDCANCEL, as MessageBoxA answers for MB_OK / MB_OKCANCEL.
int ShowMessageBox(QWidget* owner, const char* text, const char* caption, win::UINT type);

// Qt's own file dialog, opening at the choice's file or folder, else where
// the last one ended (at first the current directory). Open wants an
// existing file; save takes any name and asks nothing (the caller asks about
// overwriting itself). False on cancel; `path` is a full path.
bool ChooseFileDialog(QWidget* owner, const win::FileChoice& choice, std::string& path);

// Runs an open()ed dialog until it finishes.
void RunModal(class QDialog& dialog);

}  // namespace qthost
