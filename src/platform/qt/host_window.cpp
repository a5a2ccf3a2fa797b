#include "platform/qt/host_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/host.h"
#include "platform/qt/blob_image.h"
#include "platform/qt/panel_widget.h"

namespace qthost {

namespace {

// Menu texts have no mnemonics: an ampersand is shown as itself.
QString MenuText(const std::string& text) { return QString::fromLocal8Bit(text.c_str()).replace('&', "&&"); }

// Only a checked item shows its check box, as on the real system. The mark
// is kept in the action's data.
void ShowCheck(QAction* action, bool checked) {
    action->setData(checked);
    action->setCheckable(checked);
    action->setChecked(checked);
}

}  // namespace

HostWindow::HostWindow(win::HWND hwnd, const char* title)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      hwnd_(hwnd),
      panel_(new PanelWidget(hwnd, this)),
      menuBar_(new QMenuBar(this)) {
    SetTitle(title);
    if (const res::Blob* icon = win::WindowIcon(hwnd)) setWindowIcon(QPixmap::fromImage(BlobImage(*icon)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(panel_);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // never resized, no maximise
    menuBar_->hide();
}

void HostWindow::SetTitle(const char* title) { setWindowTitle(QString::fromLocal8Bit(title)); }

void HostWindow::AttachMenu(win::HMENU menu) {
    menuBar_->clear();
    actions_.clear();
    menu_ = menu;
    if (menu) {
        for (const win::MenuEntry& popup : menu->items) AddEntries(menuBar_->addMenu(MenuText(popup.text)), popup.children);
    }
    menuBar_->setVisible(menu != nullptr);
}

void HostWindow::AddEntries(QMenu* menu, const std::vector<win::MenuEntry>& entries) {
    connect(menu, &QMenu::aboutToHide, this, &HostWindow::FocusPanel);
    for (const win::MenuEntry& entry : entries) {
        if (entry.separator) {
            menu->addSeparator();
        } else if (!entry.children.empty()) {
            AddEntries(menu->addMenu(MenuText(entry.text)), entry.children);
        } else {
            QAction* action = menu->addAction(MenuText(entry.text));
            ShowCheck(action, entry.checked);
            const win::UINT id = static_cast<win::UINT>(entry.id);
            actions_[id] = action;
            connect(action, &QAction::triggered, this, [this, action, id] {
                // Qt flips a checkable item by itself; the window procedure
                // decides its marks (MenuCheckChanged).
                ShowCheck(action, action->data().toBool());
                win::PostHostMessage(hwnd_, win::WM_COMMAND, win::MAKEWPARAM(static_cast<int>(id), 0), 0);
            });
        }
    }
}

void HostWindow::SetChecked(win::HMENU menu, win::UINT id, bool checked) {
    if (menu != menu_) return;
    if (auto it = actions_.find(id); it != actions_.end()) ShowCheck(it->second, checked);
}

// Qt tells the accessibility bridge of every widget it shows, and the first
// word makes the bridge connect to the session bus (on a desktop without
// one, an attempt to launch it). Shown with the window, the panel and the
// menu bar would hold the window back for that; shown just after, they do
// not, and the window has its final size from the start.
void HostWindow::ShowWithContents() {
    if (isVisible()) return;
    const bool withMenu = menu_ != nullptr;
    panel_->hide();
    menuBar_->hide();
    setFixedSize(SizeWithContents());
    show();
    panel_->show();
    menuBar_->setVisible(withMenu);
}

// What the layout gives the window once the panel and the menu bar show.
QSize HostWindow::SizeWithContents() const {
    const QSize panel = panel_->size();
    return {panel.width(), panel.height() + (menu_ ? menuBar_->heightForWidth(panel.width()) : 0)};
}

void HostWindow::Destroyed() {
    destroyed_ = true;
    hide();
}

void HostWindow::FocusPanel() {
    if (destroyed_) return;
    activateWindow();
    panel_->setFocus(Qt::OtherFocusReason);
}

void HostWindow::closeEvent(QCloseEvent* event) {
    if (destroyed_) {
        event->accept();
        return;
    }
    event->ignore();
    win::PostHostMessage(hwnd_, win::WM_CLOSE, 0, 0);
}

}  // namespace qthost
