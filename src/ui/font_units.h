// The editor's windows measured in the user's font: the font units of a window, and the
// width a field or a grid column needs for its texts.
#pragma once

#include <QFont>
#include <QString>

#include "layout/font_units.h"

class QLineEdit;
class QTableWidget;

namespace rse {

// The metrics the layout needs of a font.
layout::FontMetrics MetricsOf(const QFont& font);
// The units of a window shown in `font`, for a design drawn for the reference font.
layout::FontUnits UnitsOf(const QFont& font);
// The units of a window designed in `font`'s family at the reference size (the transfer
// dialog's Arial).
layout::FontUnits UnitsOfDesignFamily(const QFont& font);

// The width a line edit needs to show `text` whole, frame and margins included.
int FieldWidthFor(const QLineEdit* field, const QString& text);
// Makes a field exactly as wide as its longest text: as many of `widest` as it holds
// (capital W for names and tags, 0 for numbers).
void FitFieldWidth(QLineEdit* field, QChar widest, int length);

// The width of a grid column that shows `text` whole in a cell.
int CellWidthFor(const QTableWidget* grid, const QString& text);
// Widens every column of `grid` that is narrower than its heading or one of its cells.
void FitGridColumns(QTableWidget* grid);

}  // namespace rse
