#include "ui/widgets/list_wheel_guard.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>

namespace rse {

namespace {

void KeepWheelFocusAway(QComboBox* list) {
    // Qt gives a list the focus on a wheel turn before the list sees the turn.
    if (list->focusPolicy() == Qt::WheelFocus) list->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace

void ListWheelGuard::Install(QObject* owner) {
    qApp->installEventFilter(new ListWheelGuard(owner));
    // Lists polished before the guard came.
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* list = qobject_cast<QComboBox*>(widget)) KeepWheelFocusAway(list);
    }
}

bool ListWheelGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Polish && type != QEvent::Wheel) return false;
    auto* list = qobject_cast<QComboBox*>(watched);
    if (!list) return false;
    if (type == QEvent::Polish) {
        KeepWheelFocusAway(list);
        return false;
    }
    if (list->hasFocus()) return false;
    // Ignored and not delivered: Qt passes the turn on to the list's parent.
    event->ignore();
    return true;
}

}  // namespace rse
