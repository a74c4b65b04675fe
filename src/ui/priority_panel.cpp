#include "ui/priority_panel.h"

namespace rse {

PriorityPanel::PriorityPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("A"), session, parent) {
    Clear();
}

void PriorityPanel::Clear() {
    SetTitle(QStringLiteral("Priority Channel"));
}

void PriorityPanel::ShowPriorityPanel() {
    SetTitle(QStringLiteral("Priority Channel"));
}

}  // namespace rse
