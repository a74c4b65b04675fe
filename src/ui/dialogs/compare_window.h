// File > Compare With...: the differences between the configuration in the editor and a
// file or backup, as a table. Selecting a row shows that field's node in the main window.
#pragma once

#include <QDialog>

#include <vector>

#include "editing/difference_words.h"

class QLabel;

namespace rse {

class DifferenceTable;

class CompareWindow : public QDialog {
    Q_OBJECT

  public:
    CompareWindow(const std::vector<DifferenceRow>& rows, const QString& otherName,
                  QWidget* parent = nullptr);

    DifferenceTable* Table() const { return table_; }

  signals:
    // The user selected a row whose field a tree node shows.
    void showNode(const rse::nodes::NodeKey& key);

  private:
    DifferenceTable* table_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace rse
