// Panel `pictB`: the channel list of a plan bank or of the EXP bank in the grid `MSFlexGrid1`.
// The grid fills the panel; its header row holds the column names (grid row 0) and table row
// r - 1 shows grid row r. A double-click on a row or Enter in the grid asks for the tree node
// of that channel. Rows can be selected together; the context menu and its keys switch Enable
// or Scan Memory of every selected channel at once, as one step.
#pragma once

#include <optional>

#include <QString>

#include "editing/channel_batch.h"
#include "editing/node_keys.h"
#include "model/channel_plans.h"
#include "ui/panels/editor_panel.h"

class QAction;
class QTableWidget;

namespace rse {

class ChannelListPanel : public EditorPanel {
    Q_OBJECT

  public:
    static constexpr const char* kGridHint =
        QT_TR_NOOP("[Double click],[Enter]:Jump the Setting screen.");
    static constexpr int kPlanColumns = 10;
    static constexpr int kExpColumns = 11;

    ChannelListPanel(EditorSession& session, QWidget* parent);

    // Lists a plan bank (nodes "PU", "PI", "PC").
    void ShowPlanBankList(BankId bank);
    // Lists the EXP bank (node "E").
    void ShowExpBankList();
    // Sets the grid up again and lists the USA bank.
    void Clear() override;
    bool HandleEnterKey(QWidget* focus) override;

    QTableWidget* Grid() const { return grid_; }
    // The bank listed last.
    BankId ListedBank() const { return bank_; }
    // The tree key of the channel in grid row `row` (1..), or nothing (header row, no row).
    std::optional<nodes::NodeKey> KeyOfRow(int row) const;

    // Makes the change to every selected channel the channel panel would allow it on; the
    // status bar says how many were left alone.
    void ChangeSelected(ChannelChange change);
    // "12 channels selected" while more than one row is selected.
    Note StatusNote() const override;
    QAction* ChangeAction(ChannelChange change) const;

  signals:
    // The user asked for the channel with this tree key.
    void jumpRequested(const rse::nodes::NodeKey& key);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void SetGridHeader(int columns);
    void Jump(int row);
    void SetRow(int tableRow, const QStringList& cells);
    void SelectionChanged();

    QTableWidget* grid_;
    BankId bank_ = BankId::USA;
    QList<QAction*> changeActions_;  // in the order of ChannelChange
};

}  // namespace rse
