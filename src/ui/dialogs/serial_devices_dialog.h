// Lets the user choose the device each entry COM1..COM4 of the Serial Port menu stands for.
#pragma once

#include <array>

#include <QDialog>

class QComboBox;

namespace rse {

class SettingsStore;

class SerialDevicesDialog : public QDialog {
    Q_OBJECT

  public:
    SerialDevicesDialog(SettingsStore& settings, QWidget* parent);

    QComboBox* DeviceBox(int comNum) const { return boxes_[static_cast<std::size_t>(comNum - 1)]; }

    // Stores the chosen paths (entries overridden for this session are left alone).
    void accept() override;

  private:
    SettingsStore& settings_;
    std::array<QComboBox*, 4> boxes_{};
};

}  // namespace rse
