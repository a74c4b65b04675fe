#include "ui/directory_list_panel.h"

namespace rse {

DirectoryListPanel::DirectoryListPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("E"), session, parent) {
    Clear();
}

void DirectoryListPanel::Clear() {
    SetTitle(QStringLiteral("Individual Directory"));
}

void DirectoryListPanel::ShowDirectoryList() {
    SetTitle(QStringLiteral("Individual Directory"));
}

}  // namespace rse
