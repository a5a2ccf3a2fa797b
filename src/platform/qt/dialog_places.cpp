#include "platform/qt/dialog_places.h"

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

QList<QUrl> DialogPlaces() { return Places(); }

}  // namespace qthost
