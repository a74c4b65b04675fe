// Panel `pictF`: the common settings of the radio (`SETCOM`) and the radio's count of user
// MMSI entries, with the button that clears that count in the radio.
#pragma once

#include <cstdint>

#include <QString>

#include "ui/panels/editor_panel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rse {

class DigitEntry;
class Prompts;

class SettingsPanel : public EditorPanel {
    Q_OBJECT

  public:
    static constexpr const char* kCheckHint =
        QT_TR_NOOP("[Space]:An effective and invalid change.");
    static constexpr const char* kListHint =
        QT_TR_NOOP("[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End");

    SettingsPanel(EditorSession& session, Prompts& prompts, QWidget* parent);

    // Loads the panel for node "S".
    void ShowSettingsPanel();
    // Copies the settings and the radio's entry count into the controls.
    void SetParamData();
    // Blanks the controls and fills the lists.
    void Clear() override;
    bool ValidatePendingEdit() override;
    // The kind of the user MMSI in its field.
    Note StatusNote() const override;

  signals:
    // The Clear button was pressed: the radio's entry count is to be cleared.
    void clearRequested();

  private:
    QComboBox* AddList(const char* name, std::int16_t CommonSettings::*field);
    QCheckBox* AddCheck(const char* name, const QString& caption, bool CommonSettings::*field);
    void FillLists();
    void ApplyAtisRule();

    QComboBox* cmbFCont_ = nullptr;
    QComboBox* cmbFDim_ = nullptr;
    QCheckBox* chkFBeep_ = nullptr;
    QCheckBox* chkFATIS_ = nullptr;
    QLabel* lblATIS_ = nullptr;
    DigitEntry* txtFATISNo_ = nullptr;
    QComboBox* cmbFScan_ = nullptr;
    QComboBox* cmbFIND_ = nullptr;
    QCheckBox* chkFindReply_ = nullptr;
    QCheckBox* chkFindAck_ = nullptr;
    QCheckBox* chkFposRR_ = nullptr;
    QCheckBox* chkFDSC_ = nullptr;
    QCheckBox* chkFWX_ = nullptr;
    QComboBox* cmbFOffset_ = nullptr;
    DigitEntry* txtFUser_ = nullptr;
    QLineEdit* txtFCount_ = nullptr;
    QPushButton* cmdFClear_ = nullptr;
};

}  // namespace rse
