#include "ui/settings_panel.h"

namespace rse {

SettingsPanel::SettingsPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("F"), session, parent) {
    Clear();
}

void SettingsPanel::Clear() {
    SetTitle(QStringLiteral("Setting"));
}

void SettingsPanel::ShowSettingsPanel() {
    SetTitle(QStringLiteral("Setting"));
}

}  // namespace rse
