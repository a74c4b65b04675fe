// The individual directory's list and entry panels driven as a user does: slot states, Add,
// Delete with its question, shifting, tree shading, station names and MMSIs.
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "panel_test_support.h"
#include "ui/panels/directory_entry_panel.h"
#include "ui/panels/editor_panel.h"

namespace rse {
namespace {

class DirectoryPanels : public test::PanelTest {
  protected:
    void Use(int count) {
        for (int i = 1; i <= count; ++i) {
            DirectoryEntry& e = session.config.Dir(i);
            e.Enable = true;
            e.TagName = "SHIP" + std::to_string(i);
            e.Mmsid = std::to_string(366000000 + i);
        }
        window->Tree()->RetitleNodes();
    }

    bool Grey(int slot) {
        const QTreeWidgetItem* node = window->Tree()->NodeByKey(QStringLiteral("SM %1").arg(slot));
        return node->foreground(0).color() ==
               window->Tree()->palette().color(QPalette::Disabled, QPalette::Text);
    }

    QString NodeText(int slot) {
        return window->Tree()->NodeByKey(QStringLiteral("SM %1").arg(slot))->text(0);
    }

    // Add, Delete, and whether the texts can be edited.
    struct State {
        bool addChecked, addEnabled, deleteChecked, deleteEnabled, textsEnabled;
        bool operator==(const State&) const = default;
    };
    State Shown() {
        auto* add = Control<QCheckBox>("chkGEnable");
        auto* del = Control<QCheckBox>("chkGDelete");
        const bool texts = Control<QWidget>("txtGPosi")->isEnabled();
        EXPECT_EQ(Control<QWidget>("txtGMMSI")->isEnabled(), texts);
        EXPECT_EQ(Control<QWidget>("lblTag")->isEnabled(), texts);
        EXPECT_EQ(Control<QWidget>("lblMmsi")->isEnabled(), texts);
        return {add->isChecked(), add->isEnabled(), del->isChecked(), del->isEnabled(), texts};
    }
};

constexpr bool on = true;
constexpr bool off = false;

TEST_F(DirectoryPanels, ListShowsTheSlotsAndOpensOneOnDoubleClickOrEnter) {
    FrmMain& w = OpenActive();
    Use(2);
    session.config.Dir(2).Mmsid.clear();
    ClickNode(QStringLiteral("SM"));
    auto* grid = Control<QTableWidget>("MSFlexGrid2");
    ASSERT_EQ(grid->columnCount(), 4);
    QStringList headers;
    for (int c = 0; c < 4; ++c)
        headers << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, (QStringList{"No.", "ENABLE", "STATION NAME", "MMSI"}));
    ASSERT_EQ(grid->rowCount(), 20);
    const auto row = [&](int r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << grid->item(r, c)->text();
        return cells;
    };
    EXPECT_EQ(row(0), (QStringList{"1", "[Enable]", "SHIP1", "366000001"}));
    EXPECT_EQ(row(1), (QStringList{"2", "[Enable]", "SHIP2", ""}));
    EXPECT_EQ(row(19), (QStringList{"20", "", "", ""}));
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

    const QRect third = grid->visualRect(grid->model()->index(2, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, third.center());  // as a user
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("SM 3"));
    EXPECT_EQ(w.FrontPanel(), w.PanelG());
    EXPECT_EQ(w.FrontPanel()->Title(), QStringLiteral("MemoryID3"));

    ClickNode(QStringLiteral("SM"));
    grid->setFocus(Qt::TabFocusReason);
    grid->setCurrentCell(1, 0);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("SM 4"));
    EXPECT_EQ(w.FrontPanel(), w.PanelG());
}

TEST_F(DirectoryPanels, SlotStatesAndShading) {
    OpenActive();
    Use(3);
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_EQ(Grey(slot), slot > 4) << slot;
    ClickNode(QStringLiteral("SM 2"));
    EXPECT_EQ(Shown(), (State{on, off, off, on, on}));
    EXPECT_EQ(Control<QLineEdit>("txtGPosi")->text(), QStringLiteral("SHIP2"));
    EXPECT_EQ(Control<QLineEdit>("txtGMMSI")->text(), QStringLiteral("366000002"));
    ClickNode(QStringLiteral("SM 4"));  // the only slot that offers Add
    EXPECT_EQ(Shown(), (State{off, on, on, off, off}));
    ClickNode(QStringLiteral("SM 9"));
    EXPECT_EQ(Shown(), (State{off, off, on, off, off}));

    // Texts a locked slot holds are shown (from a file, say) but cannot be edited.
    session.config.Dir(5).TagName = "GHOST";
    ClickNode(QStringLiteral("SM 5"));
    EXPECT_EQ(Control<QLineEdit>("txtGPosi")->text(), QStringLiteral("GHOST"));

    // With every slot used, no slot offers Add and every slot offers Delete.
    Use(20);
    for (int slot : {1, 20}) {
        ClickNode(QStringLiteral("SM %1").arg(slot));
        EXPECT_EQ(Shown(), (State{on, off, off, on, on})) << slot;
        EXPECT_FALSE(Grey(slot));
    }
    // Accessible names are the captions.
    EXPECT_EQ(Control<QWidget>("chkGEnable")->accessibleName(), QStringLiteral("Add"));
    EXPECT_EQ(Control<QWidget>("chkGDelete")->accessibleName(), QStringLiteral("Delete"));
    EXPECT_EQ(Control<QWidget>("txtGPosi")->accessibleName(), QStringLiteral("Station Name"));
    EXPECT_EQ(Control<QWidget>("txtGMMSI")->accessibleName(), QStringLiteral("MMSI"));
}

TEST_F(DirectoryPanels, AddNameAndMmsiThenDeleteTheSecondOfThree) {
    FrmMain& w = OpenActive();
    const char* const names[] = {"harbour 1", "Tug-b", "pilot"};
    const char* const mmsis[] = {"366000001", "", "002470001"};
    for (int slot = 1; slot <= 3; ++slot) {
        ClickNode(QStringLiteral("SM %1").arg(slot));
        auto* add = Control<QCheckBox>("chkGEnable");
        ASSERT_TRUE(add->isEnabled()) << slot;
        ClickCheck(add);
        EXPECT_EQ(Shown(), (State{on, off, off, on, on}));
        auto* name = Control<QLineEdit>("txtGPosi");
        EXPECT_EQ(Focus(), name);  // the name is typed next
        EXPECT_EQ(w.StatusText(1), DirectoryEntryPanel::kStationNameHint);
        QTest::keyClicks(name, names[slot - 1]);
        auto* mmsi = Control<QLineEdit>("txtGMMSI");
        QTest::keyClick(name, Qt::Key_Tab);
        EXPECT_EQ(Focus(), mmsi);
        QTest::keyClicks(mmsi, mmsis[slot - 1]);
        QTest::keyClick(mmsi, Qt::Key_Backtab);
        EXPECT_EQ(NodeText(slot), QStringLiteral("MemoryID%1[Enable]").arg(slot));
    }
    EXPECT_EQ(session.config.Dir(1).TagName, "HARBOUR 1");
    EXPECT_EQ(session.config.Dir(2).TagName, "TUG-B");
    EXPECT_EQ(session.config.Dir(3).Mmsid, "002470001");
    EXPECT_EQ(DirectoryCount(session.config), 3);
    EXPECT_FALSE(Grey(4));
    EXPECT_TRUE(Grey(5));
    EXPECT_TRUE(prompts.shown.empty());

    // No keeps everything.
    ClickNode(QStringLiteral("SM 2"));
    const Configuration before = session.config;
    auto* del = Control<QCheckBox>("chkGDelete");
    prompts.answers = {Prompts::Answer::No};
    ClickCheck(del);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Are you sure ?"));
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("Radio Setup Editor"));
    EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Critical);
    EXPECT_FALSE(del->isChecked());
    EXPECT_TRUE(session.config == before);

    // Yes moves the third entry up; slot 3 becomes the next free one, slot 20 stays empty.
    prompts.answers = {Prompts::Answer::Yes};
    ClickCheck(del);
    const Configuration& c = session.config;
    EXPECT_EQ(c.Dir(1).TagName, "HARBOUR 1");
    EXPECT_EQ(c.Dir(2), (DirectoryEntry{true, "PILOT", "002470001"}));
    EXPECT_EQ(c.Dir(3), (DirectoryEntry{}));
    EXPECT_EQ(c.Dir(20), (DirectoryEntry{}));
    EXPECT_EQ(Control<QLineEdit>("txtGPosi")->text(), QStringLiteral("PILOT"));
    EXPECT_EQ(Shown(), (State{on, off, off, on, on}));
    EXPECT_EQ(NodeText(3), QStringLiteral("MemoryID3"));
    EXPECT_FALSE(Grey(3));
    EXPECT_TRUE(Grey(4));
    EXPECT_FALSE(session.UpdatingControls);

    // Deleting the last used entry leaves its slot as the next free one.
    ClickNode(QStringLiteral("SM 2"));
    ClickCheck(Control<QCheckBox>("chkGDelete"));  // no answer scripted: OK is not Yes
    EXPECT_EQ(DirectoryCount(c), 2);
    prompts.answers = {Prompts::Answer::Yes};
    ClickCheck(Control<QCheckBox>("chkGDelete"));
    EXPECT_EQ(DirectoryCount(c), 1);
    EXPECT_EQ(Shown(), (State{off, on, on, off, off}));
    EXPECT_EQ(Control<QLineEdit>("txtGPosi")->text(), QString());
    EXPECT_EQ(Focus(), Control<QWidget>("chkGEnable"));
}

TEST_F(DirectoryPanels, MmsiIsCheckedAndTheNameIsNeverLost) {
    FrmMain& w = OpenActive();
    Use(1);
    ClickNode(QStringLiteral("SM 1"));
    int transfers = 0;
    w.transferDialog = [&](TransferMode) {
        ++transfers;
        return TransferOutcome{};
    };

    // A name being typed is in the model when a command runs.
    auto* name = Control<QLineEdit>("txtGPosi");
    ClickInto(name);
    EXPECT_EQ(name->selectedText(), QStringLiteral("SHIP1"));
    QTest::keyClicks(name, "coast guard 1");  // ten characters fit
    EXPECT_EQ(name->text(), QStringLiteral("COAST GUAR"));
    Control<QAction>("mnuTransferProgram")->trigger();
    EXPECT_EQ(transfers, 1);
    EXPECT_EQ(session.config.Dir(1).TagName, "COAST GUAR");

    // Eight digits are refused with the directory's caption; the command does not run.
    auto* mmsi = Control<QLineEdit>("txtGMMSI");
    ClickInto(mmsi);
    QTest::keyClicks(mmsi, "36600000");
    Control<QAction>("mnuTransferProgram")->trigger();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Data Error!!"));
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("Indivisual Directory MMSI"));
    EXPECT_EQ(transfers, 1);
    EXPECT_EQ(session.config.Dir(1).Mmsid, "366000001");
    ClickNode(QStringLiteral("SM 2"));  // refused as well: the slot stays
    EXPECT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("SM 1"));
    EXPECT_EQ(Focus(), mmsi);

    // Emptied, it is accepted.
    QTest::keyClick(mmsi, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(mmsi, Qt::Key_Backspace);
    ClickNode(QStringLiteral("SM 2"));
    EXPECT_EQ(session.config.Dir(1).Mmsid, "");
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("SM 2"));
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST_F(DirectoryPanels, LoadingASlotWritesNothing) {
    FrmMain& w = OpenActive();
    Use(2);
    // Texts a file may bring that the fields would not accept from the keyboard.
    session.config.Dir(1).TagName = "lower case";
    session.config.Dir(2).Mmsid = "12AB";
    const Configuration before = session.config;
    for (const char* key : {"SM 1", "SM 2", "SM 3", "SM", "S"})
        ClickNode(QLatin1String(key));
    w.Tree()->RefreshSelection();
    EXPECT_TRUE(session.config == before);
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace rse
