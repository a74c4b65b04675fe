// Tree selection, panel dispatch, commands and keyboard handling of the main window.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QTreeWidget>

#include "app/switches.h"
#include "editing/node_keys.h"
#include "ui/dialogs/help_browser.h"
#include "ui/file_commands.h"
#include "ui/panels/editor_panel.h"
#include "ui/panels/settings_panel.h"
#include "ui_test_support.h"

namespace rse {
namespace {

using test::Find;

class Navigation : public test::MainWindowTest {};
class Commands : public test::MainWindowTest {};
class Keyboard : public test::MainWindowTest {};

void ClickNode(FrmMain& w, const QString& key) {
    QTreeWidgetItem* node = w.Tree()->NodeByKey(key);
    ASSERT_NE(node, nullptr) << key.toStdString();
    w.Tree()->scrollToItem(node);
    const QRect r = w.Tree()->visualItemRect(node);
    QTest::mouseClick(w.Tree()->viewport(), Qt::LeftButton, {}, r.center());
}

TEST_F(Navigation, EachNodeShowsItsPanel) {
    FrmMain& w = Open();
    const struct {
        const char* key;
        const char* panel;
        const char* title;
    } cases[] = {
        {"P", "pictA", "Priority Channel"},
        {"PU", "pictB", "USA Channel List"},
        {"PI", "pictB", "International Channel List"},
        {"PC", "pictB", "Canada Channel List"},
        {"PI 0", "pictC", nullptr},
        {"PW", "pictD", "WX Channel"},
        {"E", "pictB", "Exp Channel List"},
        {"E 3", "pictC", "EXP3"},
        {"S", "pictF", "Setting"},
        {"SM", "pictE", "Individual Directory"},
        {"SM 4", "pictG", "MemoryID4"},
    };
    for (const auto& c : cases) {
        const QString key = QLatin1String(c.key);
        ClickNode(w, key);
        ASSERT_EQ(w.Tree()->SelectedKey(), key);
        ASSERT_NE(w.FrontPanel(), nullptr);
        EXPECT_EQ(w.FrontPanel()->objectName(), QLatin1String(c.panel)) << c.key;
        if (c.title) {
            EXPECT_EQ(w.FrontPanel()->Title(), QLatin1String(c.title)) << c.key;
        }
        int enabled = 0;
        for (QObject* o : Find<QWidget>(&w, "pictData")->children()) {
            if (auto* p = qobject_cast<EditorPanel*>(o); p && p->isEnabled()) ++enabled;
        }
        EXPECT_EQ(enabled, 1) << c.key;
        EXPECT_EQ(w.StatusText(1), NavigationTree::kTreeHint);
    }
    // A plan channel's panel names its plan and channel label.
    const int ch16 = [&] {
        for (std::size_t k = 0; k < session.config.CHUSA.size(); ++k) {
            if (session.config.CHUSA[k].Position == 16) return static_cast<int>(k);
        }
        return -1;
    }();
    ClickNode(w, QString::fromStdString(nodes::LeafKey("PU", ch16)));
    EXPECT_EQ(w.FrontPanel()->Title(), QStringLiteral("USA CH16"));
}

TEST_F(Navigation, SameNodeAgainDoesNotReloadItsPanel) {
    FrmMain& w = Open();
    QSignalSpy shown(&w, &FrmMain::nodeShown);
    ClickNode(w, QStringLiteral("S"));  // already selected and shown at start-up
    EXPECT_EQ(shown.count(), 0);
    ClickNode(w, QStringLiteral("SM"));
    ClickNode(w, QStringLiteral("SM"));
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.at(0).at(0).toString(), QStringLiteral("SM"));
    w.Tree()->RefreshSelection();  // always reloads
    EXPECT_EQ(shown.count(), 2);
}

TEST_F(Navigation, ArrowKeysAndCollapsingMoveTheSelection) {
    FrmMain& w = Open();
    w.Tree()->setFocus();
    w.Tree()->NodeByKey(QStringLiteral("S"))->setExpanded(true);
    QTest::keyClick(w.Tree(), Qt::Key_Down);
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("SM"));
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictE"));

    ClickNode(w, QStringLiteral("SM 3"));
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictG"));
    w.Tree()->NodeByKey(QStringLiteral("SM"))->setExpanded(false);
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("SM"));
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictE"));
}

TEST_F(Navigation, SelectNodeByKeyAndMinimisedWindow) {
    FrmMain& w = Open();
    w.Tree()->SelectNodeByKey(QStringLiteral("E 20"));
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("E 20"));
    EXPECT_EQ(w.FrontPanel()->Title(), QStringLiteral("EXP20"));
    w.Tree()->SelectNodeByKey(QStringLiteral("E 21"));  // no such node: nothing changes
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("E 20"));

    QSignalSpy shown(&w, &FrmMain::nodeShown);
    w.setWindowState(Qt::WindowMinimized);
    w.Tree()->SelectNodeByKey(QStringLiteral("P"));
    EXPECT_EQ(shown.count(), 0);
    EXPECT_EQ(w.FrontPanel()->Title(), QStringLiteral("EXP20"));
}

TEST_F(Commands, ReadFromRadioRefreshesTreeCaptionAndPanel) {
    FrmMain& w = Open();
    ClickNode(w, QStringLiteral("E 2"));
    session.CurrentFileName = QStringLiteral("/tmp/boat.dat");
    w.UpdateCaption();
    QSignalSpy shown(&w, &FrmMain::nodeShown);

    int runs = 0;
    w.transferDialog = [&](TransferMode mode) {
        ++runs;
        EXPECT_EQ(mode, TransferMode::Read);
        session.config.CHUSA[0].Enable = false;
        session.config.Exp(2).Enable = true;
        return TransferOutcome{TransferStatus::Success, std::nullopt};
    };
    w.TransferRead();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(
        w.Tree()->NodeByKey(QStringLiteral("PU 0"))->text(0).endsWith(QLatin1String("[Enable]")),
        false);
    EXPECT_EQ(w.Tree()->NodeByKey(QStringLiteral("E 2"))->text(0), QStringLiteral("EXP2[Enable]"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QM24 VH3400M Radio Setup Editor"));
    EXPECT_TRUE(session.CurrentFileName.isEmpty());
    ASSERT_EQ(shown.count(), 1);  // the selected node's panel is shown again
    EXPECT_EQ(shown.at(0).at(0).toString(), QStringLiteral("E 2"));
}

TEST_F(Commands, FailedReadAndProgramLeaveEverything) {
    FrmMain& w = Open();
    session.CurrentFileName = QStringLiteral("/tmp/boat.dat");
    w.UpdateCaption();
    QSignalSpy shown(&w, &FrmMain::nodeShown);
    w.transferDialog = [&](TransferMode) {
        session.config.CHUSA[0].Enable = false;
        return TransferOutcome{};  // failed
    };
    w.TransferRead();
    EXPECT_TRUE(
        w.Tree()->NodeByKey(QStringLiteral("PU 0"))->text(0).endsWith(QLatin1String("[Enable]")));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QM24 VH3400M Radio Setup Editor - boat.dat"));
    EXPECT_EQ(shown.count(), 0);

    w.transferDialog = [&](TransferMode mode) {
        EXPECT_EQ(mode, TransferMode::Program);
        return TransferOutcome{};
    };
    w.TransferProgram();
    EXPECT_EQ(session.CurrentFileName, QStringLiteral("/tmp/boat.dat"));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(Commands, NewRunsOnTheTimerAndRestoresTheConfiguration) {
    FrmMain& w = Open();
    ClickNode(w, QStringLiteral("PU 2"));
    session.config.CHUSA[2].Enable = false;
    session.config.SETCOM.Contrast = 7;
    session.CurrentFileName = QStringLiteral("/tmp/old.dat");
    w.Tree()->RetitleNodes();
    w.UpdateCaption();

    w.findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
    // Nothing happens inside the command itself.
    EXPECT_EQ(session.config.SETCOM.Contrast, 7);
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("PU 2"));

    QTRY_COMPARE_WITH_TIMEOUT(session.config.SETCOM.Contrast, std::int16_t{4}, 10000);
    EXPECT_TRUE(session.config.CHUSA[2].Enable);
    EXPECT_TRUE(
        w.Tree()->NodeByKey(QStringLiteral("PU 2"))->text(0).endsWith(QLatin1String("[Enable]")));
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("S"));
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictF"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QM24 VH3400M Radio Setup Editor"));
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(session.UpdatingControls);
}

TEST_F(Commands, MenusAndToolbarAsSpecified) {
    FrmMain& w = Open(false);
    const auto entries = [&](const char* menuName) {
        QStringList out;
        for (QAction* a : Find<QMenu>(&w, menuName)->actions()) {
            out << (a->isSeparator() ? QStringLiteral("-") + a->objectName()
                                     : a->objectName() + QLatin1Char('=') + a->text());
        }
        return out;
    };
    EXPECT_EQ(
        entries("mnuFile"),
        (QStringList{"mnuFileNew=&New", "mnuFileOpen=&Open", "-mnuFileBar1", "mnuFileSave=&Save",
                     "mnuFileSaveAs=Save &As...", "mnuFileSaveAsDefault=Save As &Default",
                     "-mnuFileBarExchange", "mnuFileImportDirectory=&Import Directory...",
                     "mnuFileExportDirectory=&Export Directory...",
                     "mnuFileExportChannels=Export &Channels...", "-mnuFileBar2",
                     "mnuFilePrint=&Print", "mnuFilePrintToFile=P&rint to File", "-mnuFileBar3",
                     "mnuFileBackups=&Backups...", "mnuFileCompare=Co&mpare With...",
                     "-mnuFileBar4", "mnuFileExit=E&xit"}));
    EXPECT_EQ(entries("mnuTransfer"), (QStringList{"mnuTransferProgram=&Program to Radio",
                                                   "mnuTransferRead=&Read from Radio"}));
    EXPECT_EQ(entries("mnuHelp"), (QStringList{"mnuHelpContents=&Contents", "-mnuHelpBar0",
                                               "mnuHelpAbout=&About RSE Version"}));
    EXPECT_EQ(entries("mnuEditModel"),
              (QStringList{"mnuEditModel5800=&VH5800M", "mnuEditModel3600=V&H3600M"}));
    QStringList bar;
    for (QAction* a : w.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Edit", "&Transfer", "&Options", "&Help"}));
    EXPECT_FALSE(Find<QMenu>(&w, "mnuEdit")->menuAction()->isEnabled());
    EXPECT_FALSE(Find<QAction>(&w, "mnuFileSaveAsDefault")->isEnabled());
    EXPECT_EQ(Find<QMenu>(&w, "mnuOptionsSerialPort")->title(), QStringLiteral("&SerialPort"));

    EXPECT_EQ(Find<QAction>(&w, "mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(Find<QAction>(&w, "mnuFileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(Find<QAction>(&w, "mnuFileSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(Find<QAction>(&w, "mnuFilePrint")->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(Find<QAction>(&w, "mnuFileExit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));

    QStringList buttons;
    for (QAction* a : Find<QToolBar>(&w, "tbToolBar")->actions())
        buttons << a->text();
    EXPECT_EQ(buttons, (QStringList{"New", "Open...", "Save", "Save As Default", "Print",
                                    "Program to Radio", "Read from Radio"}));
    EXPECT_TRUE(Find<QAction>(&w, "tbSaveAsDefault")->isEnabled());
}

TEST_F(Commands, ToolbarButtonsRunTheMenuCommands) {
    FrmMain& w = Open(false);
    std::vector<TransferMode> runs;
    w.transferDialog = [&](TransferMode mode) {
        runs.push_back(mode);
        return TransferOutcome{};
    };
    Find<QAction>(&w, "tbRead")->trigger();
    Find<QAction>(&w, "tbProgram")->trigger();
    EXPECT_EQ(runs, (std::vector{TransferMode::Read, TransferMode::Program}));
    const QString def = FileCommands::DefaultFilePath();
    QFile::remove(def);
    Find<QAction>(&w, "tbSaveAsDefault")->trigger();
    EXPECT_TRUE(QFile::exists(def));
    QFile::remove(def);
}

TEST_F(Keyboard, EnterIsDiscardedInPanels) {
    FrmMain& w = Open();
    auto* edit = new QLineEdit(w.PanelF());
    edit->setObjectName(QStringLiteral("txtFUser"));
    edit->show();
    edit->setFocus();
    QSignalSpy pressed(edit, &QLineEdit::returnPressed);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed.count(), 0);
    QTest::keyClicks(edit, "123");
    EXPECT_EQ(edit->text(), QStringLiteral("123"));  // other keys pass
}

TEST_F(Keyboard, DebugKeysOnlyInDebugMode) {
    for (const bool debug : {false, true}) {
        session.DebugMode = debug;
        FrmMain& w = Open();
        int saves = 0;
        int loads = 0;
        w.hexFileSave = [&] { ++saves; };
        w.hexFileLoad = [&] {
            ++loads;
            session.CurrentFileName = QStringLiteral("/tmp/Radio.HEX");
            return true;
        };
        w.Tree()->setFocus();
        QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier);
        QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
        QTest::keyClick(w.Tree(), Qt::Key_F2);  // without Ctrl: nothing
        EXPECT_EQ(saves, debug ? 1 : 0);
        EXPECT_EQ(loads, debug ? 1 : 0);
        EXPECT_EQ(w.windowTitle().endsWith(QLatin1String(" - radio.hex")), debug);
        session.CurrentFileName.clear();
        window.reset();
    }
}

TEST_F(Keyboard, TwoSwitchesLeaveDebugKeysInert) {
    const Switches s = ParseSwitches(CommandLineOf({"/D", "/C"}));
    session.DebugMode = s.DebugMode;
    session.SkipReceive = s.SkipReceive;
    FrmMain& w = Open();
    int runs = 0;
    w.hexFileSave = [&] { ++runs; };
    w.hexFileLoad = [&] { return ++runs > 0; };
    QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier);
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(runs, 0);
}

TEST_F(Keyboard, F1ShowsTheTopicOfTheFocusedControl) {
    FrmMain& w = Open();
    w.Tree()->setFocus();
    QTest::keyClick(w.Tree(), Qt::Key_F1);
    ASSERT_TRUE(w.Help()->isVisible());
    EXPECT_EQ(w.Help()->CurrentTopic(), 1054);

    // A control created by a panel gets its topic from the table.
    auto* ringer = new QLineEdit(w.PanelF());
    ringer->setObjectName(QStringLiteral("txtFUser"));
    w.SetHelpContexts();
    ringer->show();
    ringer->setFocus();
    QTest::keyClick(ringer, Qt::Key_F1);
    EXPECT_EQ(w.Help()->CurrentTopic(), 1044);
}

}  // namespace
}  // namespace rse
