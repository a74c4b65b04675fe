// Read from Radio, Program to Radio and Clear Data through the editor's windows, against the
// virtual radio on a pseudo-terminal.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

#include "files/image_file.h"
#include "image/codec.h"
#include "link/safe_program.h"
#include "process_support.h"
#include "qt/backups.h"
#include "ui/dialogs/connection_check_dialog.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/dialogs/program_changes_dialog.h"
#include "ui/widgets/difference_table.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

// A radio whose memory differs from a new configuration in recognisable places.
MemoryImage RadioImage() {
    Configuration c;
    MemoryImage image{};
    InitialiseConfiguration(c, image);
    c.SETCOM.UserMmsid = "366123456";
    c.SETCOM.Contrast = 6;
    c.CHUSA[0].ChTag = "FROM RADIO";
    c.CHUSA[1].Enable = false;
    c.Dir(1) = {true, "BUDDY", "366000007"};
    EncodeImage(c, image);
    image[addr::kMmsiEntryCount] = 5;
    image[0xF90] = 0x5A;  // a byte the editor does not own
    return image;
}

class TransferTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(SaveImageFile((dir / "radio.hex").string(), RadioImage()).ok);
    }
    std::vector<std::string> Args(std::vector<std::string> extra) const {
        return SimArgs(dir, std::move(extra));
    }
    // Opens the window with COM1 standing for `device`.
    FrmMain& OpenOn(const std::string& device) {
        settings.StoreDevicePath(1, QString::fromStdString(device));
        settings.StoreComNum(1);
        return Open();
    }
    // Runs `command`, which shows the transfer dialog modally, and drives the dialog with
    // `script` once it is shown. The dialog is closed by force if it is still open after the
    // time limit, so a broken transfer fails the test instead of hanging it.
    void WithDialog(const std::function<void()>& command,
                    const std::function<void(FrmRadio&)>& script) {
        bool ran = false;
        std::function<void()> poll;
        poll = [&] {
            auto* dialog = qobject_cast<FrmRadio*>(QApplication::activeModalWidget());
            if (!dialog) {
                QTimer::singleShot(10, poll);
                return;
            }
            ran = true;
            script(*dialog);
        };
        QTimer::singleShot(0, poll);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<FrmRadio*>(QApplication::activeModalWidget())) {
                dialog->done(QDialog::Rejected);
            }
        });
        guard.start(90000);
        command();
        EXPECT_TRUE(ran);
    }
    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static QPushButton* Button(FrmRadio& d, const char* name) {
        return d.findChild<QPushButton*>(QLatin1String(name));
    }
    // Waits until the running transfer has ended.
    static bool WaitForEnd(FrmRadio& d, int ms = 60000) {
        QElapsedTimer t;
        t.start();
        while (d.Running() && t.elapsed() < ms)
            QTest::qWait(20);
        return !d.Running();
    }
    MemoryImage Saved() const {
        MemoryImage image{};
        EXPECT_TRUE(LoadImageFile((dir / "saved.hex").string(), image).ok);
        return image;
    }

    TempDir dir;
};

TEST_F(TransferTest, ReadFromRadioUpdatesModelTreeAndCaption) {
    Sim sim(dir, Args({}));
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    FrmMain& w = OpenOn(sim.Device());
    session.CurrentFileName = QStringLiteral("/tmp/boat.dat");
    w.UpdateCaption();
    w.Tree()->SelectNodeByKey(QStringLiteral("PU"));

    WithDialog([&] { w.TransferRead(); },
               [&](FrmRadio& d) {
                   EXPECT_EQ(d.windowTitle(), QStringLiteral("Read from Radio"));
                   // Reading: the radio stands left of the computer.
                   EXPECT_LT(d.findChild<QLabel*>(QStringLiteral("pictA"))->x(),
                             d.findChild<QLabel*>(QStringLiteral("pictB"))->x());
                   Click(Button(d, "cmdOK"));
               });
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Complete!!"));
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("Read from Radio"));
    EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Information);
    EXPECT_EQ(session.image, RadioImage());
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "366123456");
    EXPECT_EQ(session.config.CHUSA[0].ChTag, "FROM RADIO");
    EXPECT_EQ(session.config.Dir(1).TagName, "BUDDY");
    EXPECT_TRUE(session.CurrentFileName.isEmpty());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QM24 VH3400M Radio Setup Editor"));
    EXPECT_FALSE(session.UpdatingControls);
    // The tree shows the disabled channel without its mark.
    const QTreeWidgetItem* second = w.Tree()->NodeByKey(QStringLiteral("PU 1"));
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->text(0).contains(QLatin1String("[Enable]")));
    EXPECT_TRUE(
        w.Tree()->NodeByKey(QStringLiteral("PU 0"))->text(0).contains(QLatin1String("[Enable]")));
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(TransferTest, ProgramAndClearWriteTheRadiosMemory) {
    Sim sim(dir, Args({}));
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    FrmMain& w = OpenOn(sim.Device());
    session.config.SETCOM.UserMmsid = "366555555";
    session.config.CHCAN[3].ChTag = "PROGRAMMED";

    WithDialog([&] { w.TransferProgram(); },
               [&](FrmRadio& d) {
                   EXPECT_EQ(d.windowTitle(), QStringLiteral("Program to Radio"));
                   EXPECT_GT(d.findChild<QLabel*>(QStringLiteral("pictA"))->x(),
                             d.findChild<QLabel*>(QStringLiteral("pictB"))->x());
                   Click(Button(d, "cmdOK"));
               });
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Complete!!"));
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("Program to Radio"));
    MemoryImage expected = session.image;
    EncodeImage(session.config, expected);
    EXPECT_EQ(Saved(), expected);

    // Clear Data: the count byte only; the dialog reads "Program to Radio".
    session.image[addr::kMmsiEntryCount] = 9;
    w.Tree()->SelectNodeByKey(QStringLiteral("S"));
    WithDialog([&] { w.ClearData(); },
               [&](FrmRadio& d) {
                   EXPECT_EQ(d.windowTitle(), QStringLiteral("Program to Radio"));
                   Click(Button(d, "cmdOK"));
               });
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].title, QStringLiteral("Clear Data"));
    EXPECT_EQ(session.image[addr::kMmsiEntryCount], 0);
    EXPECT_EQ(Saved()[addr::kMmsiEntryCount], 0);
    auto* count = w.findChild<QLineEdit*>(QStringLiteral("txtFCount"));
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(TransferTest, ProgramWithBackupAsksFirstAndVerifiesAfter) {
    // What programming will send differs from the radio in the tag of a Canada channel; the
    // radio acknowledges that block once without storing it.
    Configuration c;
    MemoryImage sent{};
    InitialiseConfiguration(c, sent);
    c.CHCAN[3].ChTag = "PROGRAMMED";
    EncodeImage(c, sent);
    const ImageMismatch m = FindMismatch(RadioImage(), sent);
    ASSERT_GT(m.count, 0);
    char block[8];
    std::snprintf(block, sizeof block, "0x%04X", m.firstAddress & ~0xF);
    Sim sim(dir, Args({"--lose-write", block}));
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    settings.StoreOption(QStringLiteral("BackupBeforeProgram"), true);
    settings.StoreOption(QStringLiteral("VerifyAfterProgram"), true);
    FrmMain& w = OpenOn(sim.Device());
    session.config = c;
    session.image = sent;

    QString question;
    int rows = 0;
    bool answered = false;
    auto answer = [&](bool yes) {
        WhenModal<ProgramChangesDialog>([&, yes](ProgramChangesDialog& d) {
            question = d.findChild<QLabel*>(QStringLiteral("lblQuestion"))->text();
            rows = d.Table()->rowCount();
            if (!yes && qEnvironmentVariableIsSet("RSE_SHOTS")) {
                d.grab().save(qEnvironmentVariable("RSE_SHOTS") + QStringLiteral("/confirm.png"));
            }
            Click(d.findChild<QPushButton*>(QLatin1String(yes ? "cmdYes" : "cmdNo")));
            answered = true;
        });
    };
    WithDialog([&] { w.TransferProgram(); },
               [&](FrmRadio& d) {
                   answer(false);
                   Click(Button(d, "cmdOK"));
                   EXPECT_TRUE(WaitForEnd(d));
                   EXPECT_TRUE(d.isVisible());  // No: nothing written, the dialog stays
                   EXPECT_EQ(d.Outcome().status, TransferStatus::Cancelled);
                   EXPECT_TRUE(answered);
                   EXPECT_FALSE(fs::exists(dir / "saved.hex"));  // no write command came
                   answered = false;
                   answer(true);
                   Click(Button(d, "cmdOK"));
                   EXPECT_TRUE(WaitForEnd(d));
                   EXPECT_TRUE(answered);
                   EXPECT_EQ(d.Outcome().status, TransferStatus::Failed);
                   if (d.isVisible()) Click(Button(d, "cmdCancel"));
               });
    EXPECT_EQ(question, QStringLiteral("Program these %1 changes?").arg(rows));
    EXPECT_GT(rows, 2);  // the tag, the user MMSI, ... and the bytes the editor does not own
    // Each read before programming was kept.
    const std::vector<BackupEntry> kept = DefaultBackupStore().List();
    ASSERT_EQ(kept.size(), 2u);
    const MemoryImage radio = RadioImage();
    EXPECT_EQ(kept[0].sha256, Sha256Hex(std::string(radio.begin(), radio.end())));
    // The lost block is found by the read-back.
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.startsWith(QLatin1String("Verify Error!!")));
    char first[8];
    std::snprintf(first, sizeof first, "0x%04X", m.firstAddress);
    EXPECT_TRUE(prompts.shown[0].text.contains(QLatin1String(first)))
        << prompts.shown[0].text.toStdString();
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("Program to Radio"));
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(TransferTest, CancelStopsARunningReadAndTheDialogStaysOpen) {
    Sim sim(dir, Args({"--baud", "9600"}));  // paced: a whole read takes over ten seconds
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    FrmMain& w = OpenOn(sim.Device());
    const MemoryImage before = session.image;
    const Configuration config = session.config;
    bool stillOpen = false;
    bool refusedClose = false;
    WithDialog([&] { w.TransferRead(); },
               [&](FrmRadio& d) {
                   Click(Button(d, "cmdOK"));
                   EXPECT_FALSE(Button(d, "cmdOK")->isEnabled());
                   QTRY_VERIFY_WITH_TIMEOUT(d.Progress() >= 5, 30000);
                   d.close();  // the close box does nothing during a transfer
                   refusedClose = d.isVisible();
                   QElapsedTimer t;
                   t.start();
                   Click(Button(d, "cmdCancel"));
                   EXPECT_TRUE(WaitForEnd(d, 5000));
                   EXPECT_LT(t.elapsed(), 3000);
                   stillOpen = d.isVisible();
                   EXPECT_EQ(d.Progress(), 0);
                   EXPECT_TRUE(Button(d, "cmdOK")->isEnabled());
                   Click(Button(d, "cmdCancel"));  // now it closes
                   EXPECT_EQ(d.Outcome().status, TransferStatus::Cancelled);
               });
    EXPECT_TRUE(refusedClose);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(prompts.shown.empty());  // a cancel says nothing
    EXPECT_EQ(session.image, before);
    EXPECT_EQ(session.config, config);
    EXPECT_FALSE(session.UpdatingControls);
}

TEST_F(TransferTest, PulledCableAndMissingPortAreReportedAndChangeNothing) {
    {
        Sim sim(dir, Args({"--cut-after", "50"}));
        ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
        FrmMain& w = OpenOn(sim.Device());
        const MemoryImage before = session.image;
        WithDialog([&] { w.TransferRead(); },
                   [&](FrmRadio& d) {
                       Click(Button(d, "cmdOK"));
                       EXPECT_TRUE(WaitForEnd(d));
                       EXPECT_TRUE(d.isVisible());  // a failure keeps the dialog open
                       Click(Button(d, "cmdCancel"));
                       EXPECT_EQ(d.Outcome().status, TransferStatus::Failed);
                   });
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_TRUE(prompts.shown[0].text.startsWith(QLatin1String("CommunicatiOn Error!!")));
        EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Critical);
        EXPECT_EQ(session.image, before);
        window.reset();
    }
    prompts.shown.clear();
    const std::string missing = (dir / "no-such-tty").string();
    FrmMain& w = OpenOn(missing);
    // The message offers the connection check; it runs on COM1's device in its own window.
    prompts.answers = {Prompts::Answer::Yes};
    std::vector<CheckLine> found;
    QString shown;
    QTimer poll;  // ends with the test, so it never outlives what it looks at
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* check = qobject_cast<ConnectionCheckDialog*>(QApplication::activeModalWidget());
        if (!check || check->Running()) return;
        found = check->Lines();
        shown = check->findChild<QTextBrowser*>(QStringLiteral("txtCheckResults"))->toPlainText();
        check->reject();
    });
    poll.start(20);
    WithDialog([&] { w.TransferProgram(); },
               [&](FrmRadio& d) {
                   Click(Button(d, "cmdOK"));
                   EXPECT_TRUE(WaitForEnd(d));
                   Click(Button(d, "cmdCancel"));
                   EXPECT_EQ(d.Outcome().status, TransferStatus::Failed);
               });
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.startsWith(QLatin1String("CommunicatiOn Error!!")));
    EXPECT_TRUE(prompts.shown[0].text.contains(QString::fromStdString(missing)));
    EXPECT_TRUE(prompts.shown[0].text.endsWith(QLatin1String("Check the connection now?")));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].level, CheckLevel::Problem);
    EXPECT_EQ(found[0].text, missing + " does not exist");
    EXPECT_TRUE(shown.contains(QString::fromStdString(found[0].fix))) << shown.toStdString();
}

TEST_F(TransferTest, ProgressBarAndButtonsWhenIdle) {
    FrmMain& w = Open(false);
    FrmRadio d(session, prompts, TransferMode::Program, QStringLiteral("/dev/null"), &w);
    auto* frame = d.findChild<QWidget*>(QStringLiteral("pictProgress"));
    auto* bar = d.findChild<QLabel*>(QStringLiteral("lblPercent"));
    d.ShowProgress(120);
    EXPECT_EQ(d.Progress(), 100);
    EXPECT_EQ(bar->x(), 0);
    d.ShowProgress(50);
    EXPECT_EQ(bar->x() + bar->width(), frame->width() / 2);
    d.ShowProgress(0);
    EXPECT_LE(bar->x() + bar->width(), 0);
    EXPECT_EQ(d.size(), QSize(398, 233));
    // Cancel while idle closes the dialog: nothing ran.
    d.show();
    Click(Button(d, "cmdCancel"));
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.Outcome().status, TransferStatus::Cancelled);
    // Help without a help viewer says so.
    Click(Button(d, "cmdHelp"));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(
        prompts.shown[0].text.startsWith(QLatin1String("Unable to display Help Contents.")));
}

}  // namespace
}  // namespace rse::test
