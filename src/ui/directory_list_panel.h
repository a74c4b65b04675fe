// Panel `pictE`: the list of the individual directory.
#pragma once

#include "ui/editor_panel.h"

namespace rse {

class DirectoryListPanel : public EditorPanel {
    Q_OBJECT

  public:
    DirectoryListPanel(EditorSession& session, QWidget* parent);

    // Loads the list for node "SM".
    void ShowDirectoryList();
    void Clear() override;
};

}  // namespace rse
