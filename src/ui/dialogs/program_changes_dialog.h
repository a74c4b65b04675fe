// The question before programming with a backup: the changes programming will make to what
// the radio holds now, and "Program these N changes?" with Yes and No.
#pragma once

#include <QDialog>

#include <vector>

#include "editing/difference_words.h"

namespace rse {

class DifferenceTable;

class ProgramChangesDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ProgramChangesDialog(const std::vector<DifferenceRow>& rows,
                                  QWidget* parent = nullptr);

    static QString Question(int count);
    DifferenceTable* Table() const { return table_; }

  private:
    DifferenceTable* table_ = nullptr;
};

}  // namespace rse
