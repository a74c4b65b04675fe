// The question before programming with a backup: the changes programming will make to what
// the radio holds now, and "Program these N changes?" with Yes and No. When the configuration
// would change the radio's own MMSI or ATIS number, that choice stands at the top, set apart,
// and the list follows it.
#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

#include "editing/difference_words.h"
#include "image/identity.h"

class QLabel;
class QRadioButton;

namespace rse {

class DifferenceTable;

class ProgramChangesDialog : public QDialog {
    Q_OBJECT

  public:
    struct Preview {
        std::vector<DifferenceRow> keep;    // the changes when the radio keeps its numbers
        std::vector<DifferenceRow> change;  // and when it takes the configuration's
        QStringList identity;               // the sentences; empty: no choice to make
    };

    explicit ProgramChangesDialog(const std::vector<DifferenceRow>& rows,
                                  QWidget* parent = nullptr);
    explicit ProgramChangesDialog(Preview preview, QWidget* parent = nullptr);

    static QString Question(int count);
    DifferenceTable* Table() const { return table_; }
    // Keep unless "Change It" was chosen.
    IdentityChoice Choice() const;

  private:
    void ShowRows();

    Preview preview_;
    DifferenceTable* table_ = nullptr;
    QLabel* question_ = nullptr;
    QRadioButton* keep_ = nullptr;
    QRadioButton* change_ = nullptr;
};

}  // namespace rse
