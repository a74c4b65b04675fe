// Panel `pictE`: the list of the individual directory in the grid `MSFlexGrid2`.
#pragma once

#include <QString>

#include "ui/panels/editor_panel.h"

class QTableWidget;

namespace rse {

class DirectoryListPanel : public EditorPanel {
    Q_OBJECT

  public:
    DirectoryListPanel(EditorSession& session, QWidget* parent);

    // Loads the list for node "SM".
    void ShowDirectoryList();
    void Clear() override;
    // Enter in the grid opens the slot of the current row.
    bool HandleEnterKey(QWidget* focus) override;
    // The kind of the MMSI in the current row.
    Note StatusNote() const override;

    QTableWidget* Grid() const { return grid_; }

  signals:
    // The user asked to open the slot with this tree key ("SM 3").
    void jumpRequested(const QString& key);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void SetUpGrid();
    void FillGrid();
    void Jump(int row);

    QTableWidget* grid_;
};

}  // namespace rse
