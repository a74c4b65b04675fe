// Panel `pictA`: the priority channels of the three plans. A display frame only: its nine
// lists hold no items and nothing chosen in them reaches the configuration.
#pragma once

#include <array>

#include <QString>

#include "ui/panels/editor_panel.h"

class QComboBox;

namespace rse {

class PriorityPanel : public EditorPanel {
    Q_OBJECT

  public:
    static constexpr const char* kListHint =
        QT_TR_NOOP("[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End");

    PriorityPanel(EditorSession& session, QWidget* parent);

    // Loads the panel for node "P".
    void ShowPriorityPanel();
    // Blanks the shown text of the nine lists.
    void Clear() override;

    // The lists row by row (USA, International, Canada), each P-Ch, A-Ch, B-Ch.
    const std::array<QComboBox*, 9>& Lists() const { return lists_; }

  private:
    std::array<QComboBox*, 9> lists_{};
};

}  // namespace rse
