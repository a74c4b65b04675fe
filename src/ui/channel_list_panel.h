// Panel `pictB`: the channel list of a plan bank or of the EXP bank.
#pragma once

#include "ui/editor_panel.h"

#include "model/channel_plans.h"

namespace rse {

class ChannelListPanel : public EditorPanel {
    Q_OBJECT

  public:
    ChannelListPanel(EditorSession& session, QWidget* parent);

    // Loads the list of a plan bank (nodes "PU", "PI", "PC").
    void ShowPlanBankList(BankId bank);
    // Loads the list of the EXP bank (node "E").
    void ShowExpBankList();
    void Clear() override;
};

}  // namespace rse
