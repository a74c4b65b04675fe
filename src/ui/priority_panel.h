// Panel `pictA`: the priority channels of the three plans.
#pragma once

#include "ui/editor_panel.h"

namespace rse {

class PriorityPanel : public EditorPanel {
    Q_OBJECT

  public:
    PriorityPanel(EditorSession& session, QWidget* parent);

    // Loads the panel for node "P".
    void ShowPriorityPanel();
    void Clear() override;
};

}  // namespace rse
