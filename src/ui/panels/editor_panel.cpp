#include "ui/panels/editor_panel.h"

#include <algorithm>

#include <QRect>

#include "model/mmsi.h"
#include "qt/translations.h"
#include "ui/font_units.h"

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
