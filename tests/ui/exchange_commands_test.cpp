// File > Import Directory, Export Directory and Export Channels, and the kind of the MMSI the
// directory panels and the user MMSI field show in the status bar.
#include <QDir>
#include <QLabel>

#include "files/channel_export.h"
#include "files/directory_exchange.h"
#include "files/disk_io.h"
#include "ui/panels/directory_list_panel.h"
#include "ui_test_support.h"

namespace rse {
namespace {

class ExchangeCommandsTest : public test::MainWindowTest {
  protected:
    QString Write(const char* name, const std::string& text) {
        EXPECT_TRUE(WriteFileAtomic(dir.File(name), text).ok);
        return Path(name);
    }
    QString Path(const char* name) const { return QString::fromStdString(dir.File(name)); }
};

TEST_F(ExchangeCommandsTest, RefusedRowsChangeNothingAndAnAcceptedTableShowsTheDirectory) {
    Open();
    session.config.Dir(1) = {true, "OLD", "366000001"};
    session.config.Dir(2) = {true, "OLDER", "366000002"};
    prompts.path = Write("bad.csv", "Name;MMSI\r\nGOOD;366000010\r\nTOO LONG NAME;366000011\r\n");
    Play({{"run mnuFileImportDirectory", {}, "messages 1"}});  // and the model as it was
    EXPECT_EQ(prompts.shown[0].text.toStdString(),
              "The directory was not changed: bad.csv has rows that cannot be taken.\n\n"
              "line 3: the name has 13 characters; the radio holds at most 10");
    EXPECT_EQ(prompts.shown[0].icon, test::ScriptedPrompts::Icon::Exclamation);
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("CSV files(*.csv);;All files(*.*)"));

    prompts.path = Write("good.csv",
                         "MMSI,Name\n366 000 010,buddy\n\n002320001,harbour\n"
                         "970123456,sart test\n");
    Play({{"run mnuFileImportDirectory",
           [](Configuration& c) {
               ReplaceDirectory(c, {{true, "BUDDY", "366000010"},
                                    {true, "HARBOUR", "002320001"},
                                    {true, "SART TEST", "970123456"}});
           },
           "message The directory holds the 3 stations of good.csv.\n\nWarnings:\n"
           "line 5: MMSI 970123456 cannot be called by DSC: AIS-SART|Radio Setup Editor; "
           "selected SM; panel pictE; row MSFlexGrid2 1=2|[Enable]|HARBOUR|002320001; "
           "row MSFlexGrid2 3=4|||"}});
}

TEST_F(ExchangeCommandsTest, StatusBarNamesTheMmsiKindAndExportsWriteTheTables) {
    Open();
    session.config.Dir(1) = {true, "HARBOUR", "002320001"};
    session.config.Dir(2) = {true, "SART", "970123456"};
    Play({
        {"node SM 1", {}, "note Coast station, MID 232 (United Kingdom)"},
        {"node SM 2", {}, "note Warning: cannot be called by DSC - AIS-SART"},
        {"type txtGMMSI 36612345", {}, "note"},  // typed: the note follows the field
        {"type txtGMMSI 6", {}, "note Ship, MID 366 (United States)"},
        // The list: the note of the current row.
        {"node SM", [](Configuration& c) { c.Dir(2).Mmsid = "366123456"; }, "note"},
        {"focus MSFlexGrid2", {}, "note Coast station, MID 232 (United Kingdom)"},
        {"key MSFlexGrid2 Down", {}, "note Ship, MID 366 (United States)"},
        {"node S", {}, "note"},
        {"type txtFUser 002320001"},
    });
    // The warning names the kind (a text with a semicolon, so checked here).
    EXPECT_EQ(test::Find<QLabel>(window.get(), "sbStatusBarPanel2")->toolTip(),
              "Warning: This is a coast station MMSI; a radio's own MMSI is a ship station's - "
              "Coast station, MID 232 (United Kingdom)");
    Play({{"node PU", [](Configuration& c) { c.SETCOM.UserMmsid = "002320001"; }, "note"}});
    // ATIS on without a number: 9 and the MMSI suggested, never filled in; a number that does
    // not start with 9 warned about.
    session.config.SETCOM.UserMmsid = "366123456";
    session.config.SETCOM.AtisOnOff = true;
    Play({
        {"node S", {}, "note ATIS No. suggested: 9366123456 (9 followed by the user MMSI)"},
        {"type txtFATISNo 1234567890",
         {},
         "note Warning: An ATIS number has ten digits and starts with 9"},
        {"node PU", [](Configuration& c) { c.SETCOM.AtisNo = "1234567890"; }},
    });

    // Exports: the tables of the core, a name without extension gets ".csv".
    prompts.path = Path("stations");
    Play({{"run mnuFileExportDirectory"}});
    EXPECT_EQ(test::ReadText(dir.File("stations.csv")), DirectoryCsv(session.config));
    prompts.path = Path("channels.csv");
    Play({{"run mnuFileExportChannels", {}, "messages 0"}});
    EXPECT_EQ(test::ReadText(dir.File("channels.csv")), ChannelListCsv(session.config));
    prompts.path = Path("folder.csv");  // a folder cannot be written
    ASSERT_TRUE(QDir().mkdir(prompts.path));
    Play({{"run mnuFileExportChannels"}});
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("FileSave Error!!"));
}

}  // namespace
}  // namespace rse
