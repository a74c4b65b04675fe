#include "ui/editor_status_bar.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QLayout>

#include "model/configuration.h"
#include "model/mmsi.h"
#include "qt/translations.h"

namespace rse {

namespace {

constexpr const char* kEmptyWidth = "emptyWidth";  // a panel's width without text

}  // namespace

EditorStatusBar::EditorStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(true);
    // The key hints take the room the second panel leaves; the second shows the front panel's
    // note (the kind of an MMSI) and is narrow without one; the third holds the model name.
    const int stretch[3] = {1, 0, 0};
    const QString sample[3] = {QStringLiteral("0000000000"), QStringLiteral("0000"),
                               QLatin1String(kModelName)};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(sample[i], this);
        label->setObjectName(QStringLiteral("sbStatusBarPanel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(label->sizeHint().width());
        label->setProperty(kEmptyWidth, label->minimumWidth());  // read by FitNote
        label->clear();
        addWidget(label, stretch[i]);
        panels_[static_cast<std::size_t>(i)] = label;
    }
}

void EditorStatusBar::SetText(StatusPanel panel, const QString& text) {
    Panel(panel)->setText(text);
    if (panel == StatusPanel::KeyHint) FitNote();
}

QString EditorStatusBar::Text(StatusPanel panel) const {
    return Panel(panel)->text();
}

void EditorStatusBar::ShowNote(const QString& text, bool warning) {
    QLabel* label = Panel(StatusPanel::Note);
    label->setToolTip(warning ? tr("Warning: ") + text : text);  // the whole note
    QPalette palette = QApplication::palette(label);
    if (warning) palette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x00));
    label->setPalette(palette);
    FitNote();
}

void EditorStatusBar::NoteUserMmsiKind(const std::string& userMmsi) {
    const Phrase warning = UserMmsiKindPhrase(userMmsi);
    if (!warning.Empty()) ShowNote(Translated(warning), true);
}

void EditorStatusBar::FitNote() {
    // The key hint keeps the room it needs; the note takes what is left, shortened with "..."
    // when that is too little (its tool tip holds it whole).
    QLabel* hint = Panel(StatusPanel::KeyHint);
    QLabel* label = Panel(StatusPanel::Note);
    QLayout* bar = layout();
    if (!label || !bar) return;  // not built yet
    const QString note = label->toolTip();
    const int empty = label->property(kEmptyWidth).toInt();
    label->setText(note);  // the frame and margins: what the label wants beyond its text
    const int frame = label->sizeHint().width() - label->fontMetrics().horizontalAdvance(note);
    const int wanted = label->sizeHint().width() + 2;  // text widths are rounded
    const auto place = [&](int width) {
        width = std::max(empty, width);
        label->setText(label->fontMetrics().elidedText(note, Qt::ElideRight, width - frame));
        label->setFixedWidth(width);
        bar->activate();
    };
    const int hintNeeds = std::max(hint->minimumWidth(), hint->sizeHint().width());
    // A first guess from the bar's width, then what the hint still lacks once laid out.
    const int room = contentsRect().width() - Panel(StatusPanel::Model)->minimumWidth() -
                     3 * std::max(0, bar->spacing()) - hintNeeds;
    place(note.isEmpty() ? empty : std::min(wanted, room));
    if (const int lacking = hintNeeds - hint->width(); lacking > 0 && label->width() > empty) {
        place(label->width() - lacking);
    }
}

}  // namespace rse
