// Saves pictures of undo and redo and of the lists' selection: twelve channels selected with
// their context menu, the Edit menu naming its steps, the status bar after an undo, and the
// directory list after a paste.
// Usage: rse_undo_screenshots OUTPUT_FOLDER   (runs on any Qt platform, e.g. offscreen)
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include "screenshot_support.h"
#include "ui/edit_commands.h"
#include "ui/panel_area.h"
#include "ui/panels/channel_list_panel.h"
#include "ui/panels/directory_list_panel.h"

using rse::tools::Save;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse"));
    const std::optional<QDir> out = rse::tools::OutputFolder(argc, argv, "rse_undo_screenshots");
    if (!out) return 2;
    const QDir& dir = *out;

    rse::tools::EditorWindow editor;
    rse::FrmMain& w = editor.window;
    w.resize(900, 600);
    rse::NavigationTree& tree = *w.Tree();
    tree.setCurrentItem(tree.NodeByKey(QStringLiteral("PU")));
    QTableWidget* grid = w.Panels()->ChannelList()->Grid();
    grid->setFocus();
    grid->setCurrentCell(2, 0);
    grid->setRangeSelected(QTableWidgetSelectionRange(2, 0, 13, grid->columnCount() - 1), true);
    bool ok = Save(&w, dir, QStringLiteral("channels-12-selected"));

    QMenu menu;
    menu.addActions(grid->actions());
    menu.popup(grid->viewport()->mapToGlobal(grid->visualItemRect(grid->item(5, 1)).center()));
    ok = Save(&menu, dir, QStringLiteral("channels-context-menu")) && ok;
    menu.hide();

    w.Panels()->ChannelList()->ChangeSelected(rse::ChannelChange::ScanOn);
    ok = Save(&w, dir, QStringLiteral("channels-scan-on")) && ok;

    auto* edit = w.findChild<QMenu*>(QStringLiteral("mnuEdit"));
    edit->popup(w.mapToGlobal(QPoint(40, 20)));
    ok = Save(edit, dir, QStringLiteral("menu-edit")) && ok;
    edit->hide();

    w.Edit().Undo();
    ok = Save(&w, dir, QStringLiteral("undone-status")) && ok;

    tree.setCurrentItem(tree.NodeByKey(QStringLiteral("SM")));
    QApplication::clipboard()->setText(
        QStringLiteral("Name\tMMSI\nharbour\t002320001\nbuddy\t366 000 010\nsart\t970123456\n"));
    // The warning about the AIS-SART's MMSI, then closed.
    QTimer::singleShot(300, [&dir] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            Save(box, dir, QStringLiteral("directory-paste-warning"));
            box->close();
        }
    });
    w.Panels()->DirectoryList()->Paste();
    ok = Save(&w, dir, QStringLiteral("directory-pasted")) && ok;
    edit->popup(w.mapToGlobal(QPoint(40, 20)));
    ok = Save(edit, dir, QStringLiteral("menu-edit-paste")) && ok;
    return ok ? 0 : 1;
}
