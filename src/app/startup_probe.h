// Start-up measurement for the benchmark script: with RSE_STARTUP_PROBE set, the program
// prints when its main window was first painted and how much memory it holds, then quits.
#pragma once

#include <QObject>

class QWidget;

namespace rse {

class StartupProbe : public QObject {
    Q_OBJECT

  public:
    // Watches `window` when the environment asks for it.
    static void InstallIfRequested(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit StartupProbe(QObject* parent) : QObject(parent) {}
    bool done_ = false;
};

}  // namespace rse
