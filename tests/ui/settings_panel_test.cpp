// The common settings panel driven as a user does: lists, check boxes, the ATIS number, the
// user MMSI, the radio's entry count and its Clear button; checks of numbers pending when a
// command runs.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "image/memory_image.h"
#include "panel_test_support.h"
#include "ui/panels/editor_panel.h"
#include "ui/panels/settings_panel.h"

namespace rse {
namespace {

class SettingsPanelTest : public test::PanelTest {};
class PendingEdit : public test::PanelTest {};

QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

TEST_F(SettingsPanelTest, ShowsTheSettingsAndTheRadiosCount) {
    session.image[addr::kMmsiEntryCount] = 3;  // replaced by New at start-up
    FrmMain& w = Open();
    EXPECT_EQ(Items(Control<QComboBox>("cmbFCont")),
              (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Items(Control<QComboBox>("cmbFDim")), (QStringList{"HI", "MID", "LO", "OFF"}));
    EXPECT_EQ(Items(Control<QComboBox>("cmbFScan")), (QStringList{"Memory", "Priority"}));
    EXPECT_EQ(Items(Control<QComboBox>("cmbFIND")),
              (QStringList{"3 min", "15 times", "10 times", "5 times"}));
    const QStringList offsets = Items(Control<QComboBox>("cmbFOffset"));
    ASSERT_EQ(offsets.size(), 25);
    EXPECT_EQ(offsets.front(), QStringLiteral("-12:00"));
    EXPECT_EQ(offsets[12], QStringLiteral("+0:00"));

    // The settings of New.
    EXPECT_EQ(Control<QComboBox>("cmbFCont")->currentText(), QStringLiteral("4"));
    EXPECT_EQ(Control<QComboBox>("cmbFDim")->currentText(), QStringLiteral("HI"));
    EXPECT_EQ(Control<QComboBox>("cmbFOffset")->currentText(), QStringLiteral("+0:00"));
    EXPECT_TRUE(Control<QCheckBox>("chkFBeep")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("chkFATIS")->isChecked());
    EXPECT_FALSE(Control<QLineEdit>("txtFATISNo")->isEnabled());
    EXPECT_FALSE(Control<QLabel>("lblATIS")->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>("chkFWX")->isChecked());
    EXPECT_EQ(Control<QLineEdit>("txtFCount")->text(),
              QString::number(MmsiEntryCount(session.image)));

    // Values the lists cannot show leave them as they were; everything else is still filled,
    // and filling writes nothing back.
    Configuration& c = session.config;
    c.SETCOM.Dimmer = 4;
    c.SETCOM.Contrast = -1;
    c.SETCOM.AtisOnOff = true;
    c.SETCOM.AtisNo = "1234567890";
    c.SETCOM.UserMmsid = "12345";  // not a valid MMSI, shown as stored
    c.SETCOM.DscScan = false;
    session.image[addr::kMmsiEntryCount] = 17;
    const Configuration before = c;
    w.Tree()->RefreshSelection();
    EXPECT_EQ(Control<QComboBox>("cmbFDim")->currentText(), QStringLiteral("HI"));
    EXPECT_EQ(Control<QComboBox>("cmbFCont")->currentText(), QStringLiteral("4"));
    EXPECT_TRUE(Control<QLineEdit>("txtFATISNo")->isEnabled());
    EXPECT_EQ(Control<QLineEdit>("txtFATISNo")->text(), QStringLiteral("1234567890"));
    EXPECT_EQ(Control<QLineEdit>("txtFUser")->text(), QStringLiteral("12345"));
    EXPECT_FALSE(Control<QCheckBox>("chkFDSC")->isChecked());
    EXPECT_EQ(Control<QLineEdit>("txtFCount")->text(), QStringLiteral("17"));
    EXPECT_TRUE(c == before);

    // Every control carries its caption as its accessible name.
    const char* const named[][2] = {
        {"cmbFCont", "Contrast Level"},   {"cmbFDim", "Dimmer Status"},
        {"chkFBeep", "Key Beep"},         {"chkFATIS", "ATIS ON"},
        {"txtFATISNo", "ATIS No."},       {"cmbFScan", "Scan Type"},
        {"cmbFIND", "Individual Ringer"}, {"chkFindReply", "Individual Reply"},
        {"chkFindAck", "Individual ACK"}, {"chkFposRR", "POS Request Reply"},
        {"chkFDSC", "DSC Scan"},          {"chkFWX", "WX Alert"},
        {"cmbFOffset", "Offset Time"},    {"txtFUser", "User MMSI"},
        {"txtFCount", "Count"},           {"cmdFClear", "Clear"},
    };
    for (const auto& n : named) {
        EXPECT_EQ(Control<QWidget>(n[0])->accessibleName(), QLatin1String(n[1])) << n[0];
    }
}

TEST_F(SettingsPanelTest, TabReachesEveryControlInOrderWithItsHint) {
    FrmMain& w = OpenActive();
    session.config.SETCOM.AtisOnOff = true;  // the ATIS number is skipped while ATIS is off
    w.Tree()->RefreshSelection();
    const char* const chain[][2] = {
        {"cmbFCont", "[Up/Down]"},
        {"cmbFDim", "[Up/Down]"},
        {"cmbFScan", "[Up/Down]"},
        {"cmbFOffset", "[Up/Down]"},
        {"cmbFIND", "[Up/Down]"},
        {"chkFindReply", "[Space]"},
        {"chkFindAck", "[Space]"},
        {"chkFposRR", "[Space]"},
        {"chkFBeep", "[Space]"},
        {"chkFDSC", "[Space]"},
        {"chkFWX", "[Space]"},
        {"chkFATIS", "[Space]"},
        {"txtFATISNo", "Numeric Only. Indispensable 10 figures."},
        {"txtFUser", "Numeric Only. Indispensable 9 figures."},
        {"txtFCount", nullptr},
        {"cmdFClear", "A Click Inicializes the number of User MMSI setting permission"},
    };
    Control<QWidget>("cmbFCont")->setFocus(Qt::TabFocusReason);
    for (const auto& step : chain) {
        ASSERT_NE(Focus(), nullptr);
        ASSERT_EQ(Focus()->objectName(), QLatin1String(step[0]));
        if (step[1]) {
            EXPECT_TRUE(w.StatusText(1).startsWith(QLatin1String(step[1]))) << step[0];
        }
        QTest::keyClick(Focus(), Qt::Key_Tab);
    }
}

TEST_F(SettingsPanelTest, ListsAndCheckBoxesStoreTheUsersChoiceAtOnce) {
    OpenActive();
    CommonSettings& s = session.config.SETCOM;
    auto* dim = Control<QComboBox>("cmbFDim");
    dim->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dim, Qt::Key_Down);
    EXPECT_EQ(s.Dimmer, 1);
    auto* offset = Control<QComboBox>("cmbFOffset");
    offset->setFocus(Qt::TabFocusReason);
    QTest::keyClick(offset, Qt::Key_End);
    EXPECT_EQ(s.OffsetTime, 24);
    QTest::keyClick(offset, Qt::Key_Home);
    EXPECT_EQ(s.OffsetTime, 0);
    // Page Down and Page Up move ten entries and stop at the ends.
    QTest::keyClick(offset, Qt::Key_PageDown);
    EXPECT_EQ(s.OffsetTime, 10);
    QTest::keyClick(offset, Qt::Key_PageDown);
    QTest::keyClick(offset, Qt::Key_PageDown);
    EXPECT_EQ(s.OffsetTime, 24);
    QTest::keyClick(offset, Qt::Key_PageUp);
    EXPECT_EQ(s.OffsetTime, 14);

    ClickCheck(Control<QCheckBox>("chkFBeep"));
    EXPECT_FALSE(s.KeyBeep);
    auto* ack = Control<QCheckBox>("chkFindAck");
    ack->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ack, Qt::Key_Space);
    EXPECT_FALSE(s.IndACK);
    EXPECT_TRUE(s.IndReply);  // only the field the user changed
    ClickCheck(Control<QCheckBox>("chkFWX"));
    ClickCheck(Control<QCheckBox>("chkFposRR"));
    ClickCheck(Control<QCheckBox>("chkFDSC"));
    ClickCheck(Control<QCheckBox>("chkFindReply"));
    EXPECT_FALSE(s.WxAlert || s.POSRR || s.DscScan || s.IndReply);
    EXPECT_EQ(s.Contrast, 4);
}

TEST_F(SettingsPanelTest, AtisOffKeepsTheNumber) {
    FrmMain& w = OpenActive();
    CommonSettings& s = session.config.SETCOM;
    s.AtisOnOff = true;
    s.AtisNo = "2111234567";
    w.Tree()->RefreshSelection();
    auto* atis = Control<QCheckBox>("chkFATIS");
    auto* number = Control<QLineEdit>("txtFATISNo");
    ClickCheck(atis);
    EXPECT_FALSE(s.AtisOnOff);
    EXPECT_FALSE(number->isEnabled());
    EXPECT_FALSE(Control<QLabel>("lblATIS")->isEnabled());
    EXPECT_EQ(s.AtisNo, "2111234567");
    ClickCheck(atis);
    EXPECT_TRUE(s.AtisOnOff);
    EXPECT_TRUE(number->isEnabled());
    EXPECT_EQ(number->text(), QStringLiteral("2111234567"));
}

TEST_F(SettingsPanelTest, NumericFieldsTakeDigitsOnly) {
    FrmMain& w = OpenActive();
    session.config.SETCOM.AtisOnOff = true;
    w.Tree()->RefreshSelection();
    auto* user = Control<QLineEdit>("txtFUser");
    ClickInto(user);
    QTest::keyClicks(user, "1a2 -3+B.4");
    EXPECT_EQ(user->text(), QStringLiteral("1234"));
    QTest::keyClicks(user, "567890");  // the tenth digit does not fit
    EXPECT_EQ(user->text(), QStringLiteral("123456789"));
    QTest::keyClick(user, Qt::Key_Backspace);
    EXPECT_EQ(user->text(), QStringLiteral("12345678"));
    QTest::keyClicks(user, "0");

    // Pasted text keeps its digits.
    auto* atis = Control<QLineEdit>("txtFATISNo");
    ClickInto(atis);
    EXPECT_EQ(Focus(), atis);
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "123456780");  // stored when the field was left
    QApplication::clipboard()->setText(QStringLiteral("21 1-123 45x67"));
    QTest::keyClick(atis, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(atis->text(), QStringLiteral("2111234567"));
    QTest::keyClick(atis, Qt::Key_Tab);
    EXPECT_EQ(session.config.SETCOM.AtisNo, "2111234567");

    // An emptied field is accepted and stored empty.
    ClickInto(user);
    QTest::keyClick(user, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(user, Qt::Key_Delete);
    QTest::keyClick(user, Qt::Key_Tab);
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SettingsPanelTest, RefusedNumberKeepsTheFocusAndTheStoredValue) {
    FrmMain& w = OpenActive();
    CommonSettings& s = session.config.SETCOM;
    s.AtisOnOff = true;
    s.AtisNo = "2111234567";
    w.Tree()->RefreshSelection();
    auto* atis = Control<QLineEdit>("txtFATISNo");
    ClickInto(atis);
    EXPECT_EQ(atis->selectedText(), QStringLiteral("2111234567"));  // whole text on focus
    QTest::keyClicks(atis, "211123456");                            // nine digits
    QTest::keyClick(atis, Qt::Key_Tab);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Data Error!!"));
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("ATISNo"));
    EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(Focus(), atis);
    EXPECT_EQ(atis->text(), QStringLiteral("211123456"));
    EXPECT_EQ(s.AtisNo, "2111234567");

    // A click on the tree is refused the same way and does not change the panel.
    ClickNode(QStringLiteral("SM"));
    EXPECT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(Focus(), atis);
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("S"));
    EXPECT_EQ(w.FrontPanel(), w.PanelF());

    // So is a click on the Clear button, which then does nothing.
    int clears = 0;
    w.transferDialog = [&](TransferMode) {
        ++clears;
        return TransferOutcome{};
    };
    ClickInto(Control<QPushButton>("cmdFClear"));
    EXPECT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(clears, 0);
    EXPECT_EQ(Focus(), atis);

    // Completed, the number is stored and the focus moves on.
    QTest::keyClicks(atis, "8");
    QTest::keyClick(atis, Qt::Key_Tab);
    EXPECT_EQ(s.AtisNo, "2111234568");
    EXPECT_EQ(Focus()->objectName(), QStringLiteral("txtFUser"));
    EXPECT_EQ(prompts.shown.size(), 3u);
    // The user MMSI gives its own caption.
    auto* user = Control<QLineEdit>("txtFUser");
    ClickInto(user);
    QTest::keyClicks(user, "12345678");
    QTest::keyClick(user, Qt::Key_Backtab);
    ASSERT_EQ(prompts.shown.size(), 4u);
    EXPECT_EQ(prompts.shown[3].title, QStringLiteral("User MMSI"));
    EXPECT_EQ(Focus(), user);
}

TEST_F(SettingsPanelTest, NumberLeftWithoutCheckGoesBackToTheStoredOne) {
    FrmMain& w = OpenActive();
    session.config.SETCOM.UserMmsid = "366123456";
    w.Tree()->RefreshSelection();
    auto* user = Control<QLineEdit>("txtFUser");
    ClickInto(user);
    QTest::keyClicks(user, "12");
    // The program moves the focus (a panel is loaded): no message, the stored MMSI is back.
    w.Tree()->SelectNodeByKey(QStringLiteral("SM"));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(user->text(), QStringLiteral("366123456"));
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "366123456");
}

TEST_F(SettingsPanelTest, ClearButtonClearsTheCountThroughTheTransferDialog) {
    FrmMain& w = OpenActive();
    session.image[addr::kMmsiEntryCount] = 5;
    w.Tree()->RefreshSelection();
    auto* count = Control<QLineEdit>("txtFCount");
    auto* clear = Control<QPushButton>("cmdFClear");
    ASSERT_EQ(count->text(), QStringLiteral("5"));

    // A failed or cancelled clear leaves the count shown.
    int runs = 0;
    w.transferDialog = [&](TransferMode mode) {
        ++runs;
        EXPECT_EQ(mode, TransferMode::Clear);
        session.image[addr::kMmsiEntryCount] = 0;  // what the panel would show if it reloaded
        return TransferOutcome{TransferStatus::Cancelled, std::nullopt};
    };
    ClickInto(clear);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(count->text(), QStringLiteral("5"));

    w.transferDialog = [&](TransferMode) {
        ++runs;
        session.image[addr::kMmsiEntryCount] = 0;
        return TransferOutcome{TransferStatus::Success, std::nullopt};
    };
    clear->setFocus(Qt::TabFocusReason);
    QTest::keyClick(clear, Qt::Key_Space);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(PendingEdit, RefusedNumberStopsEveryCommand) {
    FrmMain& w = OpenActive();
    int transfers = 0;
    w.transferDialog = [&](TransferMode) {
        ++transfers;
        return TransferOutcome{};
    };
    auto* user = Control<QLineEdit>("txtFUser");
    ClickInto(user);
    QTest::keyClicks(user, "12345");
    for (const char* command : {"mnuTransferProgram", "mnuTransferRead", "mnuFileNew",
                                "mnuFilePrint", "mnuFileSave", "mnuFileOpen"}) {
        const std::size_t shown = prompts.shown.size();
        Control<QAction>(command)->trigger();
        ASSERT_EQ(prompts.shown.size(), shown + 1) << command;
        EXPECT_EQ(prompts.shown.back().text, QStringLiteral("Data Error!!"));
        EXPECT_EQ(prompts.shown.back().title, QStringLiteral("User MMSI"));
        EXPECT_EQ(Focus(), user) << command;
    }
    QTest::qWait(300);  // New would have run on its timer by now
    EXPECT_EQ(transfers, 0);
    EXPECT_EQ(user->text(), QStringLiteral("12345"));
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "");

    // A complete number is stored by the command's check, and the command runs.
    QTest::keyClicks(user, "6789");
    Control<QAction>("mnuTransferProgram")->trigger();
    EXPECT_EQ(transfers, 1);
    EXPECT_EQ(session.config.SETCOM.UserMmsid, "123456789");
    EXPECT_EQ(Focus(), user);
}

}  // namespace
}  // namespace rse
