#include "app/startup_probe.h"

#include <cstdio>
#include <ctime>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

namespace rse {

namespace {

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

}  // namespace

void StartupProbe::InstallIfRequested(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("RSE_STARTUP_PROBE")) return;
    window->installEventFilter(new StartupProbe(window));
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!done_ && event->type() == QEvent::Paint) {
        done_ = true;
        QTimer::singleShot(0, this, [] {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("shown_ns=%lld rss_kb=%ld\n",
                        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                        ResidentKilobytes());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rse
