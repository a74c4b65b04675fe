// Panel `pictD`: the ten WX channels.
#pragma once

#include "ui/editor_panel.h"

namespace rse {

class WxPanel : public EditorPanel {
    Q_OBJECT

  public:
    WxPanel(EditorSession& session, QWidget* parent);

    // Loads the panel for node "PW".
    void ShowWxPanel();
    void Clear() override;
};

}  // namespace rse
