// The File menu's commands, the real file dialogs' questions, the hidden image file keys, the
// report window and printing (the printed pages' text is checked through rse-cli print); Import
// Directory, Export Directory and Export Channels and the kind of the MMSI the directory panels
// and the user MMSI field show in the status bar; kept edits, the Backups window and the Compare
// With window; each test in its own folder.
#include <signal.h>
#include <sys/resource.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>

#include "files/channel_export.h"
#include "files/config_file.h"
#include "files/directory_exchange.h"
#include "files/disk_io.h"
#include "qt/backups.h"
#include "report/text_report.h"
#include "ui/dialogs/backups_window.h"
#include "ui/dialogs/compare_window.h"
#include "ui/dialogs/frm_prn.h"
#include "ui/widget_prompts.h"
#include "ui/widgets/difference_table.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

class FileCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        session.errorLog.SetFolder(Q(dir.Path().string()));
    }
    static QString Q(const std::string& s) { return QString::fromStdString(s); }
    QString Path(const char* name) const { return Q(dir.File(name)); }
    QString Write(const char* name, const std::string& text) {
        EXPECT_TRUE(WriteFileAtomic(dir.File(name), text).ok);
        return Path(name);
    }
    std::string Log() const { return ReadText(dir.File("err.log")); }
    static std::vector<BackupEntry> Kept() { return DefaultBackupStore().List(); }
};

TEST_F(FileCommandsTest, SaveAsksOnceOpenReadsAndFailuresChangeNothing) {
    FrmMain& w = Open();
    prompts.path = Path("Boat");
    w.FileSave();  // no current file yet: the dialog asks (its filter: the image file test)
    EXPECT_EQ(session.CurrentFileName, Path("Boat.dat"));
    EXPECT_TRUE(w.windowTitle().endsWith(QLatin1String(" - boat.dat")));
    session.config.SETCOM.Contrast = 6;
    w.FileSave();
    EXPECT_EQ(prompts.saveCalls, 1);
    EXPECT_EQ(ReadText(dir.File("Boat.dat")), ComposeConfigFile(session.config));
    prompts.path.clear();
    w.FileSaveAs();  // cancelled: nothing changes
    EXPECT_EQ(prompts.saveCalls, 2);
    EXPECT_EQ(session.CurrentFileName, Path("Boat.dat"));

    const Configuration saved = session.config;
    session.config = NewDocument().config;
    QSignalSpy shown(&w, &FrmMain::nodeShown);
    prompts.path = Path("Boat.dat");
    w.FileOpen();
    EXPECT_TRUE(session.config == saved);
    EXPECT_EQ(shown.count(), 1);  // the shown panel is filled again

    session.DebugMode = true;
    prompts.path = Path("missing.dat");
    w.FileOpen();
    Expect("messages 1; message FileRead Error!!|Radio Setup Editor");
    EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Exclamation);
    EXPECT_TRUE(session.config == saved);
    EXPECT_EQ(session.CurrentFileName, Path("Boat.dat"));
    EXPECT_NE(Log().find("frmMain.FileRead2 -> 2No such file or directory"), std::string::npos);

    // A file named on the command line is read as Open reads it, without a dialog.
    session.config = NewDocument().config;
    w.Files().OpenFile(Path("Boat.dat"));
    EXPECT_TRUE(session.config == saved);
    EXPECT_EQ(prompts.openCalls, 2);
}

TEST_F(FileCommandsTest, FailedSaveKeepsThePreviousFile) {
    FrmMain& w = Open();
    session.CurrentFileName = Write("small.dat", "previous");
    session.DebugMode = true;
    {
        // Files may not grow beyond 1000 bytes: the write fails half way, as on a full disk.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 1000;
        ::setrlimit(RLIMIT_FSIZE, &small);
        w.FileSave();
        ::setrlimit(RLIMIT_FSIZE, &old);
    }
    Expect("messages 1; message FileSave Error!!|Radio Setup Editor");
    EXPECT_EQ(ReadText(dir.File("small.dat")), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);  // and err.log
    EXPECT_NE(Log().find("frmMain.SaveFileAs -> 27"), std::string::npos);
}

TEST_F(FileCommandsTest, ImageFileKeysOnlyInDebugModeAndSaveNeverWritesTheImageFile) {
    FrmMain& w = Open();
    session.config.SETCOM.UserMmsid = "366123456";
    prompts.path = Path("Radio.HEX");
    w.Tree()->setFocus();
    QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier);
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    session.DebugMode = true;
    QTest::keyClick(w.Tree(), Qt::Key_F2);  // without Ctrl: nothing
    EXPECT_EQ(prompts.openCalls + prompts.saveCalls, 0);
    QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(prompts.lastFilter, "hex files(*.hex);;All files(*.*)");
    const std::string saved = ReadText(dir.File("Radio.HEX"));
    ASSERT_EQ(saved.size(), 4096u);

    session.config.SETCOM.UserMmsid.clear();
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "366123456");
    EXPECT_TRUE(w.windowTitle().endsWith(QLatin1String(" - radio.hex")));
    // Save after loading the image asks for a configuration file name, as Save As does.
    prompts.path.clear();
    w.FileSave();
    EXPECT_EQ(prompts.saveCalls, 2);
    EXPECT_EQ(prompts.lastFilter, "dat files(*.dat);;All files(*.*)");
    EXPECT_EQ(ReadText(dir.File("Radio.HEX")), saved);
    // A configuration file in any letter case is written at once.
    session.CurrentFileName = Path("Boat.DAT");
    w.FileSave();
    EXPECT_EQ(prompts.saveCalls, 2);
    EXPECT_EQ(ReadText(dir.File("Boat.DAT")), ComposeConfigFile(session.config));

    // A file of the wrong size is refused and the image stays exactly as it was.
    const MemoryImage before = session.image;
    prompts.path = Write("short.hex", std::string(100, '\0'));
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(session.image, before);
    Expect("messages 1; message FileRead Error!!|Radio Setup Editor");
    EXPECT_NE(Log().find("frmMain.ReadHexFileAs"), std::string::npos);
}

// The real file dialog: a name typed without extension is saved with it, so the dialog asks
// about that file; No keeps the dialog open and the file as it was.
TEST_F(FileCommandsTest, SaveDialogsAskBeforeReplacingTheFileWithTheAddedExtension) {
    const struct {
        const char* file;
        std::function<void(FrmMain&)> run;
    } cases[] = {
        // clang-format off
        {"boat.dat", [](FrmMain& w) { w.FileSaveAs(); }},  // as Save without a file
        {"boat.hex", [](FrmMain& w) { QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier); }},
        // clang-format on
    };
    WidgetPrompts real;
    session.DebugMode = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        window.reset();
        FrmMain& w = Open(true, &real);
        ASSERT_TRUE(WriteFileAtomic(dir.File(c.file), "the user's own file").ok);
        QString question;
        bool stayed = false;
        modals
            .On<QFileDialog>([this](QFileDialog& d) {
                d.setDirectory(Q(dir.Path().string()));
                auto* name = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                name->clear();
                QTest::keyClicks(name, "boat");
                auto* buttons = d.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
                for (QAbstractButton* b : buttons->buttons())
                    if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole) b->click();
            })
            .On<QMessageBox>([&](QMessageBox& box) {
                question = box.text();
                box.button(QMessageBox::No)->click();
            })
            .On<QFileDialog>([&](QFileDialog& d) {
                stayed = true;
                d.reject();
            });
        c.run(w);
        EXPECT_TRUE(question.contains(QLatin1String(c.file))) << question.toStdString();
        EXPECT_TRUE(stayed);
        EXPECT_EQ(ReadText(dir.File(c.file)), "the user's own file");
    }
}

TEST_F(FileCommandsTest, ReportWindowClosedWhileSettlingTakesTheBusyPointerAlong) {
    const Restore<int> slow(FrmPrn::settleMs, 600000);
    FrmMain& w = Open();
    modals.On<FrmPrn>([](FrmPrn& report) {
        QTRY_VERIFY(report.Text()->toPlainText() != FrmPrn::kPlaceholder);
        EXPECT_FALSE(report.isEnabled());  // still settling
        EXPECT_TRUE(QApplication::overrideCursor());
        report.close();
    });
    w.FilePrintToFile();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FileCommandsTest, ReportWindowSavesExactlyTheReport) {
    Open(false);
    session.config.Dir(1) = {true, "HOME", "366000001"};
    const Restore<int> settle(FrmPrn::settleMs, 0);
    FrmPrn report(session, prompts, window.get());
    report.show();
    EXPECT_EQ(report.Text()->toPlainText(), FrmPrn::kPlaceholder);
    QTRY_VERIFY_WITH_TIMEOUT(
        report.isEnabled() && report.Text()->toPlainText() != FrmPrn::kPlaceholder, 5000);
    prompts.path = Path("report.txt");
    report.SaveAs();
    EXPECT_EQ(ReadText(dir.File("report.txt")), TextReportFile(session.config, session.image));
    // A failure shows the system's description and leaves the window usable.
    EXPECT_FALSE(report.SaveTextFile(Path("no/such/folder/r.txt")));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "No such file or directory");
    EXPECT_TRUE(report.isEnabled());
}

TEST_F(FileCommandsTest, PrintGoesToThePrinterChosenInTheDialog) {
    FrmMain& w = Open(false);
    int asked = 0;
    w.Files().printerDialog = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Path("printed.pdf"));
        return ++asked == 1;  // the second time the user cancels
    };
    w.FilePrint();
    EXPECT_EQ(ReadText(dir.File("printed.pdf")).substr(0, 4), "%PDF");
    fs::rename(dir.File("printed.pdf"), dir.File("first.pdf"));
    w.FilePrint();
    EXPECT_FALSE(fs::exists(dir.File("printed.pdf")));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(FileCommandsTest, RefusedRowsChangeNothingAndAnAcceptedTableShowsTheDirectory) {
    Open();
    session.config.Dir(1) = {true, "OLD", "366000001"};
    prompts.path = Write("bad.csv", "Name;MMSI\r\nGOOD;366000010\r\nTOO LONG NAME;366000011\r\n");
    Play({{"run mnuFileImportDirectory", {}, "messages 1"}});  // and the model as it was
    EXPECT_EQ(prompts.shown[0].text.toStdString(),
              "The directory was not changed: bad.csv has rows that cannot be taken.\n\n"
              "line 3: the name has 13 characters; the radio holds at most 10");
    EXPECT_EQ(prompts.shown[0].icon, ScriptedPrompts::Icon::Exclamation);
    EXPECT_EQ(prompts.lastFilter, "CSV files(*.csv);;All files(*.*)");

    prompts.path = Write("good.csv",
                         "MMSI,Name\n366 000 010,buddy\n\n002320001,harbour\n"
                         "970123456,sart test\n");
    Play({{"run mnuFileImportDirectory",
           [](Configuration& c) {
               ReplaceDirectory(c, {{true, "BUDDY", "366000010"},
                                    {true, "HARBOUR", "002320001"},
                                    {true, "SART TEST", "970123456"}});
           },
           "message The directory holds the 3 stations of good.csv.\n\nWarnings:\n"
           "line 5: MMSI 970123456 cannot be called by DSC: AIS-SART|Radio Setup Editor; "
           "selected SM; panel pictE; row MSFlexGrid2 1=2|[Enable]|HARBOUR|002320001; "
           "row MSFlexGrid2 3=4|||"}});
}

TEST_F(FileCommandsTest, StatusBarNamesTheMmsiKindAndExportsWriteTheTables) {
    Open();
    session.config.Dir(1) = {true, "HARBOUR", "002320001"};
    session.config.Dir(2) = {true, "SART", "970123456"};
    Play({
        {"node SM 2", {}, "note Warning: cannot be called by DSC - AIS-SART"},
        {"type txtGMMSI 366123456", {}, "note Ship, MID 366 (United States)"},  // as typed
        // The list: the note of the current row.
        {"node SM", [](Configuration& c) { c.Dir(2).Mmsid = "366123456"; }, "note"},
        {"focus MSFlexGrid2", {}, "note Coast station, MID 232 (United Kingdom)"},
        {"key MSFlexGrid2 Down", {}, "note Ship, MID 366 (United States)"},
        {"node S", {}, "note"},
        {"type txtFUser 002320001"},
    });
    // The warning names the kind (a text with a semicolon, so checked here).
    EXPECT_EQ(Find<QLabel>(window.get(), "sbStatusBarPanel2")->toolTip(),
              "Warning: This is a coast station MMSI; a radio's own MMSI is a ship station's - "
              "Coast station, MID 232 (United Kingdom)");
    Play({{"node PU", [](Configuration& c) { c.SETCOM.UserMmsid = "002320001"; }, "note"}});
    // ATIS on without a number: 9 and the MMSI suggested, never filled in (each ATIS note:
    // exchange_test's AtisNumberNote).
    session.config.SETCOM.UserMmsid = "366123456";
    session.config.SETCOM.AtisOnOff = true;
    Play({{"node S", {}, "note ATIS No. suggested: 9366123456 (9 followed by the user MMSI)"}});

    // Exports: the tables of the core, a name without extension gets ".csv".
    prompts.path = Path("stations");
    Play({{"run mnuFileExportDirectory"}});
    EXPECT_EQ(ReadText(dir.File("stations.csv")), DirectoryCsv(session.config));
    prompts.path = Path("channels.csv");
    Play({{"run mnuFileExportChannels", {}, "messages 0"}});
    EXPECT_EQ(ReadText(dir.File("channels.csv")), ChannelListCsv(session.config));
    prompts.path = Path("folder.csv");  // a folder cannot be written
    ASSERT_TRUE(QDir().mkdir(prompts.path));
    Play({{"run mnuFileExportChannels"}});
    Expect("messages 1; message FileSave Error!!|Radio Setup Editor");
}

TEST_F(FileCommandsTest, EditsAreKeptBeforeNewAndExitButNothingElse) {
    FrmMain& w = Open();
    auto* timer = w.findChild<QTimer*>(QStringLiteral("Timer1"));
    auto newAndWait = [&] {
        w.FileNew();
        QTRY_VERIFY(!timer->isActive());
    };
    newAndWait();
    EXPECT_TRUE(Kept().empty());  // nothing edited: nothing kept

    session.config.CHUSA[16].ChTag = "EDITED";
    newAndWait();
    ASSERT_EQ(Kept().size(), 1u);
    EXPECT_EQ(Kept()[0].note, "edits before New");

    // Saving makes the configuration the one to compare with.
    session.config.SETCOM.Contrast = 2;
    prompts.path = Path("boat.dat");
    w.FileSave();
    newAndWait();
    EXPECT_EQ(Kept().size(), 1u);

    // With Keep Backups off nothing is kept; on again, Exit keeps the edit.
    auto* keep = Find<QAction>(&w, "mnuOptionsKeepBackups");
    ASSERT_TRUE(keep->isChecked());
    keep->trigger();
    session.config.SETCOM.Contrast = 3;
    newAndWait();
    EXPECT_EQ(Kept().size(), 1u);
    keep->trigger();
    session.config.SETCOM.Dimmer = 2;
    w.close();
    ASSERT_EQ(Kept().size(), 2u);
    EXPECT_EQ(Kept()[0].note, "edits before Exit");
    EXPECT_EQ(Kept()[0].kind, BackupKind::Configuration);
    Configuration back = NewDocument().config;
    ASSERT_TRUE(FileRead2(Kept()[0].path, back).ok);
    EXPECT_EQ(back, session.config);
}

TEST_F(FileCommandsTest, CompareWithShowsTheDifferencesAndTheirNodes) {
    FrmMain& w = Open();
    Configuration other = session.config;
    other.SETCOM.Contrast = 2;
    other.CHUSA[16].ChTag = "OTHER";
    ASSERT_TRUE(SaveFileAs(dir.File("other.dat"), other).ok);
    prompts.path = Path("other.dat");
    Find<QAction>(&w, "mnuFileCompare")->trigger();
    auto* compare = w.findChild<CompareWindow*>();
    ASSERT_TRUE(compare && QTest::qWaitForWindowExposed(compare));
    DifferenceTable* table = compare->Table();
    ASSERT_EQ(table->rowCount(), 2);
    Expect(
        "row tblDifferences 0=Setting \u2014 Contrast Level|4|2; "
        "row tblDifferences 1=USA channel 19A \u2014 Tag Name|COMMERCIAL|OTHER");
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "other.dat");

    // Selecting a row shows its node.
    for (const auto& [row, key] : {std::pair{1, "PU 16"}, std::pair{0, "S"}}) {
        const QRect cell = table->visualItemRect(table->item(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        Expect(std::string("selected ") + key);
    }
    compare->close();
}

TEST_F(FileCommandsTest, BackupsWindowOpensComparesAndDeletes) {
    FrmMain& w = Open();
    Configuration c = session.config;
    MemoryImage image = session.image;
    c.CHUSA[0].ChTag = "FROM BACKUP";
    EncodeImage(c, image);
    ASSERT_TRUE(KeepReadImage(image, QStringLiteral("/dev/ttyUSB0")).io.ok);
    session.CurrentFileName = QStringLiteral("/tmp/boat.dat");

    Find<QAction>(&w, "mnuFileBackups")->trigger();
    auto* backups = w.findChild<BackupsWindow*>();
    ASSERT_NE(backups, nullptr);
    ASSERT_EQ(backups->List()->topLevelItemCount(), 1);
    EXPECT_EQ(backups->List()->topLevelItem(0)->text(2), "read from /dev/ttyUSB0");

    QTest::mouseClick(Find<QPushButton>(backups, "cmdCompare"), Qt::LeftButton);
    auto* compare = w.findChild<CompareWindow*>();
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->Table()->rowCount(), 1);

    QTest::mouseClick(Find<QPushButton>(backups, "cmdOpen"), Qt::LeftButton);
    EXPECT_EQ(session.config.CHUSA[0].ChTag, "FROM BACKUP");
    EXPECT_EQ(session.image, image);
    EXPECT_TRUE(session.CurrentFileName.isEmpty());

    prompts.answers = {Prompts::Answer::No, Prompts::Answer::Yes};
    for (const int left : {1, 0}) {  // No keeps the backup, Yes deletes it
        QTest::mouseClick(Find<QPushButton>(backups, "cmdDelete"), Qt::LeftButton);
        EXPECT_EQ(backups->List()->topLevelItemCount(), left);
    }
    EXPECT_TRUE(Kept().empty());
}

}  // namespace
}  // namespace rse::test
