// The hourglass pointer, and a disabled window, for the lifetime of a guard: restored on every
// path out, a failure or a window closed in the middle included.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace rse {

class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

class BusyGuard {
  public:
    explicit BusyGuard(QWidget* window) : window_(window) {
        if (window_) window_->setEnabled(false);
    }
    ~BusyGuard() {
        if (window_) window_->setEnabled(true);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    BusyCursor cursor_;
    QPointer<QWidget> window_;
};

}  // namespace rse
