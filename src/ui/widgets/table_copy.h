// What every list of the editor offers: Copy (Ctrl+C) of the selected rows as a spreadsheet
// pastes them, and a context menu of the list's actions that opens with the mouse, the Menu key
// and Shift+F10.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class QAction;
class QAbstractItemView;

namespace rse {

class TableCopy : public QObject {
    Q_OBJECT

  public:
    // Gives the table the Copy action and the context menu of its actions.
    explicit TableCopy(QAbstractItemView* table);

    // The header line and the selected rows (the current one when none is selected) of the
    // columns shown, tab-separated.
    static QString SelectedRowsText(const QAbstractItemView* table);
    // The selected rows' numbers (from 0) in order; the current row when none is selected.
    static QList<int> SelectedRows(const QAbstractItemView* table);

    // Adds an action to the table's context menu, active while the table has the focus.
    static QAction* AddAction(QAbstractItemView* table, const char* name, const QString& text,
                              const QKeySequence& keys);

    QAction* CopyAction() const { return copy_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAbstractItemView* table_;
    QAction* copy_;
};

}  // namespace rse
