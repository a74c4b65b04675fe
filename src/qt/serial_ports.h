// The serial ports of this computer: what the system lists (QSerialPortInfo) and the stable
// names under /dev/serial/by-id, with the USB adapter behind each and whether this user may
// open it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rse {

struct SerialPortEntry {
    QString device;  // "/dev/ttyUSB0"
    QString byId;    // "/dev/serial/by-id/usb-..." when there is one
    bool hasUsbId = false;
    quint16 vendor = 0;
    quint16 product = 0;
    QString manufacturer;
    QString description;
    bool canOpen = false;  // this user may read and write it
    QString reason;        // why not, when it may not

    // One line for `rse-cli ports`.
    QString Describe() const;
};

// Ports with a stable name first, each group by device name.
QList<SerialPortEntry> FindSerialPorts();

// The paths to offer for a COM entry: every stable name first, then the device names.
QStringList SerialPortPaths(const QList<SerialPortEntry>& ports);

}  // namespace rse
