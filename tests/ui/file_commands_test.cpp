// The File menu's file commands, the hidden image file keys, the report window and printing.
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "report/text_report.h"
#include "ui/dialogs/frm_prn.h"
#include "ui/file_commands.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

class FileCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        session.errorLog.SetFolder(dir.path());
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Caption() const { return window->windowTitle(); }

    QTemporaryDir dir;
};

TEST_F(FileCommandsTest, SaveAsksOnceThenWritesTheCurrentFile) {
    FrmMain& w = Open();
    prompts.path = Path(QStringLiteral("Boat.dat"));
    w.FileSave();  // after New there is no current file: the dialog asks
    EXPECT_EQ(prompts.saveCalls, 1);
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("dat files(*.dat);;All files(*.*)"));
    EXPECT_EQ(session.CurrentFileName, prompts.path);
    EXPECT_EQ(Caption(), QStringLiteral("QM24 VH3400M Radio Setup Editor - boat.dat"));
    EXPECT_EQ(ReadAll(prompts.path).toStdString(), ComposeConfigFile(session.config));

    session.config.SETCOM.Contrast = 6;
    prompts.path.clear();  // a second dialog would cancel
    w.FileSave();
    EXPECT_EQ(prompts.saveCalls, 1);
    Configuration back = session.config;
    back.SETCOM.Contrast = 0;
    ASSERT_TRUE(FileRead2(Local(Path(QStringLiteral("Boat.dat"))), back).ok);
    EXPECT_EQ(back.SETCOM.Contrast, 6);

    // Save As always asks; cancelling it changes nothing.
    w.FileSaveAs();
    EXPECT_EQ(prompts.saveCalls, 2);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(session.CurrentFileName, Path(QStringLiteral("Boat.dat")));

    // A name typed without extension gets ".dat".
    prompts.path = Path(QStringLiteral("Second"));
    w.FileSaveAs();
    EXPECT_EQ(session.CurrentFileName, Path(QStringLiteral("Second.dat")));
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("Second.dat"))));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(FileCommandsTest, OpenReadsTheFileAndShowsItsName) {
    Configuration c;
    MemoryImage image{};
    InitialiseConfiguration(c, image);
    c.SETCOM.Contrast = 2;
    c.CHUSA[4].Enable = false;
    const QString boat = Path(QStringLiteral("Boat One.DAT"));
    ASSERT_TRUE(SaveFileAs(Local(boat), c).ok);

    FrmMain& w = Open();
    QSignalSpy shown(&w, &FrmMain::nodeShown);
    prompts.path = boat;
    w.FileOpen();
    EXPECT_EQ(session.config, c);
    EXPECT_EQ(session.CurrentFileName, boat);
    EXPECT_EQ(Caption(), QStringLiteral("QM24 VH3400M Radio Setup Editor - boat one.dat"));
    EXPECT_GE(shown.count(), 1);  // the shown panel was refilled

    // Cancelling leaves model, caption and file alone but still refreshes the panel.
    session.config.SETCOM.Contrast = 5;
    prompts.path.clear();
    shown.clear();
    w.FileOpen();
    EXPECT_EQ(session.config.SETCOM.Contrast, 5);
    EXPECT_EQ(session.CurrentFileName, boat);
    EXPECT_GE(shown.count(), 1);

    // A missing file is a failed read: message, model and caption unchanged.
    session.DebugMode = true;
    prompts.path = Path(QStringLiteral("missing.dat"));
    w.FileOpen();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileRead Error!!"));
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("Radio Setup Editor"));
    EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(session.config.SETCOM.Contrast, 5);
    EXPECT_EQ(session.CurrentFileName, boat);
    const QByteArray log = ReadAll(dir.filePath(QStringLiteral("err.log")));
    EXPECT_TRUE(log.contains("frmMain.FileRead2 -> 2No such file or directory")) << log.data();
}

TEST_F(FileCommandsTest, FileNamedAtStartIsReadAsOpenReadsIt) {
    Configuration c;
    MemoryImage image{};
    InitialiseConfiguration(c, image);
    c.SETCOM.Contrast = 3;
    const QString boat = Path(QStringLiteral("Boat.dat"));
    ASSERT_TRUE(SaveFileAs(Local(boat), c).ok);

    FrmMain& w = Open();
    w.Files().OpenFile(boat);
    EXPECT_EQ(prompts.openCalls, 0);
    EXPECT_EQ(session.config, c);
    EXPECT_EQ(session.CurrentFileName, boat);
    EXPECT_EQ(Caption(), QStringLiteral("QM24 VH3400M Radio Setup Editor - boat.dat"));
    EXPECT_TRUE(prompts.shown.empty());

    // A file that cannot be read shows the usual message and changes nothing.
    const QString folder = Path(QStringLiteral("folder.dat"));
    ASSERT_TRUE(QDir().mkpath(folder));
    w.Files().OpenFile(folder);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileRead Error!!"));
    EXPECT_EQ(session.config, c);
    EXPECT_EQ(session.CurrentFileName, boat);
}

TEST_F(FileCommandsTest, SaveAsDefaultTouchesNeitherCaptionNorCurrentFile) {
    FrmMain& w = Open();
    session.CurrentFileName = Path(QStringLiteral("a.dat"));
    w.UpdateCaption();
    const QString caption = Caption();
    const QString def = FileCommands::DefaultFilePath();
    QFile::remove(def);
    session.config.SETCOM.Contrast = 1;
    w.FileSaveAsDefault();
    EXPECT_EQ(Caption(), caption);
    EXPECT_EQ(session.CurrentFileName, Path(QStringLiteral("a.dat")));
    EXPECT_TRUE(def.endsWith(QLatin1String("/QM24 VH3400M.def")));
    EXPECT_EQ(ReadAll(def).toStdString(), ComposeDefaultFile(session.config.SETCOM));
    QFile::remove(def);
}

TEST_F(FileCommandsTest, FailedSaveKeepsThePreviousFile) {
    FrmMain& w = Open();
    const QString path = Path(QStringLiteral("small.dat"));
    ASSERT_TRUE(WriteFileAtomic(Local(path), "previous").ok);
    session.CurrentFileName = path;
    session.DebugMode = true;
    // Files may not grow beyond 1000 bytes: the write fails half way, as on a full disk.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    w.FileSave();
    ::setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileSave Error!!"));
    EXPECT_EQ(ReadAll(path), QByteArray("previous"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // + err.log
    EXPECT_TRUE(
        ReadAll(dir.filePath(QStringLiteral("err.log"))).contains("frmMain.SaveFileAs -> 27"));
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(FileCommandsTest, ImageFileKeysInDebugMode) {
    session.DebugMode = true;
    FrmMain& w = Open();
    session.config.SETCOM.UserMmsid = "366123456";
    prompts.path = Path(QStringLiteral("Radio.HEX"));
    w.Tree()->setFocus();
    QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("hex files(*.hex);;All files(*.*)"));
    const QByteArray saved = ReadAll(prompts.path);
    ASSERT_EQ(saved.size(), 4096);
    EXPECT_EQ(static_cast<unsigned char>(saved[0]), 0x0D);
    EXPECT_EQ(static_cast<unsigned char>(saved[1]), 0x48);

    session.config.SETCOM.UserMmsid.clear();
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "366123456");
    EXPECT_EQ(session.CurrentFileName, prompts.path);
    EXPECT_TRUE(Caption().endsWith(QLatin1String(" - radio.hex")));

    // A file of the wrong size is refused and the image stays exactly as it was.
    const MemoryImage before = session.image;
    prompts.path = Path(QStringLiteral("short.hex"));
    ASSERT_TRUE(WriteFileAtomic(Local(prompts.path), std::string(100, '\0')).ok);
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(session.image, before);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileRead Error!!"));
    EXPECT_TRUE(Caption().endsWith(QLatin1String(" - radio.hex")));
    EXPECT_TRUE(ReadAll(dir.filePath(QStringLiteral("err.log"))).contains("frmMain.ReadHexFileAs"));

    // A cancelled dialog writes and says nothing.
    prompts.path.clear();
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), files);
}

TEST_F(FileCommandsTest, ReportWindowSavesExactlyTheReport) {
    Open(false);
    session.config.SETCOM.AtisNo = "1234567890";
    session.config.Dir(1) = {true, "HOME", "366000001"};
    FrmPrn::settleMs = 0;
    FrmPrn report(session, prompts, window.get());
    report.show();
    EXPECT_EQ(report.windowTitle(), QStringLiteral("Print to File"));
    EXPECT_EQ(report.Text()->toPlainText(), FrmPrn::kPlaceholder);
    QTRY_VERIFY_WITH_TIMEOUT(report.Text()->toPlainText() != FrmPrn::kPlaceholder, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(report.isEnabled(), 5000);

    prompts.path = Path(QStringLiteral("report.txt"));
    report.SaveAs();
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("Text files(*.txt);;All files(*.*)"));
    EXPECT_EQ(ReadAll(prompts.path).toStdString(), TextReportFile(session.config, session.image));

    // A failure shows the system's description and leaves the window usable.
    EXPECT_FALSE(report.SaveTextFile(Path(QStringLiteral("no/such/folder/r.txt"))));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("No such file or directory"));
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("QM24 VH3400M Radio Setup Editor"));
    EXPECT_TRUE(report.isEnabled());
    FrmPrn::settleMs = 500;
}

TEST_F(FileCommandsTest, PrintGoesToThePrinterChosenInTheDialog) {
    FrmMain& w = Open(false);
    const QString pdf = Path(QStringLiteral("printed.pdf"));
    int asked = 0;
    w.Files().printerDialog = [&](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    w.FilePrint();
    EXPECT_EQ(asked, 1);
    const QByteArray bytes = ReadAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (text.waitForFinished(30000) && text.exitCode() == 0) {
        const QByteArray out = text.readAllStandardOutput();
        EXPECT_TRUE(out.contains("QM24 VH3400M Radio Setup Editor --- Page 1 of 7"));
        EXPECT_TRUE(out.contains("QM24 VH3400M Radio Setup Editor --- Page 7 of 7"));
        EXPECT_TRUE(out.contains("##### Memory ID #####"));
    }

    // Cancelling the printer dialog prints nothing.
    QFile::remove(pdf);
    w.Files().printerDialog = [&](QPrinter&) { return false; };
    w.FilePrint();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace rse::test
