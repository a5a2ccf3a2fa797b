// The file dialog lists the demo samples folder among its places, one click
// away wherever the console was started, and leaves it out of the sidebar
// that Qt saves for every Qt program.
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/qt/dialog_places.h"
#include "qt/qt_console.h"

using namespace win;

namespace {

class QtDialogPlaces : public QtConsole {
protected:
    BOOL OpenDialog() {
        char buffer[200] = "";
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = Window();
        ofn.lpstrFilter = "Wave files\0*.wav\0";
        ofn.lpstrFile = buffer;
        ofn.nMaxFile = sizeof buffer;
        return GetOpenFileNameA(&ofn);
    }
};

TEST_F(QtDialogPlaces, SamplesFolderIsInTheSidebarOfTheDialogOnly) {
    QTemporaryDir samples;
    const QUrl place = QUrl::fromLocalFile(samples.path());
    qthost::AddDialogPlace(samples.path());

    OnModal([place](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        const QList<QUrl> sidebar = dialog->sidebarUrls();
        EXPECT_EQ(sidebar.count(place), 1);
        EXPECT_GT(sidebar.size(), 1) << "the standard places stay";
        dialog->reject();
    });
    EXPECT_FALSE(OpenDialog());

    QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
    const QStringList saved = settings.value(QStringLiteral("FileDialog/shortcuts")).toStringList();
    EXPECT_FALSE(saved.contains(place.toString())) << saved.join(' ').toStdString();
}

}  // namespace
