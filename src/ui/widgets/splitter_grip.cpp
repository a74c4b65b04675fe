#include "ui/widgets/splitter_grip.h"

#include <algorithm>

#include <QMouseEvent>

#include "ui/font_units.h"

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
    const layout::FontUnits units = UnitsOf(window()->font());
    const int left = position_;  // the grip stands at the splitter position
    const int height = units.TwipsY(this->height());
    const int width = units.TwipsX(this->width());
    barLeft_ = left;
    bar_->setGeometry(units.X(left), y(), std::max(1, units.X(width / 2)),
                      std::max(0, units.Y(height - 20)));
    bar_->show();
    bar_->raise();
    moving_ = true;
}

void SplitterGrip::mouseMoveEvent(QMouseEvent* event) {
    if (!moving_) return;
    const int x = qRound(event->position().x());
    const layout::FontUnits units = UnitsOf(window()->font());
    barLeft_ = layout::DragBarPosition(position_, units.TwipsX(x), units.TwipsX(window()->width()));
    bar_->move(units.X(barLeft_), bar_->y());
}

void SplitterGrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !moving_) return;
    emit dropped(barLeft_);
    bar_->hide();
    moving_ = false;
}

}  // namespace rse
