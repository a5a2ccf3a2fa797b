#include "platform/qt/template_dialog.h"

#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QValidator>
#include <cmath>

#include "platform/qt/blob_image.h"

namespace qthost {

namespace {

constexpr auto kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QString Text(const std::string& bytes) { return QString::fromLocal8Bit(bytes.c_str()); }

bool Has(const res::DialogControl& c, unsigned style) { return (c.style & style) != 0; }

QLabel* MakeLabel(const win::DialogItem& item, QWidget* parent) {
    auto* label = new QLabel(Text(item.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | (Has(*item.control, res::kCentre) ? Qt::AlignHCenter : Qt::AlignLeft));
    return label;
}

// An icon control shows the icon at its own size from the control's corner.
QLabel* MakeIcon(const win::DialogItem& item, const QRect& place, QWidget* parent) {
    auto* label = new QLabel(parent);
    if (const res::Blob* blob = res::FindIcon(item.control->text)) {
        const QImage image = BlobImage(*blob);
        label->setPixmap(QPixmap::fromImage(image));
        label->setGeometry(QRect(place.topLeft(), image.size()));
    }
    return label;
}

// An edit without automatic scrolling takes no more text than its width
// shows, as the system's own edit does.
class FitsWidth final : public QValidator {
public:
    explicit FitsWidth(QLineEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& text, int&) const override {
        const QMargins margins = edit_->textMargins();
        const int frame = edit_->hasFrame() ? edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_) : 0;
        const int width = edit_->contentsRect().width() - 2 * frame - margins.left() - margins.right() -
                          2 * kTextSideMargin;
        return edit_->fontMetrics().horizontalAdvance(text) <= width ? Acceptable : Invalid;
    }

private:
    static constexpr int kTextSideMargin = 2;  // QLineEdit's own inner margin
    QLineEdit* edit_;
};

}  // namespace

int DialogUnits::X(int du) const { return static_cast<int>(std::lround(du * baseX / 4)); }
int DialogUnits::Y(int du) const { return static_cast<int>(std::lround(du * baseY / 8)); }

QRect DialogUnits::ToPixels(int x, int y, int w, int h) const { return QRect(X(x), Y(y), X(w), Y(h)); }

// Whole pixels, rounded as the system rounds its own base units.
DialogUnits BaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {static_cast<qreal>((letters / 26 + 1) / 2), static_cast<qreal>(metrics.height())};
}

QFont TemplateFont(const res::DialogTemplate& tmpl) {
    QFont font(QString::fromLatin1(tmpl.fontFace), tmpl.fontPoints);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

TemplateDialog::TemplateDialog(win::DialogState& state, QWidget* owner) : QDialog(owner, kDialogFlags), state_(state) {
    const res::DialogTemplate& tmpl = *state.tmpl;
    setWindowTitle(QString::fromLocal8Bit(tmpl.title));
    setFont(TemplateFont(tmpl));
    const DialogUnits units = BaseUnits(font());
    setFixedSize(units.X(tmpl.w), units.Y(tmpl.h));
    if (owner) move(owner->mapToGlobal(QPoint(units.X(tmpl.x), units.Y(tmpl.y))));

    QWidget* previousStop = nullptr;
    for (const win::DialogItem& item : state.items) {
        QWidget* widget = AddControl(item, units);
        widgets_.push_back(widget);
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        const bool tabStop = Has(*item.control, res::kTabStop);
        widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        if (!tabStop) continue;
        if (previousStop) setTabOrder(previousStop, widget);
        previousStop = widget;
    }
}

QWidget* TemplateDialog::AddControl(const win::DialogItem& item, const DialogUnits& units) {
    const res::DialogControl& c = *item.control;
    const QRect place = units.ToPixels(c.x, c.y, c.w, c.h);
    switch (c.kind) {
    case res::ControlKind::Label: {
        QLabel* label = MakeLabel(item, this);
        label->setGeometry(place);
        return label;
    }
    case res::ControlKind::Button: {
        auto* button = new QPushButton(Text(item.text), this);
        button->setGeometry(place);
        button->setDefault(Has(c, res::kDefaultButton));
        connect(button, &QPushButton::clicked, this, [this, id = c.id] { Press(id); });
        return button;
    }
    case res::ControlKind::Edit: {
        auto* edit = new QLineEdit(Text(item.text), this);
        edit->setGeometry(place);
        edit->setFrame(Has(c, res::kBorder));
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (!Has(c, res::kAutoHScroll)) edit->setValidator(new FitsWidth(edit));
        return edit;
    }
    case res::ControlKind::Icon:
        return MakeIcon(item, place, this);
    case res::ControlKind::Rule: {
        auto* rule = new QFrame(this);
        rule->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        rule->setGeometry(place.adjusted(0, 0, 0, std::max(0, 2 - place.height())));
        return rule;
    }
    }
    return new QWidget(this);
}

void TemplateDialog::Start() {
    open();
    for (QWidget* widget : widgets_) {
        if (widget->focusPolicy() == Qt::StrongFocus) {
            widget->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void TemplateDialog::reject() { Press(win::IDCANCEL); }

// Every command sees the edits as typed so far; the procedure decides
// whether the dialog ends.
void TemplateDialog::Press(int id) {
    if (state_.ended) return;
    CopyTextsToState();
    state_.Command(id);
    if (state_.ended)
        done(static_cast<int>(state_.result));
    else
        CopyTextsFromState();
}

void TemplateDialog::CopyTextsToState() {
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (auto* edit = qobject_cast<QLineEdit*>(widgets_[i])) state_.items[i].text = edit->text().toLocal8Bit().toStdString();
    }
}

void TemplateDialog::CopyTextsFromState() {
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const QString text = Text(state_.items[i].text);
        if (auto* edit = qobject_cast<QLineEdit*>(widgets_[i])) {
            if (edit->text() != text) edit->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(widgets_[i]); label && state_.items[i].control->kind == res::ControlKind::Label) {
            label->setText(text);
        }
    }
}

}  // namespace qthost
