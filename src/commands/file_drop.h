// Files dropped from the file manager onto the window: sound files on the
// pads, a set file anywhere, a disc on the CD display or the track buttons.
#pragma once

#include <string>
#include <vector>

#include "platform/win.h"

enum DropKind { DROP_REFUSED, DROP_PADS, DROP_SET_FILE, DROP_DISC };

// What dropping `paths` at (x, y) would do.
DropKind DropFilesKind(int x, int y, const std::vector<std::string>& paths);
// The folder, .cue or .toc that a disc drop puts in the drive.
std::string DroppedDisc(const std::string& path);
void Korvex_OnDropFiles(win::HWND hwnd, win::HDROP drop);
// Nonzero when the drop would act; the drop is finished either way.
win::BOOL Korvex_OnQueryDrop(win::HWND hwnd, win::HDROP drop);
