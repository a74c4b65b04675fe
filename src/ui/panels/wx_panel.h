// Panel `pictD`: the ten WX channels of `CHWX`: Enable, Scan and the tag of each. Row i shows
// record i and plan entry i + 1. The check box that has the focus shows ">" as its caption.
#pragma once

#include <array>

#include <QString>

#include "ui/panels/editor_panel.h"

class QCheckBox;
class QLabel;

namespace rse {

class TagEdit;

class WxPanel : public EditorPanel {
    Q_OBJECT

  public:
    static constexpr int kRows = 10;
    static constexpr int kTagLength = 12;
    static constexpr const char* kCheckHint = QT_TR_NOOP("Select[x]Enable/[]Disable.");
    static constexpr const char* kTagHint = QT_TR_NOOP("A maximum of 12 characters");

    WxPanel(EditorSession& session, QWidget* parent);

    // Loads the panel for node "PW".
    void ShowWxPanel();
    // Fills the rows from the WX bank and its plan.
    void FillWxRows();
    // Clears the boxes and tags, then fills the rows.
    void Clear() override;

    // The controls of row i (0..9).
    QLabel* lblWX(int i) const { return rows_.at(static_cast<std::size_t>(i)).label; }
    QCheckBox* chkDEnable(int i) const { return rows_.at(static_cast<std::size_t>(i)).enable; }
    QCheckBox* chkDScan(int i) const { return rows_.at(static_cast<std::size_t>(i)).scan; }
    TagEdit* txtDTagName(int i) const { return rows_.at(static_cast<std::size_t>(i)).tag; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Row {
        QLabel* label = nullptr;
        QCheckBox* enable = nullptr;
        QCheckBox* scan = nullptr;
        TagEdit* tag = nullptr;
    };
    ChannelRecord* Record(int i);

    std::array<Row, kRows> rows_{};
};

}  // namespace rse
