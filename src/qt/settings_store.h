// The per-user settings store: the serial port choice, the device each COM entry stands
// for, and the main window geometry. A QSettings file under the user's configuration folder.
#pragma once

#include <cstdint>

#include <QSettings>
#include <QString>

#include "link/com_ports.h"

namespace rse {

class SettingsStore {
  public:
    SettingsStore();

    // Section "ComPath", key "ComNum"; 1 when absent or not a 16-bit number.
    std::int16_t ReadComNum();
    void StoreComNum(std::int16_t comNum);

    // Section "Settings": "MainLeft", "MainTop", "MainWidth", "MainHeight" in twips.
    void StoreGeometry(float left, float top, float width, float height);

    // The device path COM<n> (1..4) stands for: the environment variable RSE_COM<n> when set
    // (a session override, never stored), else the stored path, else /dev/ttyUSB<n-1>.
    // Empty for n outside 1..4.
    QString DevicePath(int comNum);
    // True when RSE_COM<n> overrides the stored path for this session.
    static bool DeviceOverridden(int comNum);
    static QString DefaultDevicePath(int comNum);
    void StoreDevicePath(int comNum, const QString& path);

    // Section "Options": switches of the Options menu ("KeepBackups", "BackupBeforeProgram",
    // "VerifyAfterProgram"); `fallback` when absent or not a flag.
    bool ReadOption(const QString& key, bool fallback);
    void StoreOption(const QString& key, bool on);

    QSettings& Settings() { return settings_; }

  private:
    QSettings settings_;
};

}  // namespace rse
