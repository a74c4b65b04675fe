// Panel `pictG`: one slot of the individual directory, with the inner frame `pictGG`. A used
// slot can be deleted and edited (station name and MMSI); the slot after the used ones can be
// added; the slots after it are locked.
#pragma once

#include "editing/node_keys.h"
#include "ui/panels/editor_panel.h"
#include "ui/widgets/frame_lines.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace rse {

class DigitEntry;
class Prompts;

class DirectoryEntryPanel : public EditorPanel {
    Q_OBJECT

  public:
    static constexpr const char* kStationNameHint = QT_TR_NOOP("A maximum of 10 characters.");

    // Top and height of `pictGG` inside the panel (twips).
    static constexpr int kInnerTop = 900;
    static constexpr int kInnerHeight = 1800;

    DirectoryEntryPanel(EditorSession& session, Prompts& prompts, QWidget* parent);

    // Loads the slot of a leaf under "SM" (key such as "SM 3").
    void ShowDirectoryEntry(const nodes::NodeKey& key);
    // Unchecks Add and blanks both texts.
    void Clear() override;
    bool ValidatePendingEdit() override;
    // The kind of the MMSI in the field.
    Note StatusNote() const override;

    QWidget* Inner() const { return inner_; }
    // The slot shown (1..20), 0 when none is.
    int Slot() const { return slot_; }

  signals:
    // The directory's entries or their states may have changed: the tree shades its slots.
    void directoryChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void LoadSlot(int slot);
    void Add(bool checked);
    void Delete(bool checked);
    void StationNameEdited(const QString& text);

    Prompts& prompts_;
    QWidget* inner_;
    FrameLines innerFrame_;
    QCheckBox* chkGEnable_ = nullptr;
    QCheckBox* chkGDelete_ = nullptr;
    QLabel* lblTag_ = nullptr;
    QLineEdit* txtGPosi_ = nullptr;
    QLabel* lblMmsi_ = nullptr;
    DigitEntry* txtGMMSI_ = nullptr;
    int slot_ = 0;
};

}  // namespace rse
