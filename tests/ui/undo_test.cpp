// Undo and redo of the user's steps, many channels changed at once, and the clipboard.
#include <QMenu>
#include <QUndoStack>

#include "files/disk_io.h"
#include "ui/safety_commands.h"
#include "ui_test_support.h"

namespace rse {
namespace {

class Undo : public test::MainWindowTest {
  protected:
    QUndoStack& Stack() { return session.history.Stack(); }
    std::string FileText() { return window->Safety().CurrentText(); }
    QAction* Action(const char* name) { return test::Find<QAction>(window.get(), name); }
};

TEST_F(Undo, EveryStepIsTakenBackToTheStartAndAgainToTheEnd) {
    Open();
    const std::string csv = dir.File("three.csv");
    ASSERT_TRUE(WriteFileAtomic(csv, "Name,MMSI\nbuddy,366000010\nharbour,002320001\n").ok);
    const Configuration fresh = session.config;
    // One user action per row, and the name of the step it makes (none: no step).
    const struct {
        std::string action;
        const char* step;
        std::function<void()> before = {};
    } rows[] = {
        // clang-format off
        {"key cmbFCont Down", "Contrast Level"},
        {"click chkFBeep", "Key Beep"},
        {"type txtFUser 366123456", nullptr},  // typing not yet checked
        {"focus cmbFDim", "User MMSI"},
        {"node PU 3", nullptr},
        {"click chkCEnable", "Enable"},
        {"node PU 4", nullptr},
        {"type txtCTag ab", "Tag Name"},  // one step for the typing
        {"node E 5", nullptr},
        {"key cmbCN Down", "Position"},
        {"node PW", nullptr},
        {"click chkDEnable#0", "WX01[162.550MHz] Enable"},
        {"run mnuFileImportDirectory", "Import Directory", [&] { prompts.path = QString::fromStdString(csv); }},
        {"select MSFlexGrid2 2-2", nullptr},
        {"key MSFlexGrid2 Ctrl+V", "Paste (2 stations)",
         [] { QApplication::clipboard()->setText(QStringLiteral("Name\tMMSI\nx\t366000020\ny\t366000021\n")); }},
        {"key MSFlexGrid2 Ctrl+V", nullptr,  // refused: no step
         [] { QApplication::clipboard()->setText(QStringLiteral("too long a name,1\n")); }},
        {"node PU", nullptr},
        {"select MSFlexGrid1 0-11", nullptr},
        {"key MSFlexGrid1 Ctrl+M", "Scan On (12 channels)"},
        {"node SM 2", nullptr},
        {"click chkGDelete", "Delete", [&] { prompts.answers = {Prompts::Answer::Yes}; }},
        // clang-format on
    };
    std::vector<std::string> texts{FileText()};
    QStringList names;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.action);
        if (row.before) row.before();
        const int count = Stack().count();
        Play({{row.action, [this](Configuration& c) { c = session.config; }}});
        EXPECT_EQ(Stack().count(), count + (row.step ? 1 : 0));
        if (!row.step) continue;
        names << QString::fromLatin1(row.step);
        EXPECT_EQ(Stack().text(Stack().count() - 1), names.back());
        EXPECT_EQ(Action("mnuEditUndo")->text(), "&Undo " + names.back());
        texts.push_back(FileText());
        EXPECT_NE(texts.back(), texts[texts.size() - 2]) << "the step changed nothing";
    }
    ASSERT_EQ(prompts.shown.size(), 2u);  // the refused paste naming its row, and the Delete

    EXPECT_EQ(prompts.shown[0].text.toStdString(),
              "The directory was not changed: the pasted rows cannot be taken.\n\nline 1: the name "
              "has 15 characters; the radio holds at most 10\nline 1: the MMSI has 1 digits; an "
              "MMSI has 9 digits");

    // Back to the start: after each undo the file is the one before that step; the step's node
    // is shown with the focus on its control.
    for (int i = Stack().count() - 1; i >= 0; --i) {
        SCOPED_TRACE(names[i].toStdString());
        QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(FileText(), texts[static_cast<std::size_t>(i)]);
        EXPECT_EQ(window->StatusText(StatusPanel::KeyHint), "Undone: " + names[i]);
    }
    EXPECT_TRUE(session.config == fresh);
    EXPECT_FALSE(Action("mnuEditUndo")->isEnabled());
    EXPECT_EQ(Action("mnuEditUndo")->text(), "&Undo");
    Expect("selected S; focus cmbFCont");
    EXPECT_EQ(Action("mnuEditRedo")->text(), "&Redo Contrast Level");

    // And to the end again, by both redo keys.
    for (int i = 0; i < Stack().count(); ++i) {
        SCOPED_TRACE(names[i].toStdString());
        QTest::keyClick(Focus(), i % 2 ? Qt::Key_Y : Qt::Key_Z,
                        i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(FileText(), texts[static_cast<std::size_t>(i) + 1]);
        EXPECT_EQ(window->StatusText(StatusPanel::KeyHint), "Redone: " + names[i]);
    }
    Expect("selected SM 2; node PU 3=CH06");  // the tree follows

    // Save keeps the history; New starts a new one.
    prompts.path = QString::fromStdString(dir.File("saved.dat"));
    Action("mnuFileSaveAs")->trigger();
    EXPECT_EQ(Stack().count(), names.size());
    Action("mnuFileNew")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(Stack().count(), 0, 10000);
    EXPECT_FALSE(Action("mnuEditUndo")->isEnabled());
    EXPECT_FALSE(Action("mnuEditRedo")->isEnabled());
}

TEST_F(Undo, UnacceptedTypingKeepsItsOwnUndoAndIsNeverStored) {
    Open();
    // Ctrl+Z in the field takes back its own typing; the history has no step.
    const Configuration start = session.config;
    Play({{"type txtFUser 36612", {}, "text txtFUser=36612"}, {"key txtFUser Ctrl+Z"}});
    EXPECT_EQ(Stack().count(), 0);
    EXPECT_NE(test::MainWindowTest::Text(W("txtFUser")), "36612");

    // A step, then an invalid number typed and the menu's Undo: no message, nothing invalid.
    Play({{"click chkFBeep", [](Configuration& c) { c.SETCOM.KeyBeep = !c.SETCOM.KeyBeep; }},
          {"type txtFUser 12345"}});
    Action("mnuEditUndo")->trigger();
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(session.config == start);
    Play({{"focus cmbFDim", {}, "text txtFUser=; messages 0"}});

    // The Model submenu stays off.
    EXPECT_FALSE(test::Find<QMenu>(window.get(), "mnuEditModel")->isEnabled());
    EXPECT_TRUE(test::Find<QMenu>(window.get(), "mnuEdit")->isEnabled());
}

// The rules of each bank and row are list_edits_test's ChannelBatch table (through the channel
// panel's own rule); here the list applies them, says so and shows the result.
TEST_F(Undo, ManyChannelsAreChangedAtOnceAndTheListSaysHowMany) {
    Open();
    std::vector<ChannelRecord>& usa = session.config.CHUSA;
    usa[0].Enable = false;     // left alone
    usa[1].ScanMemory = true;  // already so
    usa[2].ScanMemory = usa[3].ScanMemory = false;
    Play({{"node PU"}, {"key MSFlexGrid1 Ctrl+A"}});
    EXPECT_EQ(window->FrontPanel()->StatusNote().text,
              QStringLiteral("%1 channels selected").arg(usa.size()));
    Play({{"select MSFlexGrid1 0-3"},
          {"key MSFlexGrid1 Ctrl+M",
           [](Configuration& c) { c.CHUSA[2].ScanMemory = c.CHUSA[3].ScanMemory = true; },
           "row MSFlexGrid1 3=06|[Enable]|156.300|156.300|TX|---|--|---|MEM|SAFETY"}});
    EXPECT_EQ(window->StatusText(StatusPanel::KeyHint),
              "Scan On: 2 channels changed, 1 already so, 1 left alone (Scan Memory needs an "
              "enabled channel and is never set on channel 70)");
    EXPECT_EQ(Stack().text(Stack().count() - 1), "Scan On (4 channels)");
    // Enter still opens the one channel under the cursor.
    Play({{"enter MSFlexGrid1 4", {}, "selected PU 4; panel pictC"}});
}

TEST_F(Undo, CopiedRowsAreASpreadsheetsTableAndPasteBack) {
    Open();
    session.config.Dir(1) = {true, "HARBOUR", "002320001"};
    session.config.Dir(2) = {true, "BUDDY", "366000010"};
    Play({{"node SM"}, {"select MSFlexGrid2 0-1"}, {"key MSFlexGrid2 Ctrl+C"}});
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("No.\tENABLE\tSTATION NAME\tMMSI\n1\t[Enable]\tHARBOUR\t002320001\n"
                             "2\t[Enable]\tBUDDY\t366000010\n"));
    // The context menu opens from the keyboard too, with the list's actions.
    for (const char* keys : {"Shift+F10", "Menu"}) {
        QStringList shown;
        QTimer::singleShot(50, [&shown] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* a : menu ? menu->actions() : QList<QAction*>())
                shown << a->text() + QLatin1Char('=') + a->shortcut().toString();
            if (menu) menu->close();
        });
        Play({{std::string("key MSFlexGrid2 ") + keys}});
        EXPECT_EQ(shown.join(QLatin1Char('|')), "&Copy=Ctrl+C|&Paste=Ctrl+V");
    }
    Play({{"node PU"}, {"select MSFlexGrid1 0-1"}, {"key MSFlexGrid1 Ctrl+C"}});
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("CH\tENABLE\tRX[MHz]\tTX[MHz]\tTX\tLOW\tUP\tDUP\tMEM\tTAG\n"
                             "01A\t[Enable]\t156.050\t156.050\tTX\t---\t--\t---\t---\tVTS\n"
                             "03A\t[Enable]\t156.150\t156.150\tTX\t---\t--\t---\t---\t\n"));
    // The directory's copy pastes back: list_edits_test's DirectoryPaste table.
}

}  // namespace
}  // namespace rse
