// Folders the program adds to the sidebar of its file dialogs, beside the
// standard places, so that what it ships with is one click away.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

class QFileDialog;

namespace qthost {

void AddDialogPlace(const QString& folder);

// While it lives, the dialog's sidebar also lists the program's places. Qt
// saves a file dialog's sidebar in settings that every Qt program shares,
// so the places it added are taken out again before the dialog is gone.
class DialogPlacesInSidebar {
public:
    explicit DialogPlacesInSidebar(QFileDialog& dialog);
    ~DialogPlacesInSidebar();
    DialogPlacesInSidebar(const DialogPlacesInSidebar&) = delete;
    DialogPlacesInSidebar& operator=(const DialogPlacesInSidebar&) = delete;

private:
    QFileDialog& dialog_;
    QList<QUrl> added_;
};

}  // namespace qthost
