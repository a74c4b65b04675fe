#include "ui/panels/editor_panel.h"

#include <algorithm>

#include "model/mmsi.h"

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
    if (note.warning.empty()) return {QString::fromStdString(note.text), false};
    // The reason first: a narrow status bar cuts the end.
    return {QString::fromStdString(note.warning + " - " + note.text), true};
}

}  // namespace

EditorPanel::Note EditorPanel::DirectoryMmsiStatus(const QString& mmsi) {
    return FromMmsiNote(DirectoryMmsiNote(mmsi.trimmed().toStdString()));
}

EditorPanel::Note EditorPanel::UserMmsiStatus(const QString& mmsi) {
    return FromMmsiNote(UserMmsiNote(mmsi.trimmed().toStdString()));
}

layout::Rect EditorPanel::PlaceInnerPanel(QWidget* inner, FrameLines& frame, int widthPx,
                                          int designedTop, int designedHeight) {
    const layout::Rect r =
        layout::InnerPanel(layout::ToTwips(widthPx), designedTop, designedHeight);
    inner->setGeometry(layout::ToPixels(r.left), layout::ToPixels(r.top),
                       std::max(0, layout::ToPixels(r.width)), layout::ToPixels(r.height));
    frame.Place(layout::FrameAround(r));
    return r;
}

}  // namespace rse
