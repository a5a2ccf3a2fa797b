// The four modal dialogs' procedures and handlers.
#pragma once

#include "platform/win.h"
#include "resources/command_ids.h"

win::INT_PTR AboutDlgProc(win::HWND dlg, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
win::INT_PTR BriefDlgProc(win::HWND dlg, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
win::INT_PTR WaveLoopDlgProc(win::HWND dlg, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
win::INT_PTR WaveSpeedDlgProc(win::HWND dlg, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

win::BOOL Dialog_OnInitDialog(win::HWND dlg, win::HWND focus, win::LPARAM lParam);
void About_OnCommand(win::HWND dlg, int id, win::HWND control, win::UINT notifyCode);
void Brief_OnCommand(win::HWND dlg, int id, win::HWND control, win::UINT notifyCode);
win::BOOL WaveLoop_OnInitDialog(win::HWND dlg, win::HWND focus, win::LPARAM lParam);
void WaveLoop_OnCommand(win::HWND dlg, int id, win::HWND control, win::UINT notifyCode);
win::BOOL WaveSpeed_OnInitDialog(win::HWND dlg, win::HWND focus, win::LPARAM lParam);
void WaveSpeed_OnCommand(win::HWND dlg, int id, win::HWND control, win::UINT notifyCode);
