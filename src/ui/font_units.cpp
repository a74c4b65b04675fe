#include "ui/font_units.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableWidget>

namespace rse {

namespace {

// QLineEdit keeps this many pixels free at each side of its text.
constexpr int kLineEditTextMargin = 2;

}  // namespace

layout::FontMetrics MetricsOf(const QFont& font) {
    const QFontMetrics fm(font);
    return {fm.horizontalAdvance(
                QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")),
            fm.height()};
}

layout::FontUnits UnitsOf(const QFont& font) {
    return layout::FontUnits(MetricsOf(font));
}

layout::FontUnits UnitsOfDesignFamily(const QFont& font) {
    QFont design = font;
    design.setPointSizeF(layout::kReferencePointSize);
    return layout::FontUnits(MetricsOf(font), MetricsOf(design));
}

int FieldWidthFor(const QLineEdit* field, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    const QMargins margins = field->textMargins();
    const int content = field->fontMetrics().horizontalAdvance(text) + 2 * kLineEditTextMargin +
                        margins.left() + margins.right();
    const QSize hint(content, field->fontMetrics().height());
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, hint, field).width();
}

void FitFieldWidth(QLineEdit* field, QChar widest, int length) {
    field->setFixedWidth(FieldWidthFor(field, QString(length, widest)));
}

int CellWidthFor(const QTableWidget* grid, const QString& text) {
    // An item is drawn inside the focus frame's margin plus one pixel at each side, in the
    // column less the grid line.
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    return grid->fontMetrics().horizontalAdvance(text) + 2 * margin + (grid->showGrid() ? 1 : 0);
}

void FitGridColumns(QTableWidget* grid) {
    QHeaderView* header = grid->horizontalHeader();
    for (int c = 0; c < grid->columnCount(); ++c) {
        int needed = header->sectionSizeHint(c);
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (const QTableWidgetItem* item = grid->item(r, c)) {
                needed = std::max(needed, CellWidthFor(grid, item->text()));
            }
        }
        if (grid->columnWidth(c) < needed) grid->setColumnWidth(c, needed);
    }
}

}  // namespace rse
