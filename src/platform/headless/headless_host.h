// The host behind headless::Session: a virtual clock, scripted answers to
// modal questions and a record of what was asked.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialog_state.h"
#include "platform/host.h"

namespace headless {

class HeadlessHost final : public win::Host {
public:
    win::DWORD now = 1000000;  // virtual ticks; any non-zero start
    bool closeWhenIdle = false;
    bool closeSent = false;
    win::HWND mainWindow = nullptr;  // the first window created, kept after it is destroyed
    win::HMENU mainMenu = nullptr;
    std::string mainTitle;
    std::vector<std::function<void(win::DWORD)>> advanceListeners;
    std::deque<int> messageBoxAnswers;
    std::deque<std::string> fileAnswers;
    std::deque<std::function<void(win::DialogState&)>> dialogScripts;
    std::vector<win::FileChoice> fileChoices;  // what each file dialog offered
    std::vector<std::string> messageBoxes;  // "caption|text|type"
    std::vector<std::string> openedDocuments;
    std::vector<std::string> calls;

    win::DWORD TickCount() override { return now; }
    bool WaitForInput(win::DWORD deadline) override;
    void WindowCreated(win::HWND hwnd, const char* title) override;
    void WindowTitleChanged(win::HWND hwnd, const char* title) override;
    void MenuAttached(win::HWND hwnd, win::HMENU menu) override;
    int MessageBox(win::HWND owner, const char* text, const char* caption, win::UINT type) override;
    bool ChooseFile(win::HWND owner, const win::FileChoice& choice, std::string& path) override;
    void RunDialog(win::DialogState& dialog) override;
    bool OpenDocument(const char* path) override;
};

}  // namespace headless
