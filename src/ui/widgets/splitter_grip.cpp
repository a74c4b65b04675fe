#include "ui/widgets/splitter_grip.h"

#include <QMouseEvent>

namespace rse {

SplitterGrip::SplitterGrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgSplitter"));
    setCursor(Qt::SplitHCursor);
}

void SplitterGrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed(qRound(event->position().x()));
}

void SplitterGrip::mouseMoveEvent(QMouseEvent* event) {
    emit moved(qRound(event->position().x()));
}

void SplitterGrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit released(qRound(event->position().x()));
}

}  // namespace rse
