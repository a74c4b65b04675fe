// Kept edits, the Backups window and the Compare With window of the editor.
#include <QPushButton>

#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "qt/backups.h"
#include "ui/dialogs/backups_window.h"
#include "ui/dialogs/compare_window.h"
#include "ui/widgets/difference_table.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

class Backups : public MainWindowTest {
  protected:
    std::vector<BackupEntry> Kept() const { return DefaultBackupStore().List(); }
};

TEST_F(Backups, EditsAreKeptBeforeNewAndExitButNothingElse) {
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
    EXPECT_NE(ReadText(Kept()[0].path).find("ChTag=#EDITED\r\n"), std::string::npos);
    EXPECT_NE(session.config.CHUSA[16].ChTag, "EDITED");

    // Saving makes the configuration the one to compare with.
    session.config.SETCOM.Contrast = 2;
    prompts.path = QString::fromStdString(dir.File("boat.dat"));
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

TEST_F(Backups, CompareWithShowsTheDifferencesAndTheirNodes) {
    FrmMain& w = Open();
    Configuration other = session.config;
    other.SETCOM.Contrast = 2;
    other.CHUSA[16].ChTag = "OTHER";
    const QString path = QString::fromStdString(dir.File("other.dat"));
    ASSERT_TRUE(SaveFileAs(path.toStdString(), other).ok);
    prompts.path = path;
    Find<QAction>(&w, "mnuFileCompare")->trigger();
    auto* compare = w.findChild<CompareWindow*>();
    ASSERT_NE(compare, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(compare));
    DifferenceTable* table = compare->Table();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Setting \u2014 Contrast Level"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("4"));
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("2"));
    const QString usa =
        w.Tree()->NodeByKey(TreeKey("PU 16"))->text(0).section(QLatin1Char('['), 0, 0);
    EXPECT_EQ(table->item(1, 0)->text(),
              QStringLiteral("USA channel %1 \u2014 Tag Name").arg(usa.mid(2)));
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("OTHER"));
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), QStringLiteral("other.dat"));

    // Selecting a row shows its node.
    for (const auto& [row, key] : {std::pair{1, "PU 16"}, std::pair{0, "S"}}) {
        const QRect cell = table->visualItemRect(table->item(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(w.Tree()->SelectedKey(), TreeKey(QLatin1String(key)));
    }
    compare->close();
}

TEST_F(Backups, BackupsWindowOpensComparesAndDeletes) {
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
    EXPECT_EQ(backups->List()->topLevelItem(0)->text(2), QStringLiteral("read from /dev/ttyUSB0"));

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
