#include "ui/widgets/table_copy.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QTreeView>

#include "editing/clipboard_text.h"

namespace rse {

TableCopy::TableCopy(QAbstractItemView* table) : QObject(table), table_(table) {
    copy_ = AddAction(table, "mnuListCopy", tr("&Copy"), QKeySequence::Copy);
    connect(copy_, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(SelectedRowsText(table_)); });
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->installEventFilter(this);
}

QAction* TableCopy::AddAction(QAbstractItemView* table, const char* name, const QString& text,
                              const QKeySequence& keys) {
    auto* action = new QAction(text, table);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setShortcutVisibleInContextMenu(true);
    table->addAction(action);
    return action;
}

QList<int> TableCopy::SelectedRows(const QAbstractItemView* table) {
    QList<int> rows;
    if (const QItemSelectionModel* selection = table->selectionModel()) {
        for (const QModelIndex& index : selection->selectedRows())
            rows << index.row();
    }
    if (rows.isEmpty() && table->currentIndex().isValid()) rows << table->currentIndex().row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString TableCopy::SelectedRowsText(const QAbstractItemView* table) {
    const QAbstractItemModel* model = table->model();
    if (!model) return {};
    std::vector<int> columns;
    for (int c = 0; c < model->columnCount(); ++c) {
        const auto* grid = qobject_cast<const QTableView*>(table);
        const auto* tree = qobject_cast<const QTreeView*>(table);
        if (!(grid && grid->isColumnHidden(c)) && !(tree && tree->isColumnHidden(c)))
            columns.push_back(c);
    }
    std::vector<std::vector<std::string>> rows(1);
    for (const int c : columns)
        rows[0].push_back(model->headerData(c, Qt::Horizontal).toString().toStdString());
    for (const int r : SelectedRows(table)) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const int c : columns)
            row.push_back(model->index(r, c).data().toString().toStdString());
    }
    return QString::fromStdString(TabSeparatedRows(rows));
}

bool TableCopy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            // The menu opens at the current row, as a keyboard user expects.
            const QRect r = table_->visualRect(table_->currentIndex());
            const QPoint at = r.isValid() ? r.center() : QPoint(4, 4);
            QContextMenuEvent menu(QContextMenuEvent::Keyboard,
                                   table_->viewport()->mapTo(table_, at),
                                   table_->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(table_, &menu);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rse
