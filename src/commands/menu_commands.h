// The menu bar's commands.
#pragma once

#include "platform/win.h"
#include "resources/command_ids.h"

void Korvex_OnCommand(win::HWND hwnd, int id, win::HWND control, win::UINT notifyCode);
void ShowDocument(win::HWND hwnd, const char* path);
