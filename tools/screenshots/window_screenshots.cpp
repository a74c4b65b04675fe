// Saves pictures of the editor for a look by eye: the main window with each kind of tree node
// selected, the Serial Port, File and Options menus, the help viewer, the about box, the
// compare, program changes and backups windows and the device paths dialog.
// Usage: rse_ui_screenshots OUTPUT_FOLDER   (runs on any Qt platform, e.g. offscreen)
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>

#include "editing/difference_words.h"
#include "files/config_diff.h"
#include "qt/backups.h"
#include "screenshot_support.h"
#include "ui/dialogs/backups_window.h"
#include "ui/dialogs/compare_window.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/help_browser.h"
#include "ui/dialogs/program_changes_dialog.h"
#include "ui/dialogs/serial_devices_dialog.h"

using rse::tools::Save;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse"));
    const std::optional<QDir> out = rse::tools::OutputFolder(argc, argv, "rse_ui_screenshots");
    if (!out) return 2;
    const QDir& dir = *out;

    rse::tools::EditorWindow editor;
    rse::EditorSession& session = editor.session;
    rse::FrmMain& w = editor.window;
    bool ok = Save(&w, dir, QStringLiteral("main-start"));

    // A few entries in use, so that marks and shading show.
    session.config.Exp(2).Enable = true;
    session.config.Dir(1).Enable = true;
    session.config.CHUSA[1].Enable = false;
    w.Tree()->RetitleNodes();

    const char* const nodes[][2] = {
        {"P", "node-P"},   {"PU", "node-PU"}, {"PU 1", "node-PU-1"},
        {"PW", "node-PW"}, {"E", "node-E"},   {"E 2", "node-E-2"},
        {"S", "node-S"},   {"SM", "node-SM"}, {"SM 2", "node-SM-2"},
    };
    for (const auto& n : nodes) {
        w.Tree()->SelectNodeByKey(rse::nodes::NodeKey::Parse(n[0]));
        ok = Save(&w, dir, QLatin1String(n[1])) && ok;
    }

    w.resize(900, 600);
    w.Tree()->SelectNodeByKey(rse::nodes::NodeKey::Parse("SM 2"));
    ok = Save(&w, dir, QStringLiteral("main-900x600")) && ok;

    auto* serial = w.findChild<QMenu*>(QStringLiteral("mnuOptionsSerialPort"));
    serial->popup(w.mapToGlobal(QPoint(100, 40)));
    ok = Save(serial, dir, QStringLiteral("menu-serial-port")) && ok;
    serial->hide();

    w.ShowContextHelp(w.Tree());
    w.Help()->resize(560, 480);
    ok = Save(w.Help(), dir, QStringLiteral("help-topic-1054")) && ok;
    w.Help()->close();

    rse::FrmAbout about(&w);
    about.show();
    ok = Save(&about, dir, QStringLiteral("about")) && ok;

    // The File and Options menus with the Language submenu.
    for (const char* name : {"mnuFile", "mnuOptions", "mnuOptionsLanguage"}) {
        auto* menu = w.findChild<QMenu*>(QLatin1String(name));
        menu->popup(w.mapToGlobal(QPoint(100, 40)));
        ok = Save(menu, dir, QStringLiteral("menu-") + QLatin1String(name)) && ok;
        menu->hide();
    }

    // The windows of the safety net with a few differences to show.
    rse::Configuration other = session.config;
    other.CHUSA[3].ChTag = "HARBOUR";
    other.CHUSA[4].ScanMemory = !other.CHUSA[4].ScanMemory;
    other.SETCOM.ScanType = 1;
    other.Dir(2).Enable = true;
    other.Dir(2).Mmsid = "316001234";
    const std::vector<rse::DifferenceRow> rows =
        rse::DescribeDifferences(rse::CompareConfigurations(session.config, other), session.config);
    rse::CompareWindow compare(rows, QStringLiteral("other.dat"), &w);
    compare.resize(640, 300);
    compare.show();
    ok = Save(&compare, dir, QStringLiteral("compare")) && ok;
    rse::ProgramChangesDialog changes(rows, &w);
    changes.show();
    ok = Save(&changes, dir, QStringLiteral("program-changes")) && ok;
    rse::BackupsWindow backups(rse::DefaultBackupStore(), editor.prompts, &w);
    backups.show();
    ok = Save(&backups, dir, QStringLiteral("backups")) && ok;
    rse::SerialDevicesDialog devices(editor.settings, &w);
    devices.show();
    ok = Save(&devices, dir, QStringLiteral("device-paths")) && ok;
    return ok ? 0 : 1;
}
