// A modal dialog built from its template: Qt widgets at the template's
// places, driven by the dialog procedure through DialogState.
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <vector>

#include "platform/dialog_state.h"

namespace qthost {

// Dialog units of a font: x = average width of the 52 letters A-Z a-z,
// y = the font's height; a unit is a quarter of x and an eighth of y. Each
// coordinate and size converts on its own, as the system converts them.
struct DialogUnits {
    qreal baseX = 0;
    qreal baseY = 0;

    int X(int du) const;
    int Y(int du) const;
    QRect ToPixels(int x, int y, int w, int h) const;
};
DialogUnits BaseUnits(const QFont& font);

// The template's own font (Arial through fontconfig: Liberation Sans).
QFont TemplateFont(const res::DialogTemplate& tmpl);

class TemplateDialog : public QDialog {
public:
    TemplateDialog(win::DialogState& state, QWidget* owner);

    // Shows the dialog, focus on the first tab stop.
    void Start();
    // Esc and the close box: Cancel, which the procedure may ignore.
    void reject() override;

private:
    QWidget* AddControl(const win::DialogItem& item, const DialogUnits& units);
    void Press(int id);
    void CopyTextsToState();
    void CopyTextsFromState();

    win::DialogState& state_;
    std::vector<QWidget*> widgets_;  // one per item, template order
};

}  // namespace qthost
