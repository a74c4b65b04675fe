// The panels driven as a user does, each scenario a table of steps (see Step in
// ui_test_support.h); the mouse wheel over lists; and one walk over every node of the tree.
#include <QtTest/qtestspontaneevent.h>
#include <QTreeWidgetItemIterator>
#include <QWheelEvent>

#include "image/memory_image.h"
#include "model/channel_plans.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

using C = Configuration;

// Notches of the wheel at the middle of `widget`, delivered to the widget under that point as
// the window system delivers them (spontaneous, so Qt passes an ignored turn to the parent).
void TurnWheel(QWidget* widget, int notches) {
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, widget->rect().center());
    QWidget* target = window->childAt(inWindow);
    ASSERT_TRUE(target);
    const QPointF local = target->mapFrom(window, inWindow);
    for (int i = 0; i < notches; ++i) {
        QWheelEvent turn(local, target->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&turn);
        qApp->notify(target, &turn);
    }
}

// Counts the wheel turns a widget receives.
class WheelCounter : public QObject {
  public:
    int turns = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Wheel) ++turns;
        return false;
    }
};

class Panels : public MainWindowTest {
  protected:
    // The tree key of the channel of a plan bank whose label is `label`.
    std::string KeyOf(BankId bank, const char* label) const {
        const auto& records = BankOf(session.config, bank);
        for (std::size_t k = 0; k < records.size(); ++k)
            if (Plans().For(bank).Find(records[k].Position)->Label == label)
                return nodes::NodeKey{*nodes::PlanBranch(bank), static_cast<int>(k)}.Text();
        ADD_FAILURE() << label;
        return {};
    }
    int Element(const std::string& key) const { return std::stoi(key.substr(key.find(' '))); }
    // Choosing EXP position `position` for memory `exp`: the memory starts anew from the plan.
    static std::function<void(C&)> Choose(int exp, int position) {
        return [=](C& c) {
            const bool display = c.Exp(exp).DispayA;
            c.Exp(exp) = {};
            FillFromPlan(c.Exp(exp), position, *Plans().PlanEXP.Find(position));
            c.Exp(exp).DispayA = display;
        };
    }
    bool Grey(int slot) const {
        return window->Tree()->NodeByKey({nodes::Branch::Directory, slot})->foreground(0).color() ==
               window->Tree()->palette().color(QPalette::Disabled, QPalette::Text);
    }
};

TEST_F(Panels, SettingsAreStoredAtOnceAndNumbersChecked) {
    Open();
    std::vector<TransferMode> transfers;
    TransferStatus outcome = TransferStatus::Success;
    window->transferDialog = [&](TransferMode mode) {
        transfers.push_back(mode);
        session.image[mem::kMmsiEntryCount.address] = 0;  // what a reload of the panel would show
        return TransferOutcome{outcome, std::nullopt};
    };
    // clang-format off
    Play({
        {"refresh", {}, "text cmbFCont=4; text cmbFDim=HI; text cmbFOffset=+0:00; checked chkFBeep chkFWX; "
                        "unchecked chkFATIS; off txtFATISNo lblATIS; text txtFCount=0"},
        {"key cmbFDim Down", [](C& c) { c.SETCOM.Dimmer = 1; }, "hint [Up/Down]"},
        {"key cmbFOffset End", [](C& c) { c.SETCOM.OffsetTime = 24; }},
        {"key cmbFOffset Home", [](C& c) { c.SETCOM.OffsetTime = 0; }},
        {"key cmbFOffset PgDown", [](C& c) { c.SETCOM.OffsetTime = 10; }},
        {"key cmbFOffset PgDown", [](C& c) { c.SETCOM.OffsetTime = 20; }},
        {"key cmbFOffset PgDown", [](C& c) { c.SETCOM.OffsetTime = 24; }},
        {"key cmbFOffset PgUp", [](C& c) { c.SETCOM.OffsetTime = 14; }},
        {"click chkFBeep", [](C& c) { c.SETCOM.KeyBeep = false; }},
        {"key chkFindAck Space", [](C& c) { c.SETCOM.IndACK = false; }, "hint [Space]"},
        {"click chkFATIS", [](C& c) { c.SETCOM.AtisOnOff = true; }, "on txtFATISNo lblATIS"},
        {"type txtFATISNo 21a1-1234567x", {}, "text txtFATISNo=2111234567; hint Numeric Only. Indispensable 10 figures."},
        {"key txtFATISNo Tab", [](C& c) { c.SETCOM.AtisNo = "2111234567"; }, "focus txtFUser"},
        {"click chkFATIS", [](C& c) { c.SETCOM.AtisOnOff = false; }, "off txtFATISNo; text txtFATISNo=2111234567"},
        // A refused number keeps the focus and stops whatever wanted to run.
        {"type txtFUser 1234567890", {}, "text txtFUser=123456789"},
        {"key txtFUser Backspace", {}, "text txtFUser=12345678"},
        {"key txtFUser Backtab", {}, "message Data Error!!|User MMSI; focus txtFUser"},
        {"node SM", {}, "messages 2; selected S; panel pictF; focus txtFUser"},
        {"click cmdFClear", {}, "messages 3; focus txtFUser"},
        {"run mnuFileNew", {}, "messages 4; inactive Timer1"},
        {"run mnuTransferRead", {}, "messages 5"},
        {"run mnuFileSave", {}, "messages 6"},
        {"paste txtFUser 36 6-123 45x6", {}, "text txtFUser=366123456"},
        {"run mnuTransferProgram", [](C& c) { c.SETCOM.UserMmsid = "366123456"; }, "messages 6; focus txtFUser"},
    });
    // clang-format on
    // Clear shows the count only after a successful clear.
    session.image[mem::kMmsiEntryCount.address] = 5;
    Play({{"refresh", {}, "text txtFCount=5"}});
    for (const auto& [status, count] :
         {std::pair{TransferStatus::Cancelled, "5"}, std::pair{TransferStatus::Success, "0"}}) {
        outcome = status;
        Play({{"click cmdFClear", {}, std::string("messages 6; text txtFCount=") + count}});
    }
    EXPECT_EQ(transfers,
              (std::vector{TransferMode::Program, TransferMode::Clear, TransferMode::Clear}));
}

TEST_F(Panels, PlanChannelOffersEnableScanAndTag) {
    Open();
    const std::string ch16 = KeyOf(BankId::USA, "16");
    const auto k = static_cast<std::size_t>(Element(ch16));
    // clang-format off
    Play({
        {"node " + ch16, {}, "text lblCPosition=Channel Number; visible txtCN; hidden cmbCN; text txtCRF=156.800; "
                             "text txtCTag=DISTRESS; on chkCEnable chkCScan txtCTag; "
                             "off chkCTXEnable chkCTXOnly chkCTXPower chkCDup"},
        {"click chkCEnable", [=](C& c) { c.CHUSA[k].Enable = false; },
         "node " + ch16 + "=CH16; focus chkCEnable; off chkCScan txtCTag lblCTag"},
        {"key chkCEnable Space", [=](C& c) { c.CHUSA[k].Enable = true; },
         "node " + ch16 + "=CH16[Enable]; on chkCScan txtCTag"},
        {"click chkCScan", [=](C& c) { c.CHUSA[k].ScanMemory = true; }},
        {"type txtCTag my boat-1/bxy", [=](C& c) { c.CHUSA[k].ChTag = "MY BOAT-1/BX"; },
         "text txtCTag=MY BOAT-1/BX; hint A maximum of 12 characters"},
        {"paste txtCTag pier 4", [=](C& c) { c.CHUSA[k].ChTag = "PIER 4"; }},
        {"paste txtCTag \u6e2f", {}, "text txtCTag=PIER 4"},
        {"node " + KeyOf(BankId::CAN, "70"), {}, "off chkCScan; on chkCEnable; text txtCTF=---.---"},
    });
    // clang-format on
}

TEST_F(Panels, ExpTransmitOptionsFollowEachOtherAndAPositionStartsAnew) {
    Open();
    // clang-format off
    Play({
        {"node E 4", {}, "text lblCPosition=Position; visible cmbCN; hidden txtCN; "
                         "off chkCTXEnable chkCTXOnly chkCTXPower chkCDup chkCScan txtCTag"},
        {"click chkCEnable", [](C& c) { c.Exp(4).Enable = true; },
         "node E 4=EXP4[Enable]; on chkCTXEnable chkCDup chkCScan; off chkCTXOnly"},
        {"click chkCTXEnable", [](C& c) { c.Exp(4).TxEnable = true; }, "on chkCTXOnly; off chkCTXPower"},
        {"click chkCTXOnly", [](C& c) { c.Exp(4).LowPower = true; }, "on chkCTXPower"},
        {"click chkCTXPower", [](C& c) { c.Exp(4).PowUp = true; }},
        {"key chkCTXEnable Space", [](C& c) { c.Exp(4).TxEnable = false; },
         "off chkCTXOnly chkCTXPower; checked chkCTXOnly chkCTXPower"},
        {"click chkCDup", [](C& c) { c.Exp(4).Duplex = true; }, "text txtCRF=160.600; text txtCTF=156.000"},
        {"click chkCEnable", [](C& c) { c.Exp(4).Enable = false; }, "off chkCTXEnable chkCDup chkCScan txtCTag; on cmbCN"},
        {"key cmbCN Down", Choose(4, 1), "text txtCTF=156.050; focus cmbCN; node E 4=EXP4[Enable]"},
        {"key cmbCN PgDown", Choose(4, 11)},
        {"key cmbCN End", Choose(4, 281), "text txtCTF=155.000"},
        {"key cmbCN PgDown", {}, "text cmbCN=281"},
        {"key cmbCN Home", Choose(4, 0)},
    });
    // clang-format on

    // Choosing the shown position again from the list keeps the memory as it is.
    session.config.Exp(9).Enable = true;
    session.config.Exp(9).ChTag = "KEEP";
    Play({{"node E 9"}, {"click cmbCN"}});
    QAbstractItemView* list = qobject_cast<QComboBox*>(W(QStringLiteral("cmbCN")))->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(session.config.Exp(9).ChTag, "KEEP");
}

TEST_F(Panels, WxRowsEditEnableScanAndTag) {
    Open();
    // clang-format off
    Play({
        {"node PW", {}, "text lblWX#9=WX10[163.275MHz]; text txtDTagName#7=161.650MHZ"},
        {"click chkDScan#3", [](C& c) { c.CHWX[3].ScanMemory = true; }},
        {"click chkDEnable#3", [](C& c) { c.CHWX[3].Enable = false; },
         "off chkDScan#3 txtDTagName#3; checked chkDScan#3; on chkDScan#4"},
        {"node P"},
        {"node PW", {}, "off chkDScan#3"},
        {"key chkDEnable#3 Space", [](C& c) { c.CHWX[3].Enable = true; },
         "on chkDScan#3 txtDTagName#3; text txtDTagName#3=162.425MHZ"},
        {"type txtDTagName#5 noaa weatherx", [](C& c) { c.CHWX[5].ChTag = "NOAA WEATHER"; }},
        {"focus chkDEnable#0", {}, "text chkDEnable#0=>; hint Select[x]Enable/[]Disable."},
        {"key chkDEnable#0 Tab", {}, "focus chkDScan#0; text chkDScan#0=>"},
    });
    // clang-format on
}

TEST_F(Panels, StoredTextsLongerThanTheTypingLimitAreShownWholeAndKept) {
    Open();
    session.config.SETCOM.UserMmsid = "3661234567";
    session.config.CHUSA[0].Enable = true;
    session.config.CHUSA[0].ChTag = "ABCDEFGHIJKLMNO";
    session.config.Dir(1) = {true, "STATIONNAME1", "366000001"};
    for (const auto& [node, field, text] : {std::tuple{"S", "txtFUser", "3661234567"},
                                            std::tuple{"PU 0", "txtCTag", "ABCDEFGHIJKLMNO"},
                                            std::tuple{"SM 1", "txtGPosi", "STATIONNAME1"}}) {
        const std::string f = field, t = text;  // t: longer than the field's typing limit
        Play({{std::string("node ") + node},
              {"refresh", {}, "visible " + f + "; on " + f + "; text " + f + "=" + t},
              {"key " + f + " End"},
              {"type " + f + " 7Z", {}, "text " + f + "=" + t},  // a full field takes none
              {"focus tvTreeView", {}, "messages 0"}});          // leaving the field keeps the text
    }
}

TEST_F(Panels, WheelLeavesListsWithoutTheFocusAloneAndStepsAFocusedOneLikeTheKeys) {
    Open();
    // The settings panel's Contrast Level; the position list of an unused EXP memory.
    for (const auto& [node, name] : {std::pair{"S", "cmbFCont"}, std::pair{"E 5", "cmbCN"}}) {
        SCOPED_TRACE(name);
        ClickNode(QLatin1String(node));
        QWidget* list = W(QLatin1String(name));
        window->Tree()->setFocus();
        const C before = session.config;
        WheelCounter container;
        list->parentWidget()->installEventFilter(&container);
        TurnWheel(list, 3);
        EXPECT_TRUE(session.config == before);  // nothing stored or enabled
        EXPECT_FALSE(list->hasFocus());
        EXPECT_EQ(container.turns, 3);  // the turns went on to what holds the list

        // With the focus, one notch down stores what the Down key stores.
        list->setFocus(Qt::TabFocusReason);
        TurnWheel(list, 1);
        const C byWheel = session.config;
        EXPECT_FALSE(byWheel == before);
        session.config = before;
        Play({{"refresh"}, {std::string("key ") + name + " Down", [&](C& c) { c = byWheel; }}});
    }
}

TEST_F(Panels, PriorityListsAreEmptyAndChangeNothing) {
    Open();
    Play({{"node P", {}, "panel pictA"}, {"key cmbBCanada Down", {}, "hint [Up/Down]"}});
    for (const char* name :
         {"cmbPUSA", "cmbAUSA", "cmbBUSA", "cmbPInterNational", "cmbAInterNational",
          "cmbBInterNational", "cmbPCanada", "cmbACanada", "cmbBCanada"})
        EXPECT_EQ(qobject_cast<QComboBox*>(W(QLatin1String(name)))->count(), 0) << name;
}

TEST_F(Panels, DirectoryAddsNamesMmsisAndDeletesWithAQuestion) {
    Open();
    auto add = [](int i, const char* name, const char* mmsi) {
        const std::string slot = "SM " + std::to_string(i);
        // clang-format off
        return std::vector<Step>{
            {"node " + slot, {}, "on chkGEnable; off chkGDelete txtGPosi txtGMMSI lblTag lblMmsi"},
            {"click chkGEnable", [=](C& c) { c.Dir(i).Enable = true; },
             "off chkGEnable; on chkGDelete txtGPosi txtGMMSI; focus txtGPosi; hint A maximum of 10 characters.; "
             "node " + slot + "=MemoryID" + std::to_string(i) + "[Enable]"},
            {std::string("type txtGPosi ") + name,
             [=](C& c) { c.Dir(i).TagName = QString::fromLatin1(name).toUpper().left(10).toStdString(); }},
            {"key txtGPosi Tab", {}, "focus txtGMMSI"},
            {std::string("type txtGMMSI ") + mmsi},
            {"key txtGMMSI Backtab", [=](C& c) { c.Dir(i).Mmsid = mmsi; }},
        };
        // clang-format on
    };
    for (auto steps : {add(1, "coast guard 1", "366000001"), add(2, "tug-b", "366000002"),
                       add(3, "pilot", "002470001")})
        Play(steps);
    EXPECT_FALSE(Grey(4));
    EXPECT_TRUE(Grey(5));
    prompts.answers = {Prompts::Answer::No, Prompts::Answer::Yes};  // to the two deletes
    // clang-format off
    Play({
        {"node SM 5", {}, "off chkGEnable chkGDelete txtGPosi"},
        {"node SM 2"},
        {"click chkGDelete", {}, "message Are you sure ?|Radio Setup Editor; unchecked chkGDelete"},
        {"click chkGDelete", [](C& c) { c.Dir(2) = std::exchange(c.Dir(3), {}); },
         "text txtGPosi=PILOT; node SM 3=MemoryID3; messages 2"},
        {"type txtGMMSI 36600000", {}},
        {"node SM 1", {}, "message Data Error!!|Indivisual Directory MMSI; selected SM 2; focus txtGMMSI"},
        {"key txtGMMSI Ctrl+A"},
        {"key txtGMMSI Backspace"},
        {"node SM 1", [](C& c) { c.Dir(2).Mmsid.clear(); }, "selected SM 1; messages 3"},
    });
    // clang-format on
    EXPECT_TRUE(Grey(4));
}

TEST_F(Panels, ListsShowTheirRowsAndOpenOneOnDoubleClickOrEnter) {
    Open();
    session.config.Exp(3).Enable = true;
    session.config.Dir(1) = {true, "HOME", "366000001"};
    const std::string ch84 = KeyOf(BankId::USA, "84");
    const struct {
        std::string list, row, cells, opens;
    } cases[] = {
        {"PU", "MSFlexGrid1 " + std::to_string(Element(ch84)),
         "84|[Enable]|161.825|157.225|TX|---|--|---|---|TELEPHONE", ch84},
        {"E", "MSFlexGrid1 2", "3|[Enable]|0|156.000|156.000|--|---|--|---|---|", "E 3"},
        {"SM", "MSFlexGrid2 0", "1|[Enable]|HOME|366000001", "SM 1"},
        {"PU", "MSFlexGrid1 -1", "", "PU"},  // the header row names no channel
    };
    for (const auto& c : cases) {
        Play({{"node " + c.list, {}, c.cells.empty() ? "" : "row " + c.row + "=" + c.cells},
              {"dclick " + c.row, {}, "selected " + c.opens},
              {"node " + c.list},
              {"enter " + c.row, {}, "selected " + c.opens}});
    }
}

// Every node of the tree: its panel is the only one enabled, showing it writes nothing into the
// model (also for values no control could produce), and every control a user can reach has
// a name for screen readers.
TEST_F(Panels, WalkOverEveryNode) {
    Open();
    C& c = session.config;
    c.Exp(5) = {150, true, true, false, false, true, false, false, false, false, "lower"};
    c.Exp(6).Position = 999;
    c.CHUSA[3] = {
        c.CHUSA[3].Position, true, true, true, false, false, false, true, true, true, "x"};
    c.CHWX[2].Enable = false;
    c.CHWX[2].ScanMemory = true;
    c.CHWX[2].ChTag = "wx three";
    c.SETCOM.Dimmer = 4;
    c.SETCOM.UserMmsid = "12345";
    c.Dir(1) = {true, "lower case", "12AB"};
    session.image[mem::kMmsiEntryCount.address] = 17;
    window->Tree()->RetitleNodes();
    const C before = c;
    std::vector<nodes::NodeKey> keys;
    for (QTreeWidgetItemIterator it(window->Tree()); *it; ++it)
        keys.push_back(window->Tree()->KeyOf(*it));
    for (const nodes::NodeKey& key : keys) {
        SCOPED_TRACE(key.Text());
        window->Tree()->SelectNodeByKey(key);
        ASSERT_EQ(window->Tree()->SelectedKey().Text(), key.Text());
        EXPECT_TRUE(c == before);
        int enabled = 0;
        for (auto* p :
             Find(window.get(), "pictData")->findChildren<EditorPanel*>(Qt::FindDirectChildrenOnly))
            enabled += p->isEnabled();
        EXPECT_EQ(enabled, 1);
        for (QWidget* w : window->FrontPanel()->findChildren<QWidget*>()) {
            const bool reachable =
                w->isVisibleTo(window->FrontPanel()) && (w->focusPolicy() & Qt::TabFocus);
            EXPECT_TRUE(!reachable || !w->accessibleName().isEmpty())
                << w->objectName().toStdString();
        }
    }
    window->ResetAllPanels();
    EXPECT_TRUE(c == before);
    // The stored values are shown as stored.
    Play({{"node E 5", {}, "text cmbCN=150; off chkCDup; text txtCRF=159.750; text txtCTag=lower"},
          {"node E 6", {}, "text cmbCN=; text txtCRF=---.---"},
          {"node S", {}, "text txtFUser=12345; text txtFCount=17"}});
}

TEST_F(Panels, TabReachesEveryControlInPageOrder) {
    Open();  // New replaces what the session held
    session.config.SETCOM.AtisOnOff = true;
    session.config.Exp(1).Enable = session.config.Exp(1).TxEnable = session.config.Exp(1).LowPower =
        true;
    const struct {
        const char* node;
        const char* first;
        QStringList chain;
    } cases[] = {
        // clang-format off
        {"S", "cmbFCont", {"cmbFCont", "cmbFDim", "cmbFScan", "cmbFOffset", "cmbFIND", "chkFindReply", "chkFindAck",
                           "chkFposRR", "chkFBeep", "chkFDSC", "chkFWX", "chkFATIS", "txtFATISNo", "txtFUser",
                           "txtFCount", "cmdFClear"}},
        {"E 1", "cmbCN", {"cmbCN", "chkCEnable", "chkCTXEnable", "chkCTXOnly", "chkCTXPower", "chkCDup", "chkCScan",
                          "txtCTag"}},
        {"PW", "chkDEnable#0", {"chkDEnable0", "chkDScan0", "txtDTagName0", "chkDEnable1"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        ClickNode(QLatin1String(c.node));
        window->Tree()->RefreshSelection();
        W(QLatin1String(c.first))->setFocus(Qt::TabFocusReason);
        QStringList chain;  // each control's name and index
        while (chain.size() < c.chain.size()) {
            const QVariant index = Focus()->property("index");
            chain << Focus()->objectName() + (index.isValid() ? index.toString() : QString());
            QTest::keyClick(Focus(), Qt::Key_Tab);
        }
        EXPECT_EQ(chain, c.chain) << c.node;
    }
}

}  // namespace
}  // namespace rse::test
