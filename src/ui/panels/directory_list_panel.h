// Panel `pictE`: the list of the individual directory in the grid `MSFlexGrid2`. Rows can be
// copied; stations pasted from a spreadsheet or a text (Ctrl+V) go into the slots from the
// selected row on, under the directory import's rules, as one step.
#pragma once

#include <QString>

#include "ui/panels/editor_panel.h"

class QAction;
class QTableWidget;

namespace rse {

class Prompts;

class DirectoryListPanel : public EditorPanel {
    Q_OBJECT

  public:
    DirectoryListPanel(EditorSession& session, Prompts& prompts, QWidget* parent);

    // Loads the list for node "SM".
    void ShowDirectoryList();
    void Clear() override;
    // Enter in the grid opens the slot of the current row.
    bool HandleEnterKey(QWidget* focus) override;
    // The kind of the MMSI in the current row.
    Note StatusNote() const override;

    QTableWidget* Grid() const { return grid_; }
    QAction* PasteAction() const { return paste_; }

    // Pastes the clipboard's rows of Name and MMSI from the selected row on: all or none.
    void Paste();

  signals:
    // The user asked to open the slot with this tree key ("SM 3").
    void jumpRequested(const QString& key);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void SetUpGrid();
    void FillGrid();
    void Jump(int row);

    void SelectionChanged();

    Prompts& prompts_;
    QTableWidget* grid_;
    QAction* paste_;
};

}  // namespace rse
