#include "qt/serial_ports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSerialPortInfo>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace rse {

namespace {

const QString kById = QStringLiteral("/dev/serial/by-id");

}  // namespace

QString SerialPortEntry::Describe() const {
    QString line = device;
    if (!byId.isEmpty()) line += QStringLiteral("  ") + byId;
    if (hasUsbId) {
        line += QStringLiteral("  USB %1:%2")
                    .arg(vendor, 4, 16, QLatin1Char('0'))
                    .arg(product, 4, 16, QLatin1Char('0'));
    }
    if (!manufacturer.isEmpty()) line += QStringLiteral("  \"%1\"").arg(manufacturer);
    if (!description.isEmpty()) line += QStringLiteral("  \"%1\"").arg(description);
    line += QStringLiteral("  ") +
            (canOpen ? QCoreApplication::translate("Core", "can be opened")
                     : QCoreApplication::translate("Core", "cannot be opened: %1").arg(reason));
    return line;
}

QList<SerialPortEntry> FindSerialPorts() {
    // Stable names by the device they lead to.
    QMap<QString, QString> stable;
    const QDir byId(kById);
    for (const QString& name :
         byId.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = byId.filePath(name);
        const QString target = QFileInfo(path).canonicalFilePath();
        if (!target.isEmpty() && !stable.contains(target)) stable.insert(target, path);
    }

    QMap<QString, SerialPortEntry> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry e;
        e.device = info.systemLocation();
        e.hasUsbId = info.hasVendorIdentifier() && info.hasProductIdentifier();
        e.vendor = info.vendorIdentifier();
        e.product = info.productIdentifier();
        e.manufacturer = info.manufacturer();
        e.description = info.description();
        found.insert(e.device, e);
    }
    // A stable name whose device the system did not list (no udev, for example).
    for (auto it = stable.cbegin(); it != stable.cend(); ++it) {
        if (found.contains(it.key())) continue;
        SerialPortEntry e;
        e.device = it.key();
        found.insert(e.device, e);
    }

    QList<SerialPortEntry> ports;
    for (SerialPortEntry e : found) {
        e.byId = stable.value(e.device);
        const QByteArray local = QFile::encodeName(e.device);
        e.canOpen = ::faccessat(AT_FDCWD, local.constData(), R_OK | W_OK, AT_EACCESS) == 0;
        const int error = errno;
        if (!e.canOpen) e.reason = QString::fromLocal8Bit(std::strerror(error)).toLower();
        ports << e;
    }
    std::stable_sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) {
        return !a.byId.isEmpty() && b.byId.isEmpty();
    });
    return ports;
}

QStringList SerialPortPaths(const QList<SerialPortEntry>& ports) {
    QStringList paths;
    for (const SerialPortEntry& p : ports) {
        if (!p.byId.isEmpty()) paths << p.byId;
    }
    for (const SerialPortEntry& p : ports)
        paths << p.device;
    return paths;
}

}  // namespace rse
