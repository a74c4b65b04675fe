#include "ui/widgets/difference_table.h"

#include <QHeaderView>

#include <string_view>

#include "qt/translations.h"
#include "ui/widgets/table_copy.h"

namespace rse {

namespace {

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// A value: the model's own 8-bit text, or words of the editor in the language of the windows.
QString Value(const Phrase& phrase, const std::string& english) {
    const bool modelText = phrase.Empty() || (phrase.parts.size() == 1 &&
                                              std::string_view(phrase.parts[0].source) == "%1");
    return modelText ? Latin1(english) : Translated(phrase, english);
}

}  // namespace

DifferenceTable::DifferenceTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("tblDifferences"));
    setAccessibleName(tr("Differences"));
    setColumnCount(3);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    new TableCopy(this);  // Ctrl+C and the context menu copy the selected rows
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    // Every column as wide as its texts; the table scrolls when the window is narrower.
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void DifferenceTable::SetRows(const std::vector<DifferenceRow>& rows, const QString& beforeHeader,
                              const QString& afterHeader) {
    setHorizontalHeaderLabels({tr("Where"), beforeHeader, afterHeader});
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const DifferenceRow& row = rows[static_cast<std::size_t>(r)];
        QTableWidgetItem* where = Cell(Translated(row.wherePhrase, row.where));
        where->setData(Qt::UserRole, Latin1(row.nodeKey.Text()));
        setItem(r, 0, where);
        setItem(r, 1, Cell(Value(row.beforePhrase, row.before)));
        setItem(r, 2, Cell(Value(row.afterPhrase, row.after)));
    }
    resizeRowsToContents();
}

nodes::NodeKey DifferenceTable::NodeKeyAt(int row) const {
    const QTableWidgetItem* where = item(row, 0);
    return where ? nodes::NodeKey::Parse(where->data(Qt::UserRole).toString().toStdString())
                 : nodes::NodeKey{};
}

}  // namespace rse
