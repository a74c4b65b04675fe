// Panel `pictC`: one channel of a plan bank or of the EXP bank, with the inner frame `pictCC`.
// Every user action writes the one field it edits into the bank record at once; the loaders
// only fill the controls and set their enabling.
#pragma once

#include <QString>

#include "editing/node_keys.h"
#include "model/channel_plans.h"
#include "ui/panels/editor_panel.h"
#include "ui/widgets/frame_lines.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace rse {

struct PlanEntry;
class TagEdit;

class ChannelPanel : public EditorPanel {
    Q_OBJECT

  public:
    // Top and height of `pictCC` inside the panel (twips).
    static constexpr int kInnerTop = 1800;
    static constexpr int kInnerHeight = 2400;
    static constexpr int kTagLength = 12;

    static constexpr const char* kCheckHint =
        QT_TR_NOOP("[Space]:An effective and invalid change.");
    static constexpr const char* kListHint =
        QT_TR_NOOP("[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End");
    static constexpr const char* kTagHint = QT_TR_NOOP("A maximum of 12 characters");

    ChannelPanel(EditorSession& session, QWidget* parent);

    // Loads the channel of a leaf under "PU", "PI" or "PC" (key such as "PU 3").
    void ShowPlanChannel(const nodes::NodeKey& key);
    // Loads the EXP memory of a leaf under "E" (key such as "E 7").
    void ShowExpChannel(const nodes::NodeKey& key);
    // Blanks the controls and fills the position list of `cmbCN` (0..281).
    void Clear() override;

    QWidget* Inner() const { return inner_; }
    // The key of the record shown, empty when none is.
    nodes::NodeKey LoadedKey() const { return key_; }
    // True while the position chooser has the focus (or shows its list).
    bool ChannelComboGuard() const;

  signals:
    // The user changed the Enable flag of the record with this tree key.
    void enableStored(const rse::nodes::NodeKey& key);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Kind { None, Plan, Exp };

    ChannelRecord* Record();
    const PlanEntry& Entry(const ChannelRecord& record) const;
    // Fills the controls from the record and sets which options can be changed.
    void Fill(const ChannelRecord& record, const PlanEntry& entry);
    void Reload();
    void ShowRxFrequency(bool duplex);

    // The options' Enabled flags from the record shown (the panel itself may be disabled).
    void ApplyEnabling();

    void OnEnableClicked();
    void OnPositionChosen(int index);
    void ApplyExpEnable();

    QWidget* top_;
    QLabel* lblCPosition_;
    QLabel* channelLabel_;  // txtCN
    QComboBox* cmbCN_;
    QCheckBox* chkCEnable_;
    QLabel* rxFrequency_;  // txtCRF
    QLabel* txFrequency_;  // txtCTF
    QWidget* inner_;
    QCheckBox* chkCScan_;
    QCheckBox* chkCDup_;
    QCheckBox* chkCTXPower_;
    QCheckBox* chkCTXOnly_;
    QCheckBox* chkCTXEnable_;
    QLabel* lblCTag_;
    TagEdit* txtCTag_;
    FrameLines innerFrame_;

    Kind kind_ = Kind::None;
    BankId bank_ = BankId::USA;
    int index_ = 0;  // plan banks 0.., EXP 1..20
    nodes::NodeKey key_;
    QString rememberedChannelText_;
};

}  // namespace rse
