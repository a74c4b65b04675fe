// Read from Radio, Program to Radio and Clear Data through the editor's windows, against the
// virtual radio on a pseudo-terminal: a full read, program and clear, a lost write found by the
// read-back, a cancel; and the progress as assistive technology sees it.
#include <QAccessible>
#include <QEventLoop>
#include <QPushButton>

#include "files/image_file.h"
#include "image/identity.h"
#include "link/safe_program.h"
#include "process.h"
#include "qt/backups.h"
#include "ui/dialogs/fleet_window.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/dialogs/program_changes_dialog.h"
#include "ui/widgets/difference_table.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

class TransferTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(SaveImageFile(dir.File("radio.hex"), PatternImage()).ok);
    }
    // Opens the window with COM1 standing for the virtual radio.
    FrmMain& OpenOn(const Sim& sim) {
        EXPECT_FALSE(sim.Device().empty()) << sim.Errors();
        settings.StoreDevicePath(1, QString::fromStdString(sim.Device()));
        settings.StoreComNum(1);
        return Open();
    }
    // Runs `command`, which shows the transfer dialog modally; presses OK once it is shown,
    // runs `script` and closes the dialog once the transfer has ended (by force after the
    // time limit, so that a broken transfer fails the test instead of hanging it); the status
    // the transfer ended with.
    TransferStatus WithDialog(const std::function<void()>& command,
                              const std::function<void(FrmRadio&)>& script = {}) {
        TransferStatus status = TransferStatus::Failed;
        modals.On<FrmRadio>([&](FrmRadio& d) {
            QTest::mouseClick(Find<QPushButton>(&d, "cmdOK"), Qt::LeftButton);
            if (script) script(d);
            QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 60000);
            status = d.Outcome().status;
            d.done(QDialog::Rejected);
        });
        command();
        EXPECT_TRUE(modals.Done());
        return status;
    }
    MemoryImage Saved() const {
        MemoryImage image{};
        EXPECT_TRUE(LoadImageFile(dir.File("saved.hex"), image).ok);
        return image;
    }
    // A failure is shown with the critical icon, a success with the information icon.
    void ExpectMessage(std::size_t count, const char* text, const char* title) {
        ASSERT_EQ(prompts.shown.size(), count);
        EXPECT_EQ(prompts.shown.back().icon, QLatin1String(text).endsWith(QLatin1String("Error!!"))
                                                 ? Prompts::Icon::Critical
                                                 : Prompts::Icon::Information);
        EXPECT_TRUE(prompts.shown.back().text.startsWith(QLatin1String(text)));
        EXPECT_EQ(prompts.shown.back().title, QLatin1String(title));
    }
};

TEST_F(TransferTest, ReadProgramAndClearTheRadio) {
    Sim sim(dir);
    FrmMain& w = OpenOn(sim);
    WithDialog([&] { w.TransferRead(); });  // the caption after it: the window test
    ExpectMessage(1, "Complete!!", "Read from Radio");
    EXPECT_EQ(session.image, PatternImage());
    Configuration expected = NewDocument().config;
    DecodeImage(PatternImage(), expected);
    EXPECT_TRUE(session.config == expected);

    session.config.CHCAN[3].ChTag = "PROGRAMMED";
    WithDialog([&] { w.TransferProgram(); });
    ExpectMessage(2, "Complete!!", "Program to Radio");
    MemoryImage programmed = session.image;
    EncodeImage(session.config, programmed);
    EXPECT_EQ(Saved(), programmed);

    session.image[mem::kMmsiEntryCount.address] = 9;
    WithDialog([&] { w.ClearData(); });  // what it writes: cli_link_e2e_test
    ExpectMessage(3, "Complete!!", "Clear Data");
    EXPECT_EQ(Text(Find(&w, "txtFCount")), "0");
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(TransferTest, ProgramWithBackupAsksFirstAndVerifiesAfter) {
    // The new configuration differs from the radio's memory; the radio acknowledges one block
    // once without storing it (the message naming the address: cli_link_e2e_test).
    Sim sim(dir, {"--lose-write", "0x0200"});
    settings.StoreOption(QStringLiteral("BackupBeforeProgram"), true);
    settings.StoreOption(QStringLiteral("VerifyAfterProgram"), true);
    FrmMain& w = OpenOn(sim);
    QString question;
    int rows = 0;
    auto answer = [&](bool yes) {
        modals.On<ProgramChangesDialog>([&, yes](ProgramChangesDialog& d) {
            question = Text(Find(&d, "lblQuestion"));
            rows = d.Table()->rowCount();
            QTest::mouseClick(Find<QPushButton>(&d, yes ? "cmdYes" : "cmdNo"), Qt::LeftButton);
        });
    };
    const TransferStatus verified = WithDialog(
        [&] { w.TransferProgram(); },
        [&](FrmRadio& d) {
            answer(false);
            QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 60000);
            EXPECT_EQ(d.Outcome().status, TransferStatus::Cancelled);  // No: nothing sent
            EXPECT_FALSE(fs::exists(dir.File("saved.hex")));
            EXPECT_TRUE(d.isVisible());
            answer(true);
            QTest::mouseClick(Find<QPushButton>(&d, "cmdOK"), Qt::LeftButton);
        });
    EXPECT_EQ(verified, TransferStatus::Failed);
    EXPECT_EQ(question, QStringLiteral("Program these %1 changes?").arg(rows));
    EXPECT_GT(rows, 2);
    // Each read before programming was kept; the lost block is found by the read-back.
    EXPECT_EQ(DefaultBackupStore().List().size(), 2u);
    ExpectMessage(1, "Verify Error!!", "Program to Radio");
}

TEST_F(TransferTest, ProgramAsksBeforeChangingTheRadiosOwnNumbers) {
    MemoryImage radio = PatternImage();
    PutDigits(radio, mem::kUserMmsid.address, "366123456", DigitForm::Mmsi);
    PutDigits(radio, mem::kAtisNo.address, "", DigitForm::TenDigit);
    const struct {
        int choice;  // 0 "Keep the Radio's", 1 "Change It", 2 "Cancel"
        const char* mmsiAfter;
        TransferStatus status;
    } cases[] = {{0, "366123456", TransferStatus::Success},  // each answer: identity_guard_test
                 {2, "", TransferStatus::Cancelled}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        ASSERT_TRUE(SaveImageFile(dir.File("radio.hex"), radio).ok);
        fs::remove(dir.File("saved.hex"));
        prompts.shown.clear();
        prompts.choices = {c.choice};
        Sim sim(dir);
        FrmMain& w = OpenOn(sim);
        session.image = radio;
        DecodeImage(radio, session.config);
        session.config.SETCOM.UserMmsid = "366999001";
        EXPECT_EQ(WithDialog([&] { w.TransferProgram(); }), c.status);
        ASSERT_GE(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].text,
                  "This radio's own MMSI is 366123456. The configuration would change it to "
                  "366999001.");
        EXPECT_EQ(prompts.shown[0].title, "Program to Radio");
        EXPECT_EQ(prompts.buttons, QStringList({"Keep the Radio's", "Change It", "Cancel"}));
        EXPECT_EQ(sim.Stop(), 0);
        if (c.status == TransferStatus::Cancelled) {
            EXPECT_EQ(Saved(), radio);  // nothing written
            EXPECT_EQ(session.config.SETCOM.UserMmsid, "366999001");
            continue;
        }
        EXPECT_EQ(NumbersOf(IdentityOf(Saved())).userMmsi, c.mmsiAfter);
        // The editor shows what the radio now holds.
        EXPECT_EQ(session.config.SETCOM.UserMmsid, c.mmsiAfter);
        EXPECT_EQ(session.image, Saved());
    }
}

TEST_F(TransferTest, FleetWindowProgramsRadioAfterRadioIntoTheLog) {
    const std::string a = dir.File("a.hex"), b = dir.File("b.hex");
    ASSERT_TRUE(SaveImageFile(a, ImageWithNumbers("366123456", "")).ok);
    ASSERT_TRUE(SaveImageFile(b, ImageWithNumbers("", "")).ok);
    Sim sim(dir, Sim::Fleet{{a, b}});
    FrmMain& w = OpenOn(sim);
    session.CurrentFileName = QString::fromStdString(dir.File("club.dat"));
    modals.On<FleetWindow>([&](FleetWindow& f) {
        const QString proposed =
            QString::fromStdString(dir.File(FleetWindow::DefaultLogName().toStdString()));
        EXPECT_EQ(Text(Find(&f, "txtLogFile")), proposed);
        // Browse proposes the file in the field; a cancel keeps it, a choice replaces it.
        auto* browse = Find<QPushButton>(&f, "cmdBrowseLog");
        for (const std::string& chosen : {std::string(), std::string("club fleet.csv")}) {
            prompts.path = chosen.empty() ? QString() : QString::fromStdString(dir.File(chosen));
            QTest::mouseClick(browse, Qt::LeftButton);
            EXPECT_EQ(prompts.lastProposed, proposed);
            EXPECT_EQ(Text(Find(&f, "txtLogFile")), chosen.empty() ? proposed : prompts.path);
        }
        EXPECT_EQ(prompts.appendCalls, 2);
        for (int n = 1; n <= 2; ++n) {
            EXPECT_EQ(n == 2 ? sim.Next() : "RADIO 2", "RADIO 2");
            QTest::mouseClick(Find<QPushButton>(&f, "cmdNextRadio"), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(f.Table()->rowCount() == n && !f.Running(), 60000);
        }
        EXPECT_EQ(f.Table()->item(1, 7)->text(), "no MMSI: enter it at the radio");
        EXPECT_FALSE(browse->isEnabled());  // one log for the whole run
        QTest::mouseClick(Find<QPushButton>(&f, "cmdFinish"), Qt::LeftButton);
    });
    w.findChild<QAction*>(QStringLiteral("mnuTransferFleet"))->trigger();
    const std::string log = ReadText(dir.File("club fleet.csv"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3) << log;  // each row: fleet_test
    EXPECT_EQ(sim.Stop(), 0);  // what each radio holds after: cli_fleet_e2e_test
}

TEST_F(TransferTest, CancelStopsARunningReadAtOnceAndChangesNothing) {
    Sim sim(dir, {"--baud", "9600"});  // paced: a whole read takes over ten seconds
    FrmMain& w = OpenOn(sim);
    const NewDocument before;
    bool refusedClose = false;
    WithDialog([&] { w.TransferRead(); },
               [&](FrmRadio& d) {
                   QTRY_VERIFY_WITH_TIMEOUT(d.Progress() >= 5, 30000);
                   d.close();  // the close box does nothing during a transfer
                   refusedClose = d.isVisible();
                   QTest::mouseClick(Find<QPushButton>(&d, "cmdCancel"), Qt::LeftButton);
                   QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 3000);
                   EXPECT_TRUE(d.isVisible());
                   EXPECT_TRUE(Find<QPushButton>(&d, "cmdOK")->isEnabled());
               });
    EXPECT_TRUE(refusedClose);
    EXPECT_TRUE(prompts.shown.empty());  // a cancel says nothing
    EXPECT_EQ(session.image, before.image);
    EXPECT_TRUE(session.config == before.config);
}

TEST_F(TransferTest, ADialogThatGoesBeforeItsQuestionIsAnsweredWritesNothing) {
    enum class Step { Keep, Confirm };
    for (const Step gone : {Step::Keep, Step::Confirm}) {
        SCOPED_TRACE(gone == Step::Keep ? "while the backup is kept" : "while asked");
        fs::remove(dir.File("saved.hex"));  // the last radio's, saved when it stopped
        Sim sim(dir);
        ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
        QPointer<FrmRadio> dialog = new FrmRadio(session, prompts, TransferMode::Program,
                                                 QString::fromStdString(sim.Device()));
        dialog->safetyNet = {true, false};
        // The window goes while the step shows (as a modal window does), then says yes.
        const auto closeWindow = [&dialog] {
            QEventLoop shown;
            QTimer::singleShot(0, &shown, [&] {
                delete dialog.data();
                shown.quit();
            });
            shown.exec();
        };
        int asked = 0;
        dialog->keepBeforeProgram = [&](const MemoryImage&) -> std::optional<LinkMessage> {
            ++asked;
            if (gone == Step::Keep) closeWindow();
            return std::nullopt;
        };
        dialog->confirmProgram = [&](QWidget*, const MemoryImage&, const MemoryImage&,
                                     const std::optional<IdentityChange>&) {
            ++asked;
            closeWindow();
            return IdentityChoice::Change;
        };
        dialog->show();
        QTest::mouseClick(Find<QPushButton>(dialog.data(), "cmdOK"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
        EXPECT_EQ(asked, gone == Step::Keep ? 1 : 2);
        EXPECT_FALSE(session.UpdatingControls);
        EXPECT_FALSE(fs::exists(dir.File("saved.hex")));  // nothing was written
        EXPECT_EQ(sim.Stop(), 0) << sim.Errors();
        EXPECT_EQ(Saved(), PatternImage());  // the radio's memory as it was
    }
}

TEST_F(TransferTest, ProgressIsAProgressIndicatorWithItsValue) {
    FrmRadio dialog(session, prompts, TransferMode::Read, QStringLiteral("/dev/null"));
    QAccessibleInterface* a11y =
        QAccessible::queryAccessibleInterface(Find<QWidget>(&dialog, "pictProgress"));
    ASSERT_TRUE(a11y && a11y->valueInterface());
    EXPECT_EQ(a11y->role(), QAccessible::ProgressBar);
    for (const int percent : {0, 42, 100}) {
        dialog.ShowProgress(percent);
        EXPECT_EQ(a11y->valueInterface()->currentValue().toInt(), percent);
        EXPECT_EQ(a11y->text(QAccessible::Value), QStringLiteral("%1%").arg(percent));
    }
    EXPECT_EQ(a11y->valueInterface()->maximumValue().toInt(), 100);
}

}  // namespace
}  // namespace rse::test
