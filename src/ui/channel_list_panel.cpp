#include "ui/channel_list_panel.h"

namespace rse {

ChannelListPanel::ChannelListPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("B"), session, parent) {
    Clear();
}

void ChannelListPanel::Clear() {
    ShowPlanBankList(BankId::USA);
}

void ChannelListPanel::ShowPlanBankList(BankId bank) {
    switch (bank) {
        case BankId::USA:
            SetTitle(QStringLiteral("USA Channel List"));
            break;
        case BankId::INT:
            SetTitle(QStringLiteral("International Channel List"));
            break;
        case BankId::CAN:
            SetTitle(QStringLiteral("Canada Channel List"));
            break;
        case BankId::WX:
            SetTitle(QStringLiteral("WX Channel List"));
            break;
        case BankId::EXP:
            ShowExpBankList();
            break;
    }
}

void ChannelListPanel::ShowExpBankList() {
    SetTitle(QStringLiteral("Exp Channel List"));
}

}  // namespace rse
