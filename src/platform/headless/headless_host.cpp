#include "platform/headless/headless_host.h"

namespace headless {

// Nothing more will arrive in a test, so waiting would be forever: either
// close the window (CloseWhenIdle) or end the loop.
bool HeadlessHost::WaitForInput(win::DWORD) {
    win::HWND main = win::MainWindow();
    if (!closeWhenIdle || closeSent || !main) return false;
    closeSent = true;
    win::PostHostMessage(main, win::WM_CLOSE, 0, 0);
    return true;
}

void HeadlessHost::WindowCreated(win::HWND hwnd, const char* title) {
    if (mainWindow) return;
    mainWindow = hwnd;
    mainTitle = title ? title : "";
}

void HeadlessHost::WindowTitleChanged(win::HWND hwnd, const char* title) {
    if (hwnd == mainWindow) mainTitle = title ? title : "";
}

void HeadlessHost::MenuAttached(win::HWND hwnd, win::HMENU menu) {
    if (hwnd == mainWindow) mainMenu = menu;
}

int HeadlessHost::MessageBox(win::HWND, const char* text, const char* caption, win::UINT type) {
    messageBoxes.push_back(std::string(caption) + "|" + text + "|" + std::to_string(type));
    if (!messageBoxAnswers.empty()) {
        const int answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    return (type & 0xF) == win::MB_OK ? win::IDOK : win::IDCANCEL;
}

bool HeadlessHost::ChooseFile(win::HWND, const win::FileChoice& choice, std::string& path) {
    fileChoices.push_back(choice);
    if (fileAnswers.empty()) return false;
    path = fileAnswers.front();
    fileAnswers.pop_front();
    return !path.empty();
}

void HeadlessHost::RunDialog(win::DialogState& dialog) {
    if (!dialogScripts.empty()) {
        auto script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        script(dialog);
    }
    if (!dialog.ended) dialog.Dismiss();
}

bool HeadlessHost::OpenDocument(const char* path) {
    openedDocuments.push_back(path);
    return true;
}

}  // namespace headless
