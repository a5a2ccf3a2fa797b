// Folders the program adds to the sidebar of every file dialog, beside the
// standard places, so that what it ships with is one click away.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace qthost {

void AddDialogPlace(const QString& folder);
QList<QUrl> DialogPlaces();

}  // namespace qthost
