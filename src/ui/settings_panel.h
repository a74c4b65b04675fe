// Panel `pictF`: the common settings of the radio.
#pragma once

#include "ui/editor_panel.h"

namespace rse {

class SettingsPanel : public EditorPanel {
    Q_OBJECT

  public:
    SettingsPanel(EditorSession& session, QWidget* parent);

    // Loads the panel for node "S".
    void ShowSettingsPanel();
    void Clear() override;
};

}  // namespace rse
