#include "ui/dialogs/serial_devices_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "qt/serial_ports.h"
#include "qt/settings_store.h"

namespace rse {

SerialDevicesDialog::SerialDevicesDialog(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("frmSerialDevices"));
    setWindowTitle(tr("Serial Port Devices"));
    auto* intro = new QLabel(tr("Device used for each entry of the Serial Port menu.\n"
                                "Choose a listed device or type a path, for example a name under\n"
                                "/dev/serial/by-id/ or the path of a virtual radio."),
                             this);
    auto* form = new QFormLayout;
    // The ports found, stable names first as they survive plugging the adapter in again; the
    // tool tip of each says what it is.
    const QList<SerialPortEntry> ports = FindSerialPorts();
    const QStringList candidates = SerialPortPaths(ports);
    for (int n = 1; n <= kComPortCount; ++n) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cmbDevice%1").arg(n));
        box->setEditable(true);
        box->setMinimumContentsLength(32);
        for (const QString& path : candidates) {
            box->addItem(path);
            for (const SerialPortEntry& p : ports) {
                if (p.device == path || p.byId == path) {
                    box->setItemData(box->count() - 1, p.Describe(), Qt::ToolTipRole);
                }
            }
        }
        box->setCurrentText(settings_.DevicePath(n));
        if (SettingsStore::DeviceOverridden(n)) {
            box->setEnabled(false);
            box->setToolTip(tr("Set by RSE_COM%1 for this session").arg(n));
        }
        boxes_[static_cast<std::size_t>(n - 1)] = box;
        form->addRow(QStringLiteral("COM%1").arg(n), box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* box = new QVBoxLayout(this);
    box->addWidget(intro);
    box->addLayout(form);
    box->addWidget(buttons);
}

void SerialDevicesDialog::accept() {
    for (int n = 1; n <= kComPortCount; ++n) {
        if (SettingsStore::DeviceOverridden(n)) continue;
        settings_.StoreDevicePath(n, DeviceBox(n)->currentText());
    }
    QDialog::accept();
}

}  // namespace rse
