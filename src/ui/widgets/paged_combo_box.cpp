#include "ui/widgets/paged_combo_box.h"

#include <QKeyEvent>

#include <algorithm>

namespace rse {

void PagedComboBox::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_PageUp     ? -kPageStep
                     : event->key() == Qt::Key_PageDown ? kPageStep
                                                        : 0;
    if (step == 0 || event->modifiers() != Qt::NoModifier || count() == 0) {
        QComboBox::keyPressEvent(event);
        return;
    }
    event->accept();
    const int from = std::max(0, currentIndex());
    const int to = std::clamp(from + step, 0, count() - 1);
    if (to == currentIndex()) return;
    setCurrentIndex(to);
    emit activated(to);
}

}  // namespace rse
