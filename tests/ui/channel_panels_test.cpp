// The channel list, the channel editor, the WX and the priority panels driven as a user
// does: clicks, keys and focus changes, checking the model, the enabling and the texts.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableWidget>

#include "model/channel_plans.h"
#include "panel_test_support.h"
#include "ui/panels/channel_list_panel.h"
#include "ui/panels/channel_panel.h"
#include "editing/node_keys.h"
#include "ui/panels/priority_panel.h"
#include "ui/widgets/tag_edit.h"
#include "ui/panels/wx_panel.h"

namespace rse {
namespace {

class ChannelList : public test::PanelTest {};
class ChannelEditor : public test::PanelTest {};
class ExpPosition : public test::PanelTest {};
class WxEditor : public test::PanelTest {};
class PriorityEditor : public test::PanelTest {};
class EditingSession : public test::PanelTest {};

// The element of a plan bank whose plan label is `label`.
int ElementOf(const Configuration& c, BankId bank, const char* label) {
    const std::vector<ChannelRecord>& records = BankOf(c, bank);
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (Plans().For(bank).Find(records[k].Position)->Label == label) return static_cast<int>(k);
    }
    ADD_FAILURE() << label;
    return -1;
}

QString Key(std::string_view branch, int index) {
    return QString::fromStdString(nodes::LeafKey(branch, index));
}

QStringList RowTexts(QTableWidget* grid, int gridRow) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << grid->item(gridRow - 1, c)->text();
    return texts;
}

QStringList Headers(QTableWidget* grid) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << grid->horizontalHeaderItem(c)->text();
    return texts;
}

// The name a screen reader announces (lists name themselves by their label on Linux).
QString AccessibleName(QWidget* w) {
    return w->accessibleName();
}

TEST_F(ChannelList, ListsThePlanBanksAndTheExpBank) {
    Configuration& c = session.config;
    OpenActive();
    const int ch84 = ElementOf(c, BankId::USA, "84");
    c.CHUSA[static_cast<std::size_t>(ch84)].ScanMemory = true;
    c.CHUSA[static_cast<std::size_t>(ch84)].ChTag = "harbour";
    auto* grid = Control<QTableWidget>("MSFlexGrid1");

    ClickNode(QStringLiteral("PU"));
    EXPECT_EQ(Headers(grid), (QStringList{"CH", "ENABLE", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP",
                                          "DUP", "MEM", "TAG"}));
    EXPECT_EQ(grid->rowCount(), 55);
    // A duplex channel lists the plan's receive frequency even with Duplex off.
    EXPECT_EQ(RowTexts(grid, ch84 + 1), (QStringList{"84", "[Enable]", "161.825", "157.225", "TX",
                                                     "---", "--", "---", "MEM", "harbour"}));
    const int ch70 = ElementOf(c, BankId::USA, "70");
    EXPECT_EQ(RowTexts(grid, ch70 + 1).mid(2, 3), (QStringList{"156.525", "---.---", "--"}));
    EXPECT_EQ(grid->item(ElementOf(c, BankId::USA, "13"), 5)->text(), QStringLiteral("LOW"));

    ClickNode(QStringLiteral("PC"));
    EXPECT_EQ(grid->rowCount(), 56);
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("02"));
    EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("160.700"));

    ChannelRecord& exp3 = c.Exp(3);
    FillFromPlan(exp3, 88, *Plans().PlanEXP.Find(88));
    exp3.ChTag = "WORK";
    ClickNode(QStringLiteral("E"));
    EXPECT_EQ(Headers(grid), (QStringList{"CH", "ENABLE", "POS", "RX[MHz]", "TX[MHz]", "TX", "LOW",
                                          "UP", "DUP", "MEM", "TAG"}));
    EXPECT_EQ(grid->rowCount(), 20);
    // Without Duplex the EXP list shows the transmit frequency in the RX column.
    EXPECT_EQ(RowTexts(grid, 3), (QStringList{"3", "[Enable]", "88", "157.425", "157.425", "TX",
                                              "---", "--", "---", "---", "WORK"}));
    exp3.Duplex = true;
    ClickNode(QStringLiteral("PI"));
    ClickNode(QStringLiteral("E"));
    EXPECT_EQ(RowTexts(grid, 3).mid(3, 6),
              (QStringList{"162.025", "157.425", "TX", "---", "--", "DUP"}));
    EXPECT_EQ(RowTexts(grid, 1).mid(0, 3), (QStringList{"1", "", "0"}));
    EXPECT_EQ(window->StatusText(1), NavigationTree::kTreeHint);
    grid->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window->StatusText(1), ChannelListPanel::kGridHint);
}

TEST_F(ChannelList, DoubleClickOrEnterJumpsToTheChannel) {
    FrmMain& w = OpenActive();
    auto* grid = Control<QTableWidget>("MSFlexGrid1");
    const int ch16 = ElementOf(session.config, BankId::INT, "16");

    ClickNode(QStringLiteral("PI"));
    grid->scrollToItem(grid->item(ch16, 3));
    const QPoint cell = grid->visualItemRect(grid->item(ch16, 3)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(w.Tree()->SelectedKey(), Key(nodes::kInternational, ch16));
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictC"));
    EXPECT_EQ(Control<QLabel>("txtCN")->text(), QStringLiteral("16"));

    // Enter in the grid jumps to the current row; on the EXP list row r is EXP r.
    ClickNode(QStringLiteral("E"));
    grid->setFocus(Qt::TabFocusReason);
    grid->setCurrentCell(6, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("E 7"));
    EXPECT_EQ(w.FrontPanel()->Title(), QStringLiteral("EXP7"));

    // The header row names no channel.
    ClickNode(QStringLiteral("PU"));
    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {},
                       QPoint(header->sectionPosition(1) + 5, header->height() / 2));
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("PU"));
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictB"));
}

TEST_F(ChannelEditor, PlanChannelOffersEnableScanAndTagOnly) {
    FrmMain& w = OpenActive();
    Configuration& c = session.config;
    const int ch16 = ElementOf(c, BankId::USA, "16");
    const QString key = Key(nodes::kUsa, ch16);
    ClickNode(key);
    auto* enable = Control<QCheckBox>("chkCEnable");
    auto* scan = Control<QCheckBox>("chkCScan");
    auto* tag = Control<QLineEdit>("txtCTag");
    EXPECT_EQ(Control<QLabel>("lblCPosition")->text(), QStringLiteral("Channel Number"));
    EXPECT_TRUE(Control<QLabel>("txtCN")->isVisible());
    EXPECT_FALSE(Control<QComboBox>("cmbCN")->isVisible());
    EXPECT_EQ(Control<QLabel>("txtCRF")->text(), QStringLiteral("156.800"));
    EXPECT_EQ(tag->text(), QStringLiteral("DISTRESS"));
    const auto enabledStates = [&] {
        std::vector<bool> states;
        for (const char* name :
             {"chkCEnable", "chkCTXEnable", "chkCTXOnly", "chkCTXPower", "chkCDup", "chkCScan"})
            states.push_back(Control<QWidget>(name)->isEnabled());
        states.push_back(tag->isEnabled());
        states.push_back(Control<QLabel>("lblCTag")->isEnabled());
        return states;
    };
    EXPECT_EQ(enabledStates(),
              (std::vector<bool>{true, false, false, false, false, true, true, true}));

    // Unchecking Enable stores that flag alone, retitles the node and keeps the focus.
    Configuration expected = c;
    expected.CHUSA[static_cast<std::size_t>(ch16)].Enable = false;
    ClickCheck(enable);
    EXPECT_EQ(c, expected);
    EXPECT_EQ(w.Tree()->NodeByKey(key)->text(0), QStringLiteral("CH16"));
    EXPECT_EQ(Focus(), enable);
    EXPECT_EQ(enabledStates(),
              (std::vector<bool>{true, false, false, false, false, false, false, false}));
    QTest::keyClick(enable, Qt::Key_Space);
    expected.CHUSA[static_cast<std::size_t>(ch16)].Enable = true;
    EXPECT_EQ(c, expected);
    EXPECT_EQ(w.Tree()->NodeByKey(key)->text(0), QStringLiteral("CH16[Enable]"));
    EXPECT_EQ(enabledStates(),
              (std::vector<bool>{true, false, false, false, false, true, true, true}));

    ClickCheck(scan);
    expected.CHUSA[static_cast<std::size_t>(ch16)].ScanMemory = true;
    EXPECT_EQ(c, expected);

    // Channel 70 carries DSC and is never scanned.
    for (BankId bank : {BankId::USA, BankId::INT, BankId::CAN}) {
        const std::string_view branch = bank == BankId::USA   ? nodes::kUsa
                                        : bank == BankId::INT ? nodes::kInternational
                                                              : nodes::kCanada;
        ClickNode(Key(branch, ElementOf(c, bank, "70")));
        EXPECT_FALSE(scan->isEnabled());
        EXPECT_TRUE(enable->isEnabled());
        EXPECT_EQ(Control<QLabel>("txtCTF")->text(), QStringLiteral("---.---"));
    }
    EXPECT_EQ(c, expected);
}

TEST_F(ChannelEditor, ExpChannelTransmitOptionsFollowEachOther) {
    FrmMain& w = OpenActive();
    Configuration& c = session.config;
    ClickNode(QStringLiteral("E 4"));
    auto* enable = Control<QCheckBox>("chkCEnable");
    auto* tx = Control<QCheckBox>("chkCTXEnable");
    auto* low = Control<QCheckBox>("chkCTXOnly");
    auto* up = Control<QCheckBox>("chkCTXPower");
    auto* dup = Control<QCheckBox>("chkCDup");
    auto* scan = Control<QCheckBox>("chkCScan");
    EXPECT_EQ(Control<QLabel>("lblCPosition")->text(), QStringLiteral("Position"));
    EXPECT_TRUE(Control<QComboBox>("cmbCN")->isVisible());
    EXPECT_FALSE(Control<QLabel>("txtCN")->isVisible());
    // A memory of New is off: only Enable (and the position) can be changed.
    for (QWidget* box : {tx, low, up, dup, scan})
        EXPECT_FALSE(box->isEnabled());

    Configuration expected = c;
    ChannelRecord& r = expected.Exp(4);
    ClickCheck(enable);
    r.Enable = true;
    EXPECT_EQ(c, expected);
    EXPECT_EQ(w.Tree()->NodeByKey(QStringLiteral("E 4"))->text(0), QStringLiteral("EXP4[Enable]"));
    EXPECT_TRUE(tx->isEnabled());
    EXPECT_TRUE(dup->isEnabled());  // position 0 is a duplex pair
    EXPECT_FALSE(low->isEnabled());

    ClickCheck(tx);
    r.TxEnable = true;
    EXPECT_EQ(c, expected);
    EXPECT_TRUE(low->isEnabled());
    EXPECT_FALSE(up->isEnabled());
    ClickCheck(low);
    r.LowPower = true;
    EXPECT_TRUE(up->isEnabled());
    ClickCheck(up);
    r.PowUp = true;
    EXPECT_EQ(c, expected);

    // Tx off greys the two that follow it and keeps their values.
    QTest::keyClick(tx, Qt::Key_Space);
    r.TxEnable = false;
    EXPECT_EQ(c, expected);
    EXPECT_FALSE(low->isEnabled());
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(low->isChecked());
    EXPECT_TRUE(up->isChecked());

    // Duplex switches the receive frequency to the pair's.
    EXPECT_EQ(Control<QLabel>("txtCRF")->text(), QStringLiteral("156.000"));
    ClickCheck(dup);
    r.Duplex = true;
    EXPECT_EQ(c, expected);
    EXPECT_EQ(Control<QLabel>("txtCRF")->text(), QStringLiteral("160.600"));
    EXPECT_EQ(Control<QLabel>("txtCTF")->text(), QStringLiteral("156.000"));

    // Enable off greys everything but Enable and the position; on again restores them.
    ClickCheck(enable);
    r.Enable = false;
    EXPECT_EQ(c, expected);
    for (QWidget* box : {tx, low, up, dup, scan})
        EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(Control<QLineEdit>("txtCTag")->isEnabled());
    EXPECT_TRUE(Control<QComboBox>("cmbCN")->isEnabled());
    ClickCheck(enable);
    r.Enable = true;
    EXPECT_EQ(c, expected);
    EXPECT_TRUE(tx->isEnabled());
    EXPECT_TRUE(dup->isEnabled());
    EXPECT_TRUE(scan->isEnabled());
    EXPECT_FALSE(low->isEnabled());
    EXPECT_TRUE(dup->isChecked());
}

TEST_F(ChannelEditor, TagIsCapitalsOfTwelveCharactersStoredAsTyped) {
    FrmMain& w = OpenActive();
    Configuration& c = session.config;
    const int ch9 = ElementOf(c, BankId::CAN, "09");
    ClickNode(Key(nodes::kCanada, ch9));
    auto* tag = Control<QLineEdit>("txtCTag");
    ClickInto(tag);
    EXPECT_EQ(tag->selectedText(), QStringLiteral("CALLING"));  // the whole text
    EXPECT_EQ(w.StatusText(1), ChannelPanel::kTagHint);
    QTest::keyClicks(tag, QStringLiteral("my boat-1/b"));
    EXPECT_EQ(c.CHCAN[static_cast<std::size_t>(ch9)].ChTag, "MY BOAT-1/B");
    QTest::keyClicks(tag, QStringLiteral("xy"));  // the thirteenth character is refused
    EXPECT_EQ(tag->text(), QStringLiteral("MY BOAT-1/BX"));
    EXPECT_EQ(c.CHCAN[static_cast<std::size_t>(ch9)].ChTag, "MY BOAT-1/BX");

    // Pasted text follows the same rules; text a model text cannot hold is refused.
    tag->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("pier 4"));
    QTest::keyClick(tag, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c.CHCAN[static_cast<std::size_t>(ch9)].ChTag, "PIER 4");
    tag->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("\u6e2f"));
    QTest::keyClick(tag, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c.CHCAN[static_cast<std::size_t>(ch9)].ChTag, "PIER 4");

    // A stored lower-case tag is shown as stored.
    c.CHCAN[0].ChTag = "phone";
    ClickNode(Key(nodes::kCanada, 0));
    EXPECT_EQ(tag->text(), QStringLiteral("phone"));
    EXPECT_EQ(c.CHCAN[0].ChTag, "phone");
}

TEST_F(ChannelEditor, ShowingPanelsWritesNothing) {
    Configuration& c = session.config;
    FrmMain& w = OpenActive();
    // Values that differ from what the plans would give.
    c.Exp(5).Position = 150;  // a simplex frequency, while DuplexCapable still says duplex
    c.Exp(5).Enable = true;
    c.Exp(5).LowPower = true;
    c.Exp(5).ChTag = "lower";
    c.Exp(6).Position = 999;  // no such position
    c.CHUSA[3].TxEnable = false;
    c.CHUSA[3].LowPower = true;
    c.CHUSA[3].PowUp = true;
    c.CHWX[2].Enable = false;
    c.CHWX[2].ScanMemory = true;
    c.CHWX[2].ChTag = "wx three";
    const Configuration before = c;
    for (const char* key : {"P", "PU", "PU 3", "PW", "E", "E 5", "E 6", "PC", "PC 55", "PI 54"}) {
        ClickNode(QLatin1String(key));
        EXPECT_EQ(c, before) << key;
    }
    w.Tree()->RefreshSelection();
    w.ResetAllPanels();
    EXPECT_EQ(c, before);

    // The shown values are the stored ones.
    ClickNode(QStringLiteral("E 5"));
    EXPECT_EQ(Control<QComboBox>("cmbCN")->currentText(), QStringLiteral("150"));
    EXPECT_FALSE(Control<QCheckBox>("chkCDup")->isEnabled());  // follows the plan entry
    EXPECT_EQ(Control<QLabel>("txtCRF")->text(), QStringLiteral("159.750"));
    EXPECT_EQ(Control<QLineEdit>("txtCTag")->text(), QStringLiteral("lower"));
    ClickNode(QStringLiteral("E 6"));
    EXPECT_EQ(Control<QComboBox>("cmbCN")->currentIndex(), -1);
    EXPECT_EQ(Control<QLabel>("txtCRF")->text(), QStringLiteral("---.---"));
    EXPECT_EQ(c, before);
}

TEST_F(ExpPosition, NewPositionReinitialisesTheMemory) {
    FrmMain& w = OpenActive();
    Configuration& c = session.config;
    ClickNode(QStringLiteral("E 2"));
    auto* position = Control<QComboBox>("cmbCN");
    ASSERT_EQ(position->count(), 282);
    EXPECT_EQ(position->itemText(0), QStringLiteral("0"));
    EXPECT_EQ(position->itemText(281), QStringLiteral("281"));

    // A memory in use with options of its own.
    ChannelRecord& r = c.Exp(2);
    r.Enable = true;
    r.TxEnable = true;
    r.Duplex = true;
    r.PowUp = true;
    r.LowPower = true;
    r.ScanMemory = true;
    r.ChTag = "OLD";
    w.Tree()->RefreshSelection();

    position->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(Control<ChannelPanel>("pictC")->ChannelComboGuard());
    EXPECT_EQ(w.StatusText(1), ChannelPanel::kListHint);
    QTest::keyClick(position, Qt::Key_Down);
    ChannelRecord expected{};
    FillFromPlan(expected, 1, *Plans().PlanEXP.Find(1));
    expected.DispayA = r.DispayA;
    EXPECT_EQ(r, expected);
    EXPECT_EQ(r.ChTag, "");
    EXPECT_FALSE(r.ScanMemory);
    EXPECT_FALSE(r.Duplex);
    EXPECT_EQ(Control<QLabel>("txtCTF")->text(), QStringLiteral("156.050"));
    EXPECT_EQ(Focus(), position);

    // Page steps of ten, Home and End.
    QTest::keyClick(position, Qt::Key_PageDown);
    EXPECT_EQ(r.Position, 11);
    QTest::keyClick(position, Qt::Key_PageUp);
    QTest::keyClick(position, Qt::Key_PageUp);
    EXPECT_EQ(r.Position, 0);
    QTest::keyClick(position, Qt::Key_End);
    EXPECT_EQ(r.Position, 281);
    EXPECT_EQ(Control<QLabel>("txtCTF")->text(), QStringLiteral("155.000"));
    QTest::keyClick(position, Qt::Key_PageDown);  // stays at the last item
    EXPECT_EQ(r.Position, 281);

    // A simplex position: Duplex cannot be chosen.
    for (int i = 0; i < 13; ++i)
        QTest::keyClick(position, Qt::Key_PageUp);
    EXPECT_EQ(r.Position, 151);
    EXPECT_FALSE(Control<QCheckBox>("chkCDup")->isEnabled());
    EXPECT_FALSE(r.DuplexCapable);
    EXPECT_EQ(w.Tree()->NodeByKey(QStringLiteral("E 2"))->text(0), QStringLiteral("EXP2[Enable]"));

    // A disabled memory chosen anew is enabled again.
    ClickCheck(Control<QCheckBox>("chkCEnable"));
    EXPECT_FALSE(r.Enable);
    position->setFocus(Qt::TabFocusReason);
    QTest::keyClick(position, Qt::Key_Up);
    EXPECT_TRUE(r.Enable);
    EXPECT_EQ(r.Position, 150);
    EXPECT_EQ(w.Tree()->NodeByKey(QStringLiteral("E 2"))->text(0), QStringLiteral("EXP2[Enable]"));
}

TEST_F(ExpPosition, SamePositionChosenAgainOnlyWritesEnableBack) {
    FrmMain& w = OpenActive();
    Configuration& c = session.config;
    FillFromPlan(c.Exp(9), 16, *Plans().PlanEXP.Find(16));
    c.Exp(9).ScanMemory = true;
    c.Exp(9).ChTag = "KEEP";
    ClickNode(QStringLiteral("E 9"));
    const Configuration before = c;
    auto* position = Control<QComboBox>("cmbCN");
    ClickInto(position);  // opens the list on the current position
    QAbstractItemView* list = position->view();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentIndex().row(), 16);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(c, before);
    EXPECT_EQ(Control<QLineEdit>("txtCTag")->text(), QStringLiteral("KEEP"));

    // The same way to another position re-initialises it.
    ClickInto(position);
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex().row(), 17);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(c.Exp(9).Position, 17);
    EXPECT_EQ(c.Exp(9).ChTag, "");
    EXPECT_FALSE(c.Exp(9).ScanMemory);
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictC"));
}

TEST_F(ChannelEditor, KeyboardReachesEveryControlInPageOrder) {
    FrmMain& w = OpenActive();
    ClickNode(QStringLiteral("E 1"));
    ClickCheck(Control<QCheckBox>("chkCEnable"));
    ClickCheck(Control<QCheckBox>("chkCTXEnable"));
    ClickCheck(Control<QCheckBox>("chkCTXOnly"));
    Control<QWidget>("cmbCN")->setFocus(Qt::TabFocusReason);
    QStringList chain;
    for (int i = 0; i < 8; ++i) {
        chain << Focus()->objectName();
        QTest::keyClick(Focus(), Qt::Key_Tab);
    }
    EXPECT_EQ(chain, (QStringList{"cmbCN", "chkCEnable", "chkCTXEnable", "chkCTXOnly",
                                  "chkCTXPower", "chkCDup", "chkCScan", "txtCTag"}));
    Control<QWidget>("chkCDup")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.StatusText(1), ChannelPanel::kCheckHint);

    // Every control is named as its caption for screen readers.
    const struct {
        const char* control;
        const char* name;
    } names[] = {{"chkCEnable", "Enable"},
                 {"chkCTXEnable", "Tx Enable"},
                 {"chkCTXOnly", "Only Low Power"},
                 {"chkCTXPower", "Power Up"},
                 {"chkCDup", "Duplex"},
                 {"chkCScan", "Scan Memory"},
                 {"txtCTag", "Tag Name"},
                 {"cmbCN", "Position"},
                 {"txtCRF", "Rx Frequency"},
                 {"txtCTF", "Tx Frequency"}};
    for (const auto& n : names)
        EXPECT_EQ(AccessibleName(Control<QWidget>(n.control)), QLatin1String(n.name)) << n.control;
    EXPECT_EQ(Control<QLabel>("lblCPosition")->buddy(), Control<QWidget>("cmbCN"));
}

TEST_F(WxEditor, RowsEditEnableScanAndTag) {
    FrmMain& w = OpenActive();
    Configuration& c = session.config;
    ClickNode(QStringLiteral("PW"));
    auto* panel = Control<WxPanel>("pictD");
    EXPECT_EQ(panel->findChildren<QCheckBox*>(QStringLiteral("chkDEnable")).size(), 10);
    EXPECT_EQ(panel->lblWX(0)->text(), QStringLiteral("WX01[162.550MHz]"));
    EXPECT_EQ(panel->lblWX(9)->text(), QStringLiteral("WX10[163.275MHz]"));
    EXPECT_EQ(panel->txtDTagName(7)->text(), QStringLiteral("161.650MHZ"));

    Configuration expected = c;
    ClickCheck(panel->chkDScan(3));
    expected.CHWX[3].ScanMemory = true;
    EXPECT_EQ(c, expected);
    // Enable off greys the row's Scan and tag and keeps them.
    ClickCheck(panel->chkDEnable(3));
    expected.CHWX[3].Enable = false;
    EXPECT_EQ(c, expected);
    EXPECT_FALSE(panel->chkDScan(3)->isEnabled());
    EXPECT_FALSE(panel->txtDTagName(3)->isEnabled());
    EXPECT_TRUE(panel->chkDScan(3)->isChecked());
    EXPECT_TRUE(panel->chkDScan(4)->isEnabled());
    ClickNode(QStringLiteral("P"));
    ClickNode(QStringLiteral("PW"));
    EXPECT_FALSE(panel->chkDScan(3)->isEnabled());
    QTest::keyClick(panel->chkDEnable(3), Qt::Key_Space);
    expected.CHWX[3].Enable = true;
    EXPECT_EQ(c, expected);
    EXPECT_TRUE(panel->chkDScan(3)->isChecked());
    EXPECT_TRUE(panel->txtDTagName(3)->isEnabled());
    EXPECT_EQ(panel->txtDTagName(3)->text(), QStringLiteral("162.425MHZ"));

    // The tag: capitals, twelve characters, stored as typed.
    TagEdit* tag = panel->txtDTagName(5);
    ClickInto(tag);
    EXPECT_EQ(tag->selectedText(), QStringLiteral("162.500MHZ"));
    EXPECT_EQ(w.StatusText(1), WxPanel::kTagHint);
    QTest::keyClicks(tag, QStringLiteral("noaa weather"));
    QTest::keyClick(tag, Qt::Key_X);
    expected.CHWX[5].ChTag = "NOAA WEATHER";
    EXPECT_EQ(c, expected);
}

TEST_F(WxEditor, FocusedBoxShowsTheMarker) {
    FrmMain& w = OpenActive();
    ClickNode(QStringLiteral("PW"));
    auto* panel = Control<WxPanel>("pictD");
    panel->chkDEnable(0)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(panel->chkDEnable(0)->text(), QStringLiteral(">"));
    EXPECT_EQ(w.StatusText(1), WxPanel::kCheckHint);
    QStringList chain;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(Focus(), Qt::Key_Tab);
        chain << Focus()->objectName() + QString::number(Focus()->property("index").toInt());
    }
    EXPECT_EQ(chain, (QStringList{"chkDScan0", "txtDTagName0", "chkDEnable1", "chkDScan1"}));
    EXPECT_EQ(panel->chkDEnable(0)->text(), QStringLiteral(" "));
    EXPECT_EQ(panel->chkDScan(0)->text(), QStringLiteral(" "));
    EXPECT_EQ(panel->chkDScan(1)->text(), QStringLiteral(">"));
    // Named by row and column, whatever the marker shows.
    EXPECT_EQ(AccessibleName(panel->chkDScan(1)), QStringLiteral("WX02[162.400MHz] Scan"));
    EXPECT_EQ(AccessibleName(panel->txtDTagName(9)), QStringLiteral("WX10[163.275MHz] Tag Name"));
}

TEST_F(PriorityEditor, NineEmptyListsThatChangeNothing) {
    FrmMain& w = OpenActive();
    const Configuration before = session.config;
    ClickNode(QStringLiteral("P"));
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictA"));
    const char* const names[] = {"cmbPUSA",           "cmbAUSA",           "cmbBUSA",
                                 "cmbPInterNational", "cmbAInterNational", "cmbBInterNational",
                                 "cmbPCanada",        "cmbACanada",        "cmbBCanada"};
    Control<QWidget>("cmbPUSA")->setFocus(Qt::TabFocusReason);
    for (const char* name : names) {
        auto* list = Control<QComboBox>(name);
        EXPECT_EQ(list->count(), 0) << name;
        EXPECT_EQ(Focus(), list);
        EXPECT_EQ(w.StatusText(1), PriorityPanel::kListHint);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Tab);
    }
    EXPECT_EQ(AccessibleName(Control<QWidget>("cmbAInterNational")),
              QStringLiteral("International A-Ch"));
    EXPECT_EQ(session.config, before);
}

TEST_F(EditingSession, ChannelsPositionSettingsAndStationsEndAsExpected) {
    FrmMain& w = OpenActive();
    Configuration& c = session.config;
    Configuration expected = c;

    // A channel: scanned, with a tag of its own.
    const int ch68 = ElementOf(c, BankId::USA, "68");
    ClickNode(Key(nodes::kUsa, ch68));
    ClickCheck(Control<QCheckBox>("chkCScan"));
    auto* tag = Control<QLineEdit>("txtCTag");
    ClickInto(tag);
    QTest::keyClicks(tag, QStringLiteral("fishing"));
    ChannelRecord& usa = expected.CHUSA[static_cast<std::size_t>(ch68)];
    usa.ScanMemory = true;
    usa.ChTag = "FISHING";

    // An EXP memory on a new position, transmitting on low power.
    ClickNode(QStringLiteral("E 3"));
    auto* position = Control<QComboBox>("cmbCN");
    position->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(position, Qt::Key_PageDown);
    QTest::keyClick(position, Qt::Key_Down);
    ClickCheck(Control<QCheckBox>("chkCTXOnly"));
    ChannelRecord& exp = expected.Exp(3);
    FillFromPlan(exp, 121, *Plans().PlanEXP.Find(121));
    exp.LowPower = true;

    // A WX channel switched off.
    ClickNode(QStringLiteral("PW"));
    ClickCheck(Control<WxPanel>("pictD")->chkDEnable(9));
    expected.CHWX[9].Enable = false;

    // The settings: contrast, key beep, ATIS on with its number.
    ClickNode(QStringLiteral("S"));
    auto* contrast = Control<QComboBox>("cmbFCont");
    contrast->setFocus(Qt::TabFocusReason);
    QTest::keyClick(contrast, Qt::Key_Up);
    ClickCheck(Control<QCheckBox>("chkFBeep"));
    ClickCheck(Control<QCheckBox>("chkFATIS"));
    auto* atis = Control<QLineEdit>("txtFATISNo");
    ClickInto(atis);
    QTest::keyClicks(atis, QStringLiteral("2111234567"));
    QTest::keyClick(atis, Qt::Key_Tab);
    expected.SETCOM.Contrast = 3;
    expected.SETCOM.KeyBeep = false;
    expected.SETCOM.AtisOnOff = true;
    expected.SETCOM.AtisNo = "2111234567";

    // Three stations, then the second deleted.
    const char* const names[] = {"home", "buddy", "club"};
    const char* const mmsis[] = {"366000001", "366000002", "366000003"};
    for (int slot = 1; slot <= 3; ++slot) {
        ClickNode(QStringLiteral("SM %1").arg(slot));
        ClickCheck(Control<QCheckBox>("chkGEnable"));
        auto* name = Control<QLineEdit>("txtGPosi");
        ClickInto(name);
        QTest::keyClicks(name, QLatin1String(names[slot - 1]));
        auto* mmsi = Control<QLineEdit>("txtGMMSI");
        QTest::keyClick(name, Qt::Key_Tab);
        QTest::keyClicks(mmsi, QLatin1String(mmsis[slot - 1]));
        QTest::keyClick(mmsi, Qt::Key_Backtab);
    }
    ClickNode(QStringLiteral("SM 2"));
    prompts.answers = {Prompts::Answer::Yes};
    ClickCheck(Control<QCheckBox>("chkGDelete"));
    expected.Dir(1) = {true, "HOME", "366000001"};
    expected.Dir(2) = {true, "CLUB", "366000003"};

    EXPECT_EQ(c.SETCOM, expected.SETCOM);
    EXPECT_EQ(c.CHUSA, expected.CHUSA);
    EXPECT_EQ(c.CHEXP, expected.CHEXP);
    EXPECT_EQ(c.CHWX, expected.CHWX);
    EXPECT_EQ(c.CHMMSID, expected.CHMMSID);
    EXPECT_EQ(c, expected);
    EXPECT_EQ(w.Tree()->NodeByKey(QStringLiteral("E 3"))->text(0), QStringLiteral("EXP3[Enable]"));
    EXPECT_EQ(prompts.shown.size(), 1u);  // only the question before the delete
}

}  // namespace
}  // namespace rse
