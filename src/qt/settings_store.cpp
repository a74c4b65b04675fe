#include "qt/settings_store.h"

#include <limits>

namespace rse {

namespace {
QString OverrideVariable(int comNum) {
    return QStringLiteral("RSE_COM%1").arg(comNum);
}
QString DeviceKey(int comNum) {
    return QStringLiteral("ComPath/COM%1").arg(comNum);
}
}  // namespace

SettingsStore::SettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("rse"),
                QStringLiteral("rse")) {}

std::int16_t SettingsStore::ReadComNum() {
    const QString text =
        settings_.value(QStringLiteral("ComPath/ComNum"), QStringLiteral("1")).toString().trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return 1;
    }
    return static_cast<std::int16_t>(value);
}

bool SettingsStore::ReadOption(const QString& key, bool fallback) {
    const QString text = settings_.value(QStringLiteral("Options/") + key).toString().trimmed();
    if (text == QLatin1String("1")) return true;
    if (text == QLatin1String("0")) return false;
    return fallback;
}

void SettingsStore::StoreOption(const QString& key, bool on) {
    settings_.setValue(QStringLiteral("Options/") + key,
                       on ? QStringLiteral("1") : QStringLiteral("0"));
    settings_.sync();
}

void SettingsStore::StoreComNum(std::int16_t comNum) {
    settings_.setValue(QStringLiteral("ComPath/ComNum"), QString::number(comNum));
    settings_.sync();
}

void SettingsStore::StoreGeometry(float left, float top, float width, float height) {
    const auto text = [](float v) { return QString::number(static_cast<double>(v), 'g', 7); };
    settings_.setValue(QStringLiteral("Settings/MainLeft"), text(left));
    settings_.setValue(QStringLiteral("Settings/MainTop"), text(top));
    settings_.setValue(QStringLiteral("Settings/MainWidth"), text(width));
    settings_.setValue(QStringLiteral("Settings/MainHeight"), text(height));
    settings_.sync();
}

bool SettingsStore::DeviceOverridden(int comNum) {
    return comNum >= 1 && comNum <= kComPortCount &&
           !qEnvironmentVariableIsEmpty(OverrideVariable(comNum).toLatin1().constData());
}

QString SettingsStore::DefaultDevicePath(int comNum) {
    return QString::fromStdString(DefaultComDevice(comNum));
}

QString SettingsStore::DevicePath(int comNum) {
    if (comNum < 1 || comNum > kComPortCount) return {};
    if (DeviceOverridden(comNum)) {
        return qEnvironmentVariable(OverrideVariable(comNum).toLatin1().constData());
    }
    const QString stored = settings_.value(DeviceKey(comNum)).toString().trimmed();
    return stored.isEmpty() ? DefaultDevicePath(comNum) : stored;
}

void SettingsStore::StoreDevicePath(int comNum, const QString& path) {
    if (comNum < 1 || comNum > kComPortCount) return;
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty() || trimmed == DefaultDevicePath(comNum)) {
        settings_.remove(DeviceKey(comNum));
    } else {
        settings_.setValue(DeviceKey(comNum), trimmed);
    }
    settings_.sync();
}

}  // namespace rse
