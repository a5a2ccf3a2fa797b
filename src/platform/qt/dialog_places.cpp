#include "platform/qt/dialog_places.h"

#include <QFileDialog>

namespace qthost {
namespace {

QList<QUrl>& Places() {
    static QList<QUrl> places;
    return places;
}

}  // namespace

void AddDialogPlace(const QString& folder) {
    const QUrl url = QUrl::fromLocalFile(folder);
    if (!Places().contains(url)) Places().append(url);
}

// A place the user keeps in the sidebar already stays theirs.
DialogPlacesInSidebar::DialogPlacesInSidebar(QFileDialog& dialog) : dialog_(dialog) {
    const QList<QUrl> standard = dialog.sidebarUrls();
    for (const QUrl& place : Places())
        if (!standard.contains(place)) added_.append(place);
    if (!added_.isEmpty()) dialog.setSidebarUrls(standard + added_);
}

DialogPlacesInSidebar::~DialogPlacesInSidebar() {
    if (added_.isEmpty()) return;
    QList<QUrl> urls = dialog_.sidebarUrls();
    for (const QUrl& place : added_) urls.removeAll(place);
    dialog_.setSidebarUrls(urls);
}

}  // namespace qthost
