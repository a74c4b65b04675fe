// A read-only table of differences: where, and the two values side by side.
#pragma once

#include <QTableWidget>

#include <vector>

#include "editing/difference_words.h"

namespace rse {

class DifferenceTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit DifferenceTable(QWidget* parent = nullptr);

    // Fills the table; the headers name the two sides.
    void SetRows(const std::vector<DifferenceRow>& rows, const QString& beforeHeader,
                 const QString& afterHeader);
    // The tree node of a row (the empty key for a memory byte).
    nodes::NodeKey NodeKeyAt(int row) const;
};

}  // namespace rse
