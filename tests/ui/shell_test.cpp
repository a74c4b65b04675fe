// Settings store, error log and its folder, port names, command-line switches.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/switches.h"
#include "qt/data_folder.h"
#include "qt/error_log.h"
#include "qt/serial_link.h"
#include "ui_test_support.h"

namespace rse {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ClearSettings(); }
    void TearDown() override { test::ClearSettings(); }
};

TEST_F(SettingsStoreTest, DevicePathsDefaultAndStored) {
    SettingsStore s;
    EXPECT_EQ(s.DevicePath(1), "/dev/ttyUSB0");
    EXPECT_EQ(s.DevicePath(4), "/dev/ttyUSB3");
    EXPECT_EQ(s.DevicePath(0), QString());
    EXPECT_EQ(s.DevicePath(5), QString());

    s.StoreDevicePath(2, QStringLiteral("  /dev/serial/by-id/usb-FTDI_cable-if00-port0 "));
    EXPECT_EQ(SettingsStore().DevicePath(2), "/dev/serial/by-id/usb-FTDI_cable-if00-port0");
    s.StoreDevicePath(2, QString());  // back to the default
    EXPECT_EQ(SettingsStore().DevicePath(2), "/dev/ttyUSB1");
    // A session's override (RSE_COMn): SerialPort.StoredNumberTicksItsEntryAndAChoiceIsStored.
}

TEST(SettingsStorePortPath, ComNamesMapToUsbAdaptersOthersAreTakenAsTheyStand) {
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyUSB0"}, {"com4", "/dev/ttyUSB3"},    {" COM3\t", "/dev/ttyUSB2"},
        {"COM0", "COM0"},         {"COM12", "COM12"},          {"CON1", "CON1"},
        {"COM5", "COM5"},         {"/dev/pts/7", "/dev/pts/7"}};
    for (const auto& [name, path] : cases)
        EXPECT_EQ(PortPathFor(QLatin1String(name)), QLatin1String(path)) << name;
}

TEST(ErrorLog, OneLinePerEntryOnlyInDebugModeAndFailuresAreSilent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EditorSession session;
    session.errorLog.SetFolder(dir.path());
    session.WriteErrorLog(QStringLiteral("frmMain.SaveFileAs"), QStringLiteral("1x"));
    EXPECT_FALSE(QFile::exists(session.errorLog.FilePath()));
    session.DebugMode = true;
    session.WriteErrorLog(QStringLiteral("frmMain.SaveFileAs"), QStringLiteral("75Path/File"));
    session.WriteErrorLog(QStringLiteral("frmRadio.ReadData"), QStringLiteral("8020Error"));
    QFile file(session.errorLog.FilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3);  // two lines and the end after the last
    EXPECT_TRUE(lines[0].endsWith(":frmMain.SaveFileAs -> 75Path/File"));
    EXPECT_TRUE(lines[1].endsWith(":frmRadio.ReadData -> 8020Error"));
    EXPECT_EQ(ErrorLog::FormatLine("12/6/26", "7:24:00", "frmMain.FileRead2", "53x"),
              "12/6/26,7:24:00:frmMain.FileRead2 -> 53x");

    // A folder that cannot be created (below a plain file): nothing written, no failure.
    const ErrorLog bad(QDir(dir.path()).filePath(QStringLiteral("err.log/sub")));
    bad.Append(QStringLiteral("p"), QStringLiteral("m"));
    EXPECT_FALSE(QFile::exists(bad.FilePath()));
}

TEST(ErrorLog, FilesBesideTheProgramOnlyInItsBuildFolder) {
    QTemporaryDir installed;
    QTemporaryDir built;
    ASSERT_TRUE(installed.isValid() && built.isValid());
    QFile marker(QDir(built.path()).filePath(QLatin1String(kBuildFolderMarker)));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    const QString user =
        QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath(QStringLiteral("rse"));
    EXPECT_EQ(EditorDataFolder(installed.path()), user);
    EXPECT_EQ(EditorDataFolder(built.path()), built.path());
    // The tests run from a folder without the marker, as an installed program does.
    EXPECT_EQ(ErrorLog::DefaultFolder(), user);
}

TEST(Switches, WholeLineAnyCaseOneSwitchOnly) {
    struct Case {
        const char* line;
        bool debug;
        bool skip;
    };
    const Case cases[] = {
        {"  /de  ", true, true}, {"/DE", true, true},       {"/d", true, false},
        {"/D", true, false},     {"/cd", true, false},      {"/Dc", true, false},
        {"/C", false, false},    {"/c", false, false},      {"", false, false},
        {"/D /C", false, false}, {"/DX", false, false},     {"D", false, false},
        {"/ D", false, false},   {"/DE /DE", false, false}, {"-d", false, false},
    };
    for (const Case& c : cases) {
        const Switches s = ParseSwitches(c.line);
        EXPECT_EQ(s.DebugMode, c.debug) << '"' << c.line << '"';
        EXPECT_EQ(s.SkipReceive, c.skip) << '"' << c.line << '"';
    }
}

TEST(Switches, OnlyAnExistingDatFileIsOpenedAtStart) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string d = QFile::encodeName(dir.path()).toStdString();
    for (const char* name : {"boat.dat", "BOAT2.DAT", "my boat.dat", "notes.txt", "x.dat.bak"}) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.dat")));
    const struct {
        std::string line;
        bool opened;
    } cases[] = {
        {d + "/boat.dat", true},
        {d + "/BOAT2.DAT", true},
        {CommandLineOf({d + "/my", "boat.dat"}), true},  // a name with a blank, unquoted
        {d + "/notes.txt", false},
        {d + "/x.dat.bak", false},
        {d + "/folder.dat", false},
        {d + "/gone.dat", false},
        {" " + d + "/boat.dat", false},
        {"/D", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileToOpen(c.line), c.opened ? c.line : std::string()) << c.line;
    }
}

}  // namespace
}  // namespace rse
