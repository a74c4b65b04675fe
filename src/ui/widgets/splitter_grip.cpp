#include "ui/widgets/splitter_grip.h"

#include <algorithm>

#include <QMouseEvent>

namespace rse {

SplitterGrip::SplitterGrip(QWidget* parent) : QWidget(parent), bar_(new QWidget(parent)) {
    setObjectName(QStringLiteral("imgSplitter"));
    setCursor(Qt::SplitHCursor);
    bar_->setObjectName(QStringLiteral("picSplitter"));
    bar_->setAutoFillBackground(true);
    bar_->setBackgroundRole(QPalette::Dark);
    bar_->hide();
}

void SplitterGrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    using layout::ToPixels;
    const int left = position_;  // the grip stands at the splitter position
    const int height = layout::ToTwips(this->height());
    const int width = layout::ToTwips(this->width());
    barLeft_ = left;
    bar_->setGeometry(ToPixels(left), y(), std::max(1, ToPixels(width / 2)),
                      std::max(0, ToPixels(height - 20)));
    bar_->show();
    bar_->raise();
    moving_ = true;
}

void SplitterGrip::mouseMoveEvent(QMouseEvent* event) {
    if (!moving_) return;
    const int x = qRound(event->position().x());
    barLeft_ =
        layout::DragBarPosition(position_, layout::ToTwips(x), layout::ToTwips(window()->width()));
    bar_->move(layout::ToPixels(barLeft_), bar_->y());
}

void SplitterGrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !moving_) return;
    emit dropped(barLeft_);
    bar_->hide();
    moving_ = false;
}

}  // namespace rse
