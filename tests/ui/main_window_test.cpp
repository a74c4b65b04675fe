// The main window after start-up: state, tree, serial port menu and exit.
#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QTreeWidget>

#include "ui/panels/channel_panel.h"
#include "ui/panels/editor_panel.h"
#include "ui/dialogs/help_browser.h"
#include "editing/node_keys.h"
#include "ui/dialogs/serial_devices_dialog.h"
#include "ui/panels/settings_panel.h"
#include "ui_test_support.h"

#include <QComboBox>

namespace rse {
namespace {

using test::Find;

class Startup : public test::MainWindowTest {};
class Tree : public test::MainWindowTest {};
class SerialPort : public test::MainWindowTest {};
class Exit : public test::MainWindowTest {};

int UsaIndexOfPosition(const Configuration& config, int position) {
    for (std::size_t k = 0; k < config.CHUSA.size(); ++k) {
        if (config.CHUSA[k].Position == position) return static_cast<int>(k);
    }
    return -1;
}

TEST_F(Startup, SettingNodeSelectedStatusAndCaption) {
    // A stored geometry and a stored port never change the start size.
    settings.StoreGeometry(0, 0, 30000, 20000);
    settings.StoreComNum(2);
    FrmMain& w = Open();

    EXPECT_EQ(w.size(), QSize(607, 444));
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("S"));
    ASSERT_NE(w.FrontPanel(), nullptr);
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictF"));
    for (const char* name : {"pictA", "pictB", "pictC", "pictD", "pictE", "pictG"}) {
        EXPECT_FALSE(Find<QWidget>(&w, name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Find<QWidget>(&w, "pictF")->isEnabled());
    EXPECT_EQ(w.StatusText(1), QString());
    EXPECT_EQ(w.StatusText(3), QStringLiteral("QM24 VH3400M"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QM24 VH3400M Radio Setup Editor"));
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(session.UpdatingControls);
    EXPECT_EQ(session.LinkRetries, 1);
    EXPECT_EQ(session.ComNum, 2);
    EXPECT_EQ(w.Help()->HelpFile(), QStringLiteral("QM24 VH3400M.hlp"));
    EXPECT_EQ(Find<QWidget>(&w, "tvTreeView")->property("helpContextId").toInt(), 1054);
    // The New configuration is in place: default settings and an empty directory.
    EXPECT_EQ(session.config.SETCOM.Contrast, 4);
    EXPECT_EQ(session.config.SETCOM.OffsetTime, 12);
    EXPECT_EQ(DirectoryCount(session.config), 0);
    EXPECT_TRUE(session.CurrentFileName.isEmpty());
}

TEST_F(Startup, CaptionWithAndWithoutFile) {
    FrmMain& w = Open(false);
    session.CurrentFileName = QStringLiteral("/home/skipper/Boats/Sea Breeze.DAT");
    w.UpdateCaption();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QM24 VH3400M Radio Setup Editor - sea breeze.dat"));
    session.CurrentFileName.clear();
    w.UpdateCaption();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QM24 VH3400M Radio Setup Editor"));
}

TEST_F(Tree, NodesKeysTextsAndOrder) {
    FrmMain& w = Open(false);
    QTreeWidget* tree = w.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Programmable Channel"));
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("Exp Channel"));
    EXPECT_EQ(tree->topLevelItem(2)->text(0), QStringLiteral("Setting"));

    QTreeWidgetItem* p = tree->topLevelItem(0);
    ASSERT_EQ(p->childCount(), 4);
    const char* const branches[][2] = {
        {"PU", "USA"}, {"PI", "International"}, {"PC", "Canada"}, {"PW", "WX Channel"}};
    const int leaves[] = {55, 55, 56, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.Tree()->KeyOf(p->child(i)), QLatin1String(branches[i][0]));
        EXPECT_EQ(p->child(i)->text(0), QLatin1String(branches[i][1]));
        EXPECT_EQ(p->child(i)->childCount(), leaves[i]) << branches[i][0];
    }
    EXPECT_EQ(w.Tree()->KeyOf(p->child(0)->child(0)), QStringLiteral("PU 0"));
    EXPECT_EQ(w.Tree()->KeyOf(p->child(2)->child(55)), QStringLiteral("PC 55"));

    const int ch16 = UsaIndexOfPosition(session.config, 16);
    ASSERT_GE(ch16, 0);
    EXPECT_EQ(p->child(0)->child(ch16)->text(0), QStringLiteral("CH16[Enable]"));

    QTreeWidgetItem* e = tree->topLevelItem(1);
    ASSERT_EQ(e->childCount(), 20);
    EXPECT_EQ(w.Tree()->KeyOf(e->child(0)), QStringLiteral("E 1"));
    EXPECT_EQ(e->child(19)->text(0), QStringLiteral("EXP20"));  // EXP memories start disabled

    QTreeWidgetItem* s = tree->topLevelItem(2);
    ASSERT_EQ(s->childCount(), 1);
    EXPECT_EQ(w.Tree()->KeyOf(s->child(0)), QStringLiteral("SM"));
    EXPECT_EQ(s->child(0)->text(0), QStringLiteral("Individual Directory"));
    ASSERT_EQ(s->child(0)->childCount(), 20);
    EXPECT_EQ(w.Tree()->KeyOf(s->child(0)->child(2)), QStringLiteral("SM 3"));
    EXPECT_EQ(s->child(0)->child(2)->text(0), QStringLiteral("MemoryID3"));

    // Node indices count in the order the nodes were added, from 1.
    EXPECT_EQ(w.Tree()->IndexOf(p), 1);
    EXPECT_EQ(w.Tree()->IndexOf(p->child(0)), 2);
    EXPECT_EQ(w.Tree()->IndexOf(p->child(0)->child(0)), 3);
    EXPECT_EQ(w.Tree()->IndexOf(s->child(0)->child(19)),
              1 + 1 + 55 + 1 + 55 + 1 + 56 + 1 + 1 + 20 + 1 + 1 + 20);
}

TEST_F(Tree, RetitleAndShadeFollowTheConfiguration) {
    FrmMain& w = Open(false);
    const int ch16 = UsaIndexOfPosition(session.config, 16);
    session.config.CHUSA[static_cast<std::size_t>(ch16)].Enable = false;
    session.config.Exp(3).Enable = true;
    session.config.Dir(1).Enable = true;
    session.config.Dir(2).Enable = true;
    session.config.Dir(4).Enable = true;  // after a gap: does not open more slots
    w.Tree()->RetitleNodes();

    EXPECT_EQ(w.Tree()->NodeByKey(QString::fromStdString(nodes::LeafKey("PU", ch16)))->text(0),
              QStringLiteral("CH16"));
    EXPECT_EQ(w.Tree()->NodeByKey(QStringLiteral("E 3"))->text(0), QStringLiteral("EXP3[Enable]"));
    // Branch and setting nodes keep their texts.
    EXPECT_EQ(w.Tree()->NodeByKey(QStringLiteral("E"))->text(0), QStringLiteral("Exp Channel"));
    EXPECT_EQ(w.Tree()->NodeByKey(QStringLiteral("PU"))->text(0), QStringLiteral("USA"));

    const QColor grey = w.Tree()->palette().color(QPalette::Disabled, QPalette::Text);
    for (int slot = 1; slot <= 20; ++slot) {
        const QColor c = w.Tree()->NodeByKey(QStringLiteral("SM %1").arg(slot))->foreground(0).color();
        EXPECT_EQ(c == grey, slot > 3) << "slot " << slot;
    }
}

TEST_F(SerialPort, StoredNumberTicksItsEntry) {
    const struct {
        const char* stored;
        int comNum;
        int ticked;  // -1: none
    } cases[] = {{"3", 3, 2}, {"1", 1, 0}, {"abc", 1, 0}, {"7", 7, -1}, {"0", 0, -1}};
    for (const auto& c : cases) {
        settings.Settings().setValue(QStringLiteral("ComPath/ComNum"), QLatin1String(c.stored));
        settings.Settings().sync();
        FrmMain& w = Open(false);
        EXPECT_EQ(session.ComNum, c.comNum) << c.stored;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(w.SerialPortAction(i)->isChecked(), i == c.ticked) << c.stored << " " << i;
        }
        // The load sequence writes the number back.
        EXPECT_EQ(SettingsStore().ReadComNum(), c.comNum);
        window.reset();
    }
}

TEST_F(SerialPort, ChoosingAnEntryTicksStoresAndShowsDevices) {
    FrmMain& w = Open(false);
    const QList<QAction*> entries =
        w.findChildren<QAction*>(QStringLiteral("mnuOptionsSerialPort1"));
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(w.SerialPortAction(0)->text(), QStringLiteral("COM&1\t/dev/ttyUSB0"));
    EXPECT_EQ(w.SerialPortAction(3)->text(), QStringLiteral("COM&4\t/dev/ttyUSB3"));

    w.SerialPortAction(2)->trigger();
    EXPECT_EQ(session.ComNum, 3);
    EXPECT_EQ(SettingsStore().ReadComNum(), 3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.SerialPortAction(i)->isChecked(), i == 2);
    w.SerialPortAction(2)->trigger();  // choosing the ticked entry keeps it ticked
    EXPECT_TRUE(w.SerialPortAction(2)->isChecked());

    SerialDevicesDialog dialog(settings, &w);
    dialog.DeviceBox(3)->setCurrentText(QStringLiteral("/dev/serial/by-id/usb-Prolific-port0"));
    dialog.accept();
    w.RefreshSerialPortCaptions();
    EXPECT_EQ(w.SerialPortAction(2)->text(),
              QStringLiteral("COM&3\t/dev/serial/by-id/usb-Prolific-port0"));
    EXPECT_EQ(SettingsStore().DevicePath(3),
              QStringLiteral("/dev/serial/by-id/usb-Prolific-port0"));
}

TEST_F(SerialPort, SessionOverrideShownAndNotEditable) {
    qputenv("RSE_COM4", "/tmp/rse-virtual-radio");
    FrmMain& w = Open(false);
    EXPECT_EQ(w.SerialPortAction(3)->text(), QStringLiteral("COM&4\t/tmp/rse-virtual-radio"));
    SerialDevicesDialog dialog(settings, &w);
    EXPECT_FALSE(dialog.DeviceBox(4)->isEnabled());
    dialog.accept();
    EXPECT_FALSE(settings.Settings().contains(QStringLiteral("ComPath/COM4")));
    qunsetenv("RSE_COM4");
}

TEST_F(Exit, GeometryStoredUnlessMinimised) {
    FrmMain& w = Open();
    w.close();
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("rse"),
                  QStringLiteral("rse"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainWidth")).toString(),
              QString::number(w.frameGeometry().width() * 15));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainHeight")).toString(),
              QString::number(w.frameGeometry().height() * 15));
    EXPECT_TRUE(raw.contains(QStringLiteral("Settings/MainLeft")));
    EXPECT_TRUE(raw.contains(QStringLiteral("Settings/MainTop")));
}

TEST_F(Exit, MinimisedLeavesStoredGeometryAlone) {
    settings.StoreGeometry(1, 2, 3, 4);
    FrmMain& w = Open();
    w.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(w.isMinimized());
    w.close();
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("rse"),
                  QStringLiteral("rse"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainLeft")).toString(), QStringLiteral("1"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainTop")).toString(), QStringLiteral("2"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("3"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainHeight")).toString(), QStringLiteral("4"));
}

TEST_F(Exit, ClosesTheOtherWindows) {
    FrmMain& w = Open();
    w.HelpContents();
    ASSERT_TRUE(w.Help()->isVisible());
    w.FileExit();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.Help()->isVisible());
}

}  // namespace
}  // namespace rse
