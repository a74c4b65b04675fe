#include "ui/dialogs/serial_devices_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "qt/settings_store.h"

namespace rse {

QStringList SerialDevicesDialog::CandidateDevices() {
    QStringList devices;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QString& name :
         byId.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        devices << byId.filePath(name);
    }
    const QDir dev(QStringLiteral("/dev"));
    for (const QString& name : dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                                             QDir::System, QDir::Name)) {
        devices << dev.filePath(name);
    }
    return devices;
}

SerialDevicesDialog::SerialDevicesDialog(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("frmSerialDevices"));
    setWindowTitle(QStringLiteral("Serial Port Devices"));
    auto* intro = new QLabel(
        QStringLiteral("Device used for each entry of the Serial Port menu.\n"
                       "Choose a listed device or type a path, for example a name under\n"
                       "/dev/serial/by-id/ or the path of a virtual radio."),
        this);
    auto* form = new QFormLayout;
    const QStringList candidates = CandidateDevices();
    for (int n = 1; n <= kComPortCount; ++n) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cmbDevice%1").arg(n));
        box->setEditable(true);
        box->setMinimumContentsLength(32);
        box->addItems(candidates);
        box->setCurrentText(settings_.DevicePath(n));
        if (SettingsStore::DeviceOverridden(n)) {
            box->setEnabled(false);
            box->setToolTip(QStringLiteral("Set by RSE_COM%1 for this session").arg(n));
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
