// The window's client area: shows the core's surface and turns pointer and
// key events into the window's messages.
#pragma once

#include <QWidget>
#include <set>

#include "platform/win.h"

namespace qthost {

class PanelWidget : public QWidget {
public:
    PanelWidget(win::HWND hwnd, QWidget* parent);

    // Surface pixels inside `dirty` changed.
    void Present(const win::RECT& dirty);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Tab is a key like any other here, not a focus move.
    bool focusNextPrevChild(bool next) override;

private:
    void PostPointer(win::UINT msg, const QMouseEvent& event);
    // The dragged files as a drop at the event's place; null for anything
    // but local files.
    win::HDROP MakeDrop(const QDropEvent& event) const;

    win::HWND hwnd_;
    std::set<win::UINT> held_;  // keys down as far as the window knows
};

}  // namespace qthost
