// File > Import Directory, Export Directory and Export Channels, and the kind of the MMSI the
// directory panels and the user MMSI field show in the status bar.
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include "files/channel_export.h"
#include "files/directory_exchange.h"
#include "files/disk_io.h"
#include "ui/panels/directory_list_panel.h"
#include "ui_test_support.h"

namespace rse {
namespace {

class ExchangeCommandsTest : public test::MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        session.errorLog.SetFolder(dir.path());
    }
    QString Write(const QString& name, const std::string& text) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteFileAtomic(QFile::encodeName(path).toStdString(), text).ok);
        return path;
    }
    std::string Read(const QString& name) {
        return test::ReadText(dir.filePath(name).toStdString());
    }
    QString GridName(int row) {
        return test::Find<QTableWidget>(window.get(), "MSFlexGrid2")->item(row, 2)->text();
    }

    QTemporaryDir dir;
};

TEST_F(ExchangeCommandsTest, RefusedRowsChangeNothingAndAnAcceptedTableShowsTheDirectory) {
    FrmMain& w = Open();
    session.config.Dir(1) = {true, "OLD", "366000001"};
    session.config.Dir(2) = {true, "OLDER", "366000002"};
    w.Tree()->RetitleNodes();
    const Configuration before = session.config;

    prompts.path = Write(QStringLiteral("bad.csv"),
                         "Name;MMSI\r\nGOOD;366000010\r\nTOO LONG NAME;366000011\r\n");
    w.findChild<QAction*>(QStringLiteral("mnuFileImportDirectory"))->trigger();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text.toStdString(),
              "The directory was not changed: bad.csv has rows that cannot be taken.\n\n"
              "line 3: the name has 13 characters; the radio holds at most 10");
    EXPECT_EQ(prompts.shown[0].icon, test::ScriptedPrompts::Icon::Exclamation);
    EXPECT_EQ(session.config, before);
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("CSV files(*.csv);;All files(*.*)"));

    prompts.path = Write(QStringLiteral("good.csv"),
                         "MMSI,Name\n366 000 010,buddy\n\n002320001,harbour\n"
                         "970123456,sart test\n");
    w.findChild<QAction*>(QStringLiteral("mnuFileImportDirectory"))->trigger();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text.toStdString(),
              "The directory holds the 3 stations of good.csv.\n\nWarnings:\n"
              "line 5: MMSI 970123456 cannot be called by DSC: AIS-SART");
    Configuration expected = before;
    ReplaceDirectory(expected, {{true, "BUDDY", "366000010"},
                                {true, "HARBOUR", "002320001"},
                                {true, "SART TEST", "970123456"}});
    EXPECT_EQ(session.config, expected);
    EXPECT_EQ(w.Tree()->SelectedKey(), QStringLiteral("SM"));
    EXPECT_EQ(w.FrontPanel()->objectName(), QStringLiteral("pictE"));
    EXPECT_EQ(GridName(1), QStringLiteral("HARBOUR"));
    EXPECT_EQ(GridName(3), QString());
}

TEST_F(ExchangeCommandsTest, StatusBarNamesTheMmsiKindAndExportsWriteTheTables) {
    FrmMain& w = Open();
    session.config.Dir(1) = {true, "HARBOUR", "002320001"};
    session.config.Dir(2) = {true, "SART", "970123456"};
    w.Tree()->RetitleNodes();
    // The whole note (the panel shows what fits beside the key hint).
    const auto note = [&] { return test::Find<QLabel>(&w, "sbStatusBarPanel2")->toolTip(); };

    for (const auto& [node, text] :
         {std::pair{"SM 1", "Coast station, MID 232 (United Kingdom)"},
          std::pair{"SM 2", "Warning: cannot be called by DSC - AIS-SART"}}) {
        ClickNode(QLatin1String(node));
        EXPECT_EQ(note(), QLatin1String(text));
    }
    // Typed: the note follows the field.
    auto* mmsi = test::Find<QLineEdit>(&w, "txtGMMSI");
    UserClick(mmsi);
    QTest::keyClick(mmsi, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(mmsi, "36612345");
    EXPECT_EQ(note(), QString());
    QTest::keyClicks(mmsi, "6");
    EXPECT_EQ(note(), QStringLiteral("Ship, MID 366 (United States)"));
    ClickNode(QStringLiteral("SM"));  // the list: the note of the current row
    test::Find<QTableWidget>(window.get(), "MSFlexGrid2")->setCurrentCell(0, 1);
    EXPECT_EQ(note(), QStringLiteral("Coast station, MID 232 (United Kingdom)"));
    ClickNode(QStringLiteral("S"));
    EXPECT_EQ(note(), QString());
    auto* user = test::Find<QLineEdit>(&w, "txtFUser");
    UserClick(user);
    QTest::keyClicks(user, "002320001");
    EXPECT_EQ(note(), QStringLiteral(
                          "Warning: not a ship's MMSI - Coast station, MID 232 (United Kingdom)"));
    ClickNode(QStringLiteral("PU"));
    EXPECT_EQ(note(), QString());

    // Exports: the tables of the core, a name without extension gets ".csv".
    prompts.path = dir.filePath(QStringLiteral("stations"));
    w.findChild<QAction*>(QStringLiteral("mnuFileExportDirectory"))->trigger();
    EXPECT_EQ(Read(QStringLiteral("stations.csv")), DirectoryCsv(session.config));
    prompts.path = dir.filePath(QStringLiteral("channels.csv"));
    w.findChild<QAction*>(QStringLiteral("mnuFileExportChannels"))->trigger();
    EXPECT_EQ(Read(QStringLiteral("channels.csv")), ChannelListCsv(session.config));
    EXPECT_TRUE(prompts.shown.empty());
    prompts.path = dir.filePath(QStringLiteral("folder.csv"));  // a folder cannot be written
    ASSERT_TRUE(QDir().mkdir(prompts.path));
    w.findChild<QAction*>(QStringLiteral("mnuFileExportChannels"))->trigger();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileSave Error!!"));
}

}  // namespace
}  // namespace rse
