#include "ui/panels/editor_panel.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QRect>

#include "model/mmsi.h"
#include "qt/translations.h"
#include "ui/font_units.h"
#include "ui/widgets/digit_entry.h"

namespace rse {

EditorPanel::EditorPanel(const QString& letter, EditorSession& session, QWidget* parent)
    : QWidget(parent), session_(session), title_(new QLabel(this)) {
    setObjectName(QStringLiteral("pict") + letter);
    setAutoFillBackground(true);  // the panel in front hides the others
    title_->setObjectName(QStringLiteral("lbl") + letter + QStringLiteral("Title"));
    QFont font = title_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    title_->setFont(font);
    title_->move(0, 0);
    title_->setMinimumWidth(300);
}

namespace {

constexpr const char* kHintProperty = "statusHint";

}  // namespace

void EditorPanel::SetStatusHint(QWidget* control, const QString& hint) {
    control->setProperty(kHintProperty, hint);
    control->installEventFilter(this);
}

bool EditorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const QVariant hint = watched->property(kHintProperty);
        if (hint.isValid()) emit statusHint(hint.toString());
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

EditorPanel::Note FromMmsiNote(const MmsiNote& note) {
    const QString text = Translated(note.textPhrase, note.text);
    if (note.warning.empty()) return {text, false};
    // The reason first: a narrow status bar cuts the end.
    return {Translated(note.warningPhrase, note.warning) + QStringLiteral(" - ") + text, true};
}

}  // namespace

EditorPanel::Note EditorPanel::DirectoryMmsiStatus(const QString& mmsi) {
    return FromMmsiNote(DirectoryMmsiNote(mmsi.trimmed().toStdString()));
}

EditorPanel::Note EditorPanel::UserMmsiStatus(const QString& mmsi) {
    return FromMmsiNote(UserMmsiNote(mmsi.trimmed().toStdString()));
}

QString EditorPanel::StepName(const QWidget* control) {
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().remove(QLatin1Char('&'));
    return control->objectName();
}

void EditorPanel::WatchUserEdits() {
    for (QWidget* w : findChildren<QWidget*>()) {
        const auto report = [this, w] { emit edited(w, StepName(w)); };
        if (auto* digits = qobject_cast<DigitEntry*>(w)) {
            connect(digits, &DigitEntry::stored, this, report);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (!edit->isReadOnly()) connect(edit, &QLineEdit::textEdited, this, report);
        } else if (auto* box = qobject_cast<QAbstractButton*>(w)) {
            if (box->isCheckable()) connect(box, &QAbstractButton::clicked, this, report);
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            connect(list, &QComboBox::activated, this, report);
        }
    }
}

layout::FontUnits EditorPanel::Units() const {
    return UnitsOf(font());
}

QRect EditorPanel::PlaceInnerPanel(QWidget* inner, FrameLines& frame, int widthPx, int designedTop,
                                   int designedHeight, int minTopPx) const {
    const layout::FontUnits units = Units();
    layout::Rect r = layout::InnerPanel(units.TwipsX(widthPx), designedTop, designedHeight);
    const layout::Rect px = units.Pixels(r);
    const int top = std::max(px.top, minTopPx);
    const int height = std::max(px.height, inner->minimumSizeHint().height());
    r.top = units.TwipsY(top);
    r.height = units.TwipsY(height);
    inner->setGeometry(px.left, top, std::max(0, px.width), height);
    frame.Place(layout::FrameAround(r), units);
    return inner->geometry();
}

}  // namespace rse
