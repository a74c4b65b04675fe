// The File menu's commands, the real file dialogs' questions, the hidden image file keys, the
// report window and printing (the printed pages' text is checked through rse-cli print), each
// test in its own folder.
#include <signal.h>
#include <sys/resource.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSignalSpy>

#include "files/config_file.h"
#include "files/disk_io.h"
#include "report/text_report.h"
#include "ui/dialogs/frm_prn.h"
#include "ui/file_commands.h"
#include "ui/widget_prompts.h"
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
    std::string Log() const { return ReadText(dir.File("err.log")); }
};

TEST_F(FileCommandsTest, SaveAsksOnceOpenReadsAndFailuresChangeNothing) {
    FrmMain& w = Open();
    prompts.path = Path("Boat");
    w.FileSave();  // no current file yet: the dialog asks, the extension is added
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("dat files(*.dat);;All files(*.*)"));
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
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileRead Error!!"));
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
    ASSERT_TRUE(WriteFileAtomic(dir.File("small.dat"), "previous").ok);
    session.CurrentFileName = Path("small.dat");
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
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileSave Error!!"));
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
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("hex files(*.hex);;All files(*.*)"));
    const std::string saved = ReadText(dir.File("Radio.HEX"));
    ASSERT_EQ(saved.size(), 4096u);
    EXPECT_EQ(saved.substr(0, 2), "\x0D\x48");

    session.config.SETCOM.UserMmsid.clear();
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "366123456");
    EXPECT_TRUE(w.windowTitle().endsWith(QLatin1String(" - radio.hex")));
    // Save after loading the image asks for a configuration file name, as Save As does.
    prompts.path.clear();
    w.FileSave();
    EXPECT_EQ(prompts.saveCalls, 2);
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("dat files(*.dat);;All files(*.*)"));
    EXPECT_EQ(ReadText(dir.File("Radio.HEX")), saved);
    // A configuration file in any letter case is written at once.
    session.CurrentFileName = Path("Boat.DAT");
    w.FileSave();
    EXPECT_EQ(prompts.saveCalls, 2);
    EXPECT_EQ(ReadText(dir.File("Boat.DAT")), ComposeConfigFile(session.config));

    // A file of the wrong size is refused and the image stays exactly as it was.
    const MemoryImage before = session.image;
    prompts.path = Path("short.hex");
    ASSERT_TRUE(WriteFileAtomic(dir.File("short.hex"), std::string(100, '\0')).ok);
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(session.image, before);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileRead Error!!"));
    EXPECT_NE(Log().find("frmMain.ReadHexFileAs"), std::string::npos);
}

// The real file dialog: a name typed without extension is saved with it, so the dialog asks
// about that file; No keeps the dialog open and the file as it was.
TEST_F(FileCommandsTest, SaveDialogsAskBeforeReplacingTheFileWithTheAddedExtension) {
    const struct {
        const char* file;
        std::function<void(FrmMain&)> run;
    } cases[] = {
        {"boat.dat", [](FrmMain& w) { w.FileSave(); }},
        {"boat.dat", [](FrmMain& w) { w.FileSaveAs(); }},
        {"boat.hex",
         [](FrmMain& w) { QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier); }},
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
    modals.On<FrmPrn>(
        [](FrmPrn& report) {
            EXPECT_FALSE(report.isEnabled());  // still settling
            EXPECT_TRUE(QApplication::overrideCursor());
            report.close();
        },
        [](FrmPrn& report) { return report.Text()->toPlainText() != FrmPrn::kPlaceholder; });
    w.FilePrintToFile();
    EXPECT_TRUE(modals.Done());
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
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("No such file or directory"));
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

}  // namespace
}  // namespace rse::test
