#include "ui/wx_panel.h"

namespace rse {

WxPanel::WxPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("D"), session, parent) {
    Clear();
}

void WxPanel::Clear() {
    SetTitle(QStringLiteral("WX Channel"));
}

void WxPanel::ShowWxPanel() {
    SetTitle(QStringLiteral("WX Channel"));
}

}  // namespace rse
