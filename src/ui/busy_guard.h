// Hourglass pointer and a disabled window for the lifetime of the guard.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace rse {

class BusyGuard {
  public:
    explicit BusyGuard(QWidget* window) : window_(window) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (window_) window_->setEnabled(false);
    }
    ~BusyGuard() {
        if (window_) window_->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    QPointer<QWidget> window_;
};

}  // namespace rse
