// The top-level window: title, menu bar and the panel. Closing it asks the
// window procedure (WM_CLOSE); it goes away only when the core destroys it.
#pragma once

#include <QWidget>
#include <map>

#include "platform/menu_state.h"
#include "platform/win.h"

class QAction;
class QMenu;
class QMenuBar;

namespace qthost {

class PanelWidget;

class HostWindow : public QWidget {
public:
    HostWindow(win::HWND hwnd, const char* title);

    PanelWidget* Panel() const { return panel_; }
    void SetTitle(const char* title);
    void AttachMenu(win::HMENU menu);
    void SetChecked(win::HMENU menu, win::UINT id, bool checked);
    // Shows the window, then what it holds.
    void ShowWithContents();
    // The core destroyed the window: hide it for good.
    void Destroyed();
    // Gives the keyboard back to the panel (after a menu or a modal box).
    void FocusPanel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AddEntries(QMenu* menu, const std::vector<win::MenuEntry>& entries);
    QSize SizeWithContents() const;

    win::HWND hwnd_;
    PanelWidget* panel_;
    QMenuBar* menuBar_;
    win::HMENU menu_ = nullptr;
    std::map<win::UINT, QAction*> actions_;  // command id -> item
    bool destroyed_ = false;
};

}  // namespace qthost
