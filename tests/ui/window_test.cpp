// The main window: start-up, the tree and its panels, commands, keys, the serial port menu,
// the splitter and layout, help (also beside a modal dialog), the about box and exit; the
// settings store, the error log and its folder, port names and the command-line switches.
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWindow>

#include <map>

#include "app/switches.h"
#include "layout/font_units.h"
#include "qt/data_folder.h"
#include "qt/error_log.h"
#include "qt/serial_link.h"
#include "qt/translations.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/dialogs/help_browser.h"
#include "ui/dialogs/serial_devices_dialog.h"
#include "ui/help_contexts.h"
#include "ui/navigation_tree.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

using MainWindow = MainWindowTest;

const QString kCaption = QStringLiteral("QM24 VH3400M Radio Setup Editor");

// A click on `widget` delivered to its window as the window system delivers it, so that a
// window blocked by a modal dialog does not get it.
void Click(QWidget* widget) {
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(widget->window(), widget->rect().center()));
}

// The stored window geometry: the values of `keys` of the settings file's [Settings].
QString Stored(std::initializer_list<const char*> keys) {
    QSettings stored(QSettings::IniFormat, QSettings::UserScope, "rse", "rse");
    QStringList values;
    for (const char* key : keys)
        values << stored.value(QStringLiteral("Settings/") + QLatin1String(key)).toString();
    return values.join(' ');
}

TEST_F(MainWindow, SettingNodeAtTheStartSizeWithTheNewConfiguration) {
    settings.StoreGeometry(0, 0, 30000, 20000);  // a stored geometry never changes the start size
    FrmMain& w = Open();
    EXPECT_EQ(w.size(), QSize(607, 444));
    Expect("selected S; panel pictF");
    EXPECT_EQ(w.StatusText(StatusPanel::Model), "QM24 VH3400M");
    EXPECT_EQ(w.windowTitle(), kCaption);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QStringList nodes;
    // The leaves' titles: editing_test's NodeTextsFollowTheConfiguration.
    for (const char* key : {"P", "PU", "PI", "PC", "PW", "E", "S", "SM"}) {
        const QTreeWidgetItem* node = w.Tree()->NodeByKey(TreeKey(QLatin1String(key)));
        nodes << node->text(0) + QLatin1Char(':') + QString::number(node->childCount());
    }
    EXPECT_EQ(nodes.join(QLatin1Char(',')),
              QStringLiteral("Programmable Channel:4,USA:55,International:55,Canada:56,"
                             "WX Channel:0,Exp Channel:20,Setting:1,Individual Directory:20"));
    EXPECT_EQ(w.Tree()->topLevelItemCount(), 3);
    EXPECT_TRUE(session.config == NewDocument().config);
    session.CurrentFileName = QStringLiteral("/home/skipper/Boats/Sea Breeze.DAT");
    w.UpdateCaption();
    EXPECT_EQ(w.windowTitle(), kCaption + " - sea breeze.dat");
}

TEST_F(MainWindow, EachKindOfNodeShowsItsPanelOnceAndArrowsMove) {
    FrmMain& w = Open();
    const char* const cases[][3] = {
        {"P", "pictA", "Priority Channel"}, {"PU", "pictB", "USA Channel List"},
        {"PW", "pictD", "WX Channel"},      {"E", "pictB", "Exp Channel List"},
        {"E 3", "pictC", "EXP3"},           {"PI 0", "pictC", "International CH01"},
        {"S", "pictF", "Setting"},          {"SM", "pictE", "Individual Directory"},
        {"SM 4", "pictG", "MemoryID4"}};
    QSignalSpy shown(&w, &FrmMain::nodeShown);
    for (const auto& c : cases) {
        ClickNode(QLatin1String(c[0]));
        EXPECT_EQ(w.FrontPanel()->objectName(), QLatin1String(c[1])) << c[0];
        EXPECT_EQ(w.FrontPanel()->Title(), QLatin1String(c[2])) << c[0];
        EXPECT_EQ(w.StatusText(StatusPanel::KeyHint), NavigationTree::kTreeHint);
        ClickNode(QLatin1String(c[0]));  // the same node again does not reload it
    }
    EXPECT_EQ(shown.count(), static_cast<int>(std::size(cases)));
    w.Tree()->RefreshSelection();  // always reloads
    EXPECT_EQ(shown.count(), static_cast<int>(std::size(cases)) + 1);

    w.Tree()->NodeByKey(TreeKey("S"))->setExpanded(true);
    Play({{"node S"}, {"key tvTreeView Down", {}, "selected SM"}, {"node SM 3"}});
    w.Tree()->NodeByKey(TreeKey("SM"))->setExpanded(false);  // collapsing selects the branch
    Expect("panel pictE");
    w.Tree()->SelectNodeByKey(TreeKey("E 21"));  // no such node: nothing changes
    Expect("selected SM");
    w.setWindowState(Qt::WindowMinimized);
    w.Tree()->SelectNodeByKey(TreeKey("P"));  // a minimised window shows nothing
    Expect("panel pictE");
}

TEST_F(MainWindow, ReadRefreshesTreeCaptionAndPanelOnlyAfterASuccess) {
    FrmMain& w = Open();
    ClickNode(QStringLiteral("E 2"));
    session.CurrentFileName = QStringLiteral("/tmp/boat.dat");
    w.UpdateCaption();
    QSignalSpy shown(&w, &FrmMain::nodeShown);
    for (const bool success : {false, true}) {
        w.transferDialog = [&](TransferMode mode) {
            EXPECT_EQ(mode, TransferMode::Read);
            session.config.Exp(2).Enable = true;
            return TransferOutcome{success ? TransferStatus::Success : TransferStatus::Failed,
                                   std::nullopt};
        };
        w.TransferRead();
        EXPECT_EQ(w.Tree()->NodeByKey(TreeKey("E 2"))->text(0), success ? "EXP2[Enable]" : "EXP2");
        EXPECT_EQ(w.windowTitle(), success ? kCaption : kCaption + " - boat.dat");
        EXPECT_EQ(shown.count(), success ? 1 : 0);
        session.config.Exp(2).Enable = false;
    }
    // Programming names a radio's own MMSI that is not a ship's in the status bar while it runs,
    // and asks nothing more (each kind's warning: the fleet and MMSI unit tests).
    session.config.SETCOM.UserMmsid = "036612345";
    auto* note = Find<QLabel>(&w, "sbStatusBarPanel2");
    int runs = 0;
    w.transferDialog = [&](TransferMode mode) {
        EXPECT_EQ(mode, TransferMode::Program);
        EXPECT_EQ(note->toolTip(),
                  "Warning: This is a group MMSI; a radio's own MMSI is a ship station's");
        ++runs;
        return TransferOutcome{};
    };
    Find<QAction>(&w, "tbProgram")->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MainWindow, NewRunsOnItsTimerAndToolbarSavesTheDefaultFile) {
    FrmMain& w = Open();
    ClickNode(QStringLiteral("PU 2"));
    session.config.CHUSA[2].Enable = false;
    session.config.SETCOM.Contrast = 7;
    session.CurrentFileName = QStringLiteral("/tmp/old.dat");
    Find<QAction>(&w, "mnuFileNew")->trigger();
    EXPECT_EQ(session.config.SETCOM.Contrast, 7);  // nothing happens inside the command
    QTRY_COMPARE_WITH_TIMEOUT(session.config.SETCOM.Contrast, std::int16_t{4}, 10000);
    EXPECT_TRUE(session.config == NewDocument().config);
    Expect("node PU 2=CH05A[Enable]; selected S");
    EXPECT_EQ(w.windowTitle(), kCaption);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    Find<QAction>(&w, "tbSaveAsDefault")->trigger();
    EXPECT_EQ(ReadText(dir.File("QM24 VH3400M.def")).substr(0, 33),
              "[MAIN]\r\nMODEL=#QM24 VH3400M\r\nTYPE");
    EXPECT_TRUE(session.CurrentFileName.isEmpty());
}

TEST_F(MainWindow, EnterKeyIsDiscarded) {
    FrmMain& w = Open();
    auto* edit = Find<QLineEdit>(&w, "txtFUser");
    QSignalSpy pressed(edit, &QLineEdit::returnPressed);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed.count(), 0);
}

TEST_F(MainWindow, F1ShowsTheFocusedControlsTopicAndContentsExplainAMissingFile) {
    FrmMain& w = Open();
    QWidget* user = Find(&w, "txtFUser");
    user->setFocus();
    QTest::keyClick(user, Qt::Key_F1);
    ASSERT_TRUE(w.Help()->isVisible());
    EXPECT_EQ(w.Help()->CurrentTopic(), 1044);
    // Every topic the controls name is in the document and its contents.
    QFile document(HelpBrowser::DocumentFor(QStringLiteral("qm24 vh3400m.hlp")));
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(document.readAll());
    for (const auto& [control, topic] : HelpContextTable()) {
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"topic%1\"").arg(topic))) << topic;
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"#topic%1\"").arg(topic))) << topic;
    }
    w.Help()->close();

    w.Help()->SetHelpFile(QString());
    w.HelpContents();
    w.Help()->SetHelpFile(QStringLiteral("missing.hlp"));
    w.HelpContents();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_TRUE(
        prompts.shown[0].text.startsWith(QLatin1String("Unable to display Help Contents.")));
    EXPECT_TRUE(prompts.shown[1].text.contains(QLatin1String("missing.hlp")));
    EXPECT_FALSE(w.Help()->isVisible());

    modals.On<FrmAbout>([&](FrmAbout& about) {
        EXPECT_EQ(about.parentWidget(), &w);
        EXPECT_EQ(Find<QLabel>(&about, "lblVersion")->text(), "Version 1.0.0");
        Find<QPushButton>(&about, "cmdOK")->click();
    });
    w.HelpAbout();
}

TEST_F(MainWindow, HelpFromTheTransferDialogCanBeUsedWhileTheDialogIsUp) {
    FrmMain& w = Open();
    bool helpClosed = false;
    modals.On<FrmRadio>([&](FrmRadio& dialog) {
        Click(Find<QPushButton>(&dialog, "cmdHelp"));
        QWidget* help = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmHelp") && top->isVisible()) help = top;
        ASSERT_TRUE(help && QTest::qWaitForWindowExposed(help));
        // Owned by the dialog: the window system keeps it in front of the dialog, and the
        // dialog's modality leaves it usable.
        EXPECT_EQ(help->windowHandle()->transientParent(), dialog.windowHandle());
        Click(Find<QPushButton>(help, "cmdClose"));
        helpClosed = !help->isVisible();
        dialog.reject();
    });
    w.TransferRead();
    EXPECT_TRUE(helpClosed);  // its Close button answered while the dialog was up
}

TEST_F(MainWindow, SerialPortStoredNumberTicksItsEntryAndAChoiceAndADevicePathAreStored) {
    const struct {
        const char* stored;  // null: none
        int comNum, ticked;  // -1: none
    } cases[] = {{nullptr, 1, 0}, {"3", 3, 2}, {"-2", -2, -1},  {"7", 7, -1},
                 {"abc", 1, 0},   {"", 1, 0},  {"70000", 1, 0}, {"2.5", 1, 0}};
    const QString key = QStringLiteral("ComPath/ComNum");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        c.stored ? settings.Settings().setValue(key, QLatin1String(c.stored))
                 : settings.Settings().remove(key);
        settings.Settings().sync();
        FrmMain& w = Open(false);
        EXPECT_EQ(session.ComNum, c.comNum);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(w.SerialPortAction(i)->isChecked(), i == c.ticked) << i;
        EXPECT_EQ(SettingsStore().ReadComNum(), c.comNum);  // written back at start-up
        window.reset();
    }
    const ScopedEnv com4("RSE_COM4", "/tmp/rse-virtual-radio");
    FrmMain& w = Open(false);
    w.SerialPortAction(1)->trigger();
    w.SerialPortAction(1)->trigger();  // choosing the ticked entry keeps it ticked
    EXPECT_TRUE(w.SerialPortAction(1)->isChecked());
    EXPECT_EQ(SettingsStore().ReadComNum(), 2);
    EXPECT_EQ(w.SerialPortAction(3)->text(), "COM&4\t/tmp/rse-virtual-radio");
    SerialDevicesDialog dialog(settings, &w);
    EXPECT_FALSE(dialog.DeviceBox(4)->isEnabled());  // a session override is not editable
    dialog.DeviceBox(3)->setCurrentText(QStringLiteral("/dev/serial/by-id/usb-Prolific-port0"));
    dialog.accept();
    w.RefreshSerialPortCaptions();
    EXPECT_EQ(w.SerialPortAction(2)->text(), "COM&3\t/dev/serial/by-id/usb-Prolific-port0");
    EXPECT_FALSE(settings.Settings().contains(QStringLiteral("ComPath/COM4")));
    // A path is stored trimmed, an empty one is the default (each default: PortPathFor's table).
    settings.StoreDevicePath(2, QStringLiteral("  /dev/serial/by-id/usb-FTDI_cable-if00-port0 "));
    EXPECT_EQ(SettingsStore().DevicePath(2), "/dev/serial/by-id/usb-FTDI_cable-if00-port0");
    settings.StoreDevicePath(2, QString());
    EXPECT_EQ(SettingsStore().DevicePath(2), "/dev/ttyUSB1");
    EXPECT_EQ(settings.DevicePath(0), QString());  // no such port
    EXPECT_EQ(settings.DevicePath(5), QString());
}

TEST_F(MainWindow, ResizeAndDragPlaceTheSplitterWithinItsLimits) {
    FrmMain& w = Open();  // never below the start size: the fit test
    w.resize(800, 500);   // 12000 twips wide: the splitter at 30 %
    QTRY_COMPARE(w.width(), 800);
    EXPECT_EQ(w.SplitterPosition(), 3600);
    EXPECT_EQ(Find(&w, "tvTreeView")->width(), 240);
    QWidget* grip = Find(&w, "imgSplitter");
    auto drag = [&](int toTwips) {
        const int x = layout::FontUnits().X(toTwips - w.SplitterPosition());  // the default font
        for (auto [type, at] : {std::pair{QEvent::MouseButtonPress, 2},
                                {QEvent::MouseMove, x},
                                {QEvent::MouseButtonRelease, x}}) {
            const QPointF local(at, grip->height() / 2);
            QMouseEvent e(type, local, grip->mapToGlobal(local), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QApplication::sendEvent(grip, &e);
        }
        return w.SplitterPosition();
    };
    EXPECT_NEAR(drag(4005), 4005, 15);
    EXPECT_EQ(drag(1000), 2500);  // the limits: layout_test's DraggingKeepsTheBarAwayFromBothEdges
    EXPECT_FALSE(Find(&w, "picSplitter")->isVisible());
}

TEST_F(MainWindow, NothingIsPlacedOutsideTheWindowAtTheStartSizeAndMaximised) {
    FrmMain& w = Open();
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "start size");
        if (maximised) {
            w.showMaximized();
            QTRY_VERIFY(w.isMaximized());
        }
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (child->isWindow() || !child->isVisible()) continue;
            EXPECT_TRUE(w.rect().contains(QRect(child->mapTo(&w, QPoint(0, 0)), child->size())))
                << child->objectName().toStdString() << " " << child->metaObject()->className();
        }
        EXPECT_EQ(w.statusBar()->geometry().bottom(), w.rect().bottom());
    }
}

TEST_F(MainWindow, ExitStoresTheGeometryUnlessMinimisedAndClosesTheOtherWindows) {
    FrmMain& w = Open();
    w.HelpContents();
    w.FileExit();
    EXPECT_FALSE(w.Help()->isVisible());
    EXPECT_EQ(Stored({"MainWidth", "MainHeight"}), QStringLiteral("%1 %2")
                                                       .arg(w.frameGeometry().width() * 15)
                                                       .arg(w.frameGeometry().height() * 15));
    window.reset();

    settings.StoreGeometry(1, 2.5f, 3, 4);
    FrmMain& minimised = Open();
    minimised.setWindowState(Qt::WindowMinimized);
    minimised.close();
    EXPECT_EQ(Stored({"MainLeft", "MainTop", "MainWidth", "MainHeight"}), "1 2.5 3 4");
}

// Alt plus a letter opens one menu of the menu bar and chooses one entry of an open menu: in
// every language no two menus and no two entries of one menu share a letter.
TEST_F(MainWindow, NoTwoEntriesOfAMenuShareALetterInAnyLanguage) {
    for (const char* language : {"en", "fr", "es"}) {
        ASSERT_EQ(InstallTranslations(*qApp, QLatin1String(language)), QLatin1String(language));
        FrmMain& w = Open(false);
        std::vector<std::pair<QString, QList<QAction*>>> menus = {
            {QStringLiteral("menu bar"), w.menuBar()->actions()}};
        for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
            menus.emplace_back(menu->title(), menu->actions());
        for (const auto& [name, actions] : menus) {
            std::map<QKeySequence, QString> taken;
            for (QAction* a : actions) {
                if (a->isSeparator() || !a->isVisible()) continue;
                const QKeySequence key = QKeySequence::mnemonic(a->text());
                if (key.isEmpty()) continue;
                const auto [at, added] = taken.emplace(key, a->text());
                EXPECT_TRUE(added)
                    << language << " " << name.toStdString() << ": " << a->text().toStdString()
                    << " and " << at->second.toStdString();
            }
        }
        window.reset();
    }
    InstallTranslations(*qApp, QStringLiteral("en"));
}

TEST(SettingsStorePortPath, ComNamesMapToUsbAdaptersOthersAreTakenAsTheyStand) {
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyUSB0"}, {"com4", "/dev/ttyUSB3"},    {" COM3\t", "/dev/ttyUSB2"},
        {"COM0", "COM0"},         {"COM12", "COM12"},          {"CON1", "CON1"},
        {"COM5", "COM5"},         {"/dev/pts/7", "/dev/pts/7"}};
    for (const auto& [name, path] : cases)
        EXPECT_EQ(PortPathFor(QLatin1String(name)), QLatin1String(path)) << name;
}

TEST(ErrorLog, OneLinePerEntryOnlyInDebugModeAndFailuresAreSilent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EditorSession session;
    session.errorLog.SetFolder(dir.path());
    session.WriteErrorLog(QStringLiteral("frmMain.SaveFileAs"), QStringLiteral("1x"));
    EXPECT_FALSE(QFile::exists(session.errorLog.FilePath()));
    session.DebugMode = true;
    session.WriteErrorLog(QStringLiteral("frmMain.SaveFileAs"), QStringLiteral("75Path/File"));
    session.WriteErrorLog(QStringLiteral("frmRadio.ReadData"), QStringLiteral("8020Error"));
    const QList<QByteArray> lines =
        QByteArray::fromStdString(ReadText(session.errorLog.FilePath().toStdString())).split('\n');
    ASSERT_EQ(lines.size(), 3);  // two lines and the end after the last
    EXPECT_TRUE(lines[0].endsWith(":frmMain.SaveFileAs -> 75Path/File"));
    EXPECT_TRUE(lines[1].endsWith(":frmRadio.ReadData -> 8020Error"));
    EXPECT_EQ(ErrorLog::FormatLine("12/6/26", "7:24:00", "frmMain.FileRead2", "53x"),
              "12/6/26,7:24:00:frmMain.FileRead2 -> 53x");

    // A folder that cannot be created (below a plain file): nothing written, no failure.
    const ErrorLog bad(QDir(dir.path()).filePath(QStringLiteral("err.log/sub")));
    bad.Append(QStringLiteral("p"), QStringLiteral("m"));
    EXPECT_FALSE(QFile::exists(bad.FilePath()));
}

TEST(ErrorLog, FilesBesideTheProgramOnlyInItsBuildFolder) {
    QTemporaryDir installed;
    QTemporaryDir built;
    ASSERT_TRUE(installed.isValid() && built.isValid());
    QFile marker(QDir(built.path()).filePath(QLatin1String(kBuildFolderMarker)));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    const QString user =
        QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath(QStringLiteral("rse"));
    EXPECT_EQ(EditorDataFolder(installed.path()), user);
    EXPECT_EQ(EditorDataFolder(built.path()), built.path());
    // The tests run from a folder without the marker, as an installed program does.
    EXPECT_EQ(ErrorLog::DefaultFolder(), user);
}

TEST(Switches, WholeLineAnyCaseOneSwitchOnly) {
    struct Case {
        const char* line;
        bool debug;
        bool skip;
    };
    const Case cases[] = {
        {"  /de  ", true, true}, {"/DE", true, true},     {"/d", true, false},
        {"/cd", true, false},    {"/Dc", true, false},    {"/C", false, false},
        {"", false, false},      {"/D /C", false, false}, {"/DX", false, false},
        {"D", false, false},     {"/ D", false, false},   {"/DE /DE", false, false},
        {"-d", false, false},
    };
    for (const Case& c : cases) {
        const Switches s = ParseSwitches(c.line);
        EXPECT_EQ(s.DebugMode, c.debug) << '"' << c.line << '"';
        EXPECT_EQ(s.SkipReceive, c.skip) << '"' << c.line << '"';
    }
}

TEST(Switches, OnlyAnExistingDatFileIsOpenedAtStart) {
    TempDir dir;
    const std::string d = dir.Path().string();
    for (const char* name : {"boat.dat", "BOAT2.DAT", "my boat.dat", "x.dat.bak"})
        ASSERT_TRUE(std::ofstream(dir.File(name)));
    ASSERT_TRUE(fs::create_directory(dir.File("folder.dat")));
    const struct {
        std::string line;
        bool opened;
    } cases[] = {
        {d + "/boat.dat", true},
        {d + "/BOAT2.DAT", true},
        {CommandLineOf({d + "/my", "boat.dat"}), true},  // a name with a blank, unquoted
        {d + "/x.dat.bak", false},
        {d + "/folder.dat", false},
        {d + "/gone.dat", false},
        {" " + d + "/boat.dat", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileToOpen(c.line), c.opened ? c.line : std::string()) << c.line;
}

}  // namespace
}  // namespace rse::test
