#include "platform/qt/panel_widget.h"

#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "platform/drop_query.h"
#include "platform/host.h"
#include "platform/qt/key_map.h"

namespace qthost {

namespace {

// Key-state flags of pointer messages (wParam).
constexpr win::WPARAM MK_LBUTTON = 0x01;
constexpr win::WPARAM MK_RBUTTON = 0x02;
constexpr win::WPARAM MK_SHIFT = 0x04;
constexpr win::WPARAM MK_CONTROL = 0x08;
constexpr win::WPARAM MK_MBUTTON = 0x10;

win::WPARAM PointerFlags(const QMouseEvent& event) {
    win::WPARAM flags = 0;
    if (event.buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
    if (event.buttons() & Qt::RightButton) flags |= MK_RBUTTON;
    if (event.buttons() & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (event.modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

}  // namespace

PanelWidget::PanelWidget(win::HWND hwnd, QWidget* parent) : QWidget(parent), hwnd_(hwnd) {
    setObjectName("panel");
    setFixedSize(win::kClientWidth, win::kClientHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelWidget::Present(const win::RECT& dirty) {
    update(QRect(dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top));
}

// One surface pixel is one logical pixel, so the panel fills the client at
// every device pixel ratio. A whole ratio shows each surface pixel as a
// block of device pixels. A fractional one first enlarges to the next whole
// ratio the same way and then reduces smoothly: nearest-neighbour alone
// would draw some pixels a device pixel wider than others, smoothing alone
// would blur every edge; this way only the edges' last device pixel mixes.
void PanelWidget::paintEvent(QPaintEvent* event) {
    const win::Surface& surface = win::WindowSurface(hwnd_);
    const QImage image(reinterpret_cast<const uchar*>(surface.pixels), win::Surface::kWidth, win::Surface::kHeight,
                       win::Surface::kWidth * 4, QImage::Format_RGB32);
    const QRect client(0, 0, win::kClientWidth, win::kClientHeight);
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const int whole = static_cast<int>(std::ceil(ratio - 1e-9));
    if (qFuzzyCompare(ratio, static_cast<qreal>(whole))) {
        const QRect source = event->rect().intersected(client);
        painter.drawImage(source, image, source);
        return;
    }
    // The neighbours of the changed pixels take part in the reduction.
    const QRect source = event->rect().adjusted(-1, -1, 1, 1).intersected(client);
    QImage enlarged = image.copy(source).scaled(source.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    enlarged.setDevicePixelRatio(whole);
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(source.topLeft(), enlarged);
}

void PanelWidget::PostPointer(win::UINT msg, const QMouseEvent& event) {
    // No capture: outside the client area the window hears nothing.
    const QPointF at = event.position();
    if (!rect().contains(QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))))) return;
    const int x = static_cast<int>(std::floor(at.x()));
    const int y = static_cast<int>(std::floor(at.y()));
    win::PostHostMessage(hwnd_, msg, PointerFlags(event), win::MAKELPARAM(x, y));
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) PostPointer(win::WM_LBUTTONDOWN, *event);
    if (event->button() == Qt::RightButton) PostPointer(win::WM_RBUTTONDOWN, *event);
}

// The window class asks for no double clicks: the second press is a press.
void PanelWidget::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) PostPointer(win::WM_LBUTTONUP, *event);
    if (event->button() == Qt::RightButton) PostPointer(win::WM_RBUTTONUP, *event);
}

void PanelWidget::mouseMoveEvent(QMouseEvent* event) { PostPointer(win::WM_MOUSEMOVE, *event); }

void PanelWidget::keyPressEvent(QKeyEvent* event) {
    const win::UINT vk = VirtualKey(*event);
    if (vk == 0) {
        event->ignore();
        return;
    }
    const bool wasDown = event->isAutoRepeat() || held_.count(vk) > 0;
    held_.insert(vk);
    const bool system = IsSystemKey(*event);
    win::PostHostMessage(hwnd_, system ? win::WM_SYSKEYDOWN : win::WM_KEYDOWN, vk, KeyLParam(wasDown, false, system));
}

void PanelWidget::keyReleaseEvent(QKeyEvent* event) {
    const win::UINT vk = VirtualKey(*event);
    if (vk == 0) {
        event->ignore();
        return;
    }
    // While a key repeats, X11 sends release+press pairs: the key stays down.
    if (event->isAutoRepeat()) return;
    held_.erase(vk);
    const bool system = IsSystemKey(*event);
    win::PostHostMessage(hwnd_, system ? win::WM_SYSKEYUP : win::WM_KEYUP, vk, KeyLParam(true, true, system));
}

// Releases while another widget has the keyboard never reach the panel, so
// a key still marked down would turn its next press into a repeat.
void PanelWidget::focusOutEvent(QFocusEvent* event) {
    held_.clear();
    QWidget::focusOutEvent(event);
}

bool PanelWidget::focusNextPrevChild(bool) { return false; }

win::HDROP PanelWidget::MakeDrop(const QDropEvent& event) const {
    const QList<QUrl> urls = event.mimeData()->urls();
    if (urls.isEmpty()) return nullptr;
    std::vector<std::string> paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) return nullptr;
        paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    }
    const QPoint at = event.position().toPoint();
    return win::CreateHostDrop(std::move(paths), win::POINT{at.x(), at.y()});
}

// Files are let in at once, wherever they enter: a refused entry would
// bring no moves to ask about.
void PanelWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

// The window decides for each place; where it would do nothing the pointer
// shows the desktop's "no".
void PanelWidget::dragMoveEvent(QDragMoveEvent* event) {
    const win::HDROP drop = MakeDrop(*event);
    if (drop && win::SendMessageA(hwnd_, kMsgQueryDrop, reinterpret_cast<win::WPARAM>(drop), 0) != 0) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void PanelWidget::dropEvent(QDropEvent* event) {
    const win::HDROP drop = MakeDrop(*event);
    if (!drop) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    win::PostHostMessage(hwnd_, win::WM_DROPFILES, reinterpret_cast<win::WPARAM>(drop), 0);
}

}  // namespace qthost
