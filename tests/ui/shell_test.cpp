// Settings store and error log.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qt/data_folder.h"
#include "qt/error_log.h"
#include "qt/settings_store.h"
#include "ui/editor_session.h"
#include "ui/file_commands.h"
#include "ui_test_support.h"

namespace rse {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ClearSettings(); }
    void TearDown() override {
        qunsetenv("RSE_COM2");
        test::ClearSettings();
    }
    static void Put(const QString& key, const QString& value) {
        SettingsStore s;
        s.Settings().setValue(key, value);
        s.Settings().sync();
    }
};

TEST_F(SettingsStoreTest, ComNumFromTheStoreWithSoundFallbacks) {
    EXPECT_EQ(SettingsStore().ReadComNum(), 1);  // absent
    const struct {
        const char* stored;
        int expected;
    } cases[] = {{"3", 3}, {"7", 7}, {"-2", -2}, {"abc", 1}, {"", 1}, {"70000", 1}, {"2.5", 1}};
    for (const auto& c : cases) {
        Put(QStringLiteral("ComPath/ComNum"), QLatin1String(c.stored));
        EXPECT_EQ(SettingsStore().ReadComNum(), c.expected) << c.stored;
    }
}

TEST_F(SettingsStoreTest, WritesTheSpecifiedSectionsAndKeys) {
    {
        SettingsStore s;
        s.StoreComNum(4);
        s.StoreGeometry(1500, 750.5f, 9105, 6660);
    }
    // Read back as a plain settings file, as any other reader of the store would.
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("rse"),
                  QStringLiteral("rse"));
    EXPECT_EQ(raw.value(QStringLiteral("ComPath/ComNum")).toString(), QStringLiteral("4"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainLeft")).toString(), QStringLiteral("1500"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainTop")).toString(), QStringLiteral("750.5"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("9105"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainHeight")).toString(), QStringLiteral("6660"));
    EXPECT_TRUE(raw.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

TEST_F(SettingsStoreTest, DevicePathsDefaultStoreAndSessionOverride) {
    SettingsStore s;
    EXPECT_EQ(s.DevicePath(1), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(s.DevicePath(4), QStringLiteral("/dev/ttyUSB3"));
    EXPECT_EQ(s.DevicePath(0), QString());
    EXPECT_EQ(s.DevicePath(5), QString());

    s.StoreDevicePath(2, QStringLiteral("  /dev/serial/by-id/usb-FTDI_cable-if00-port0 "));
    EXPECT_EQ(SettingsStore().DevicePath(2),
              QStringLiteral("/dev/serial/by-id/usb-FTDI_cable-if00-port0"));
    s.StoreDevicePath(2, QString());  // back to the default
    EXPECT_EQ(SettingsStore().DevicePath(2), QStringLiteral("/dev/ttyUSB1"));

    qputenv("RSE_COM2", "/tmp/virtual-radio");
    EXPECT_TRUE(SettingsStore::DeviceOverridden(2));
    EXPECT_FALSE(SettingsStore::DeviceOverridden(1));
    EXPECT_EQ(s.DevicePath(2), QStringLiteral("/tmp/virtual-radio"));
    EXPECT_FALSE(s.Settings().contains(QStringLiteral("ComPath/COM2")));  // never stored
}

TEST(ErrorLog, AppendsOneFormattedLinePerEntry) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ErrorLog log(dir.path());
    log.Append(QStringLiteral("frmMain.SaveFileAs"), QStringLiteral("75Path/File access error"));
    log.Append(QStringLiteral("frmRadio.ReadData"), QStringLiteral("8020Error reading"));
    QFile file(QDir(dir.path()).filePath(QStringLiteral("err.log")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3);  // two lines and the end after the last
    EXPECT_TRUE(lines[0].endsWith(":frmMain.SaveFileAs -> 75Path/File access error"));
    EXPECT_TRUE(lines[1].endsWith(":frmRadio.ReadData -> 8020Error reading"));
    EXPECT_TRUE(lines[0].contains(','));
    EXPECT_EQ(ErrorLog::FormatLine(QStringLiteral("12/6/26"), QStringLiteral("7:24:00"),
                                   QStringLiteral("frmMain.FileRead2"), QStringLiteral("53x")),
              QStringLiteral("12/6/26,7:24:00:frmMain.FileRead2 -> 53x"));
}

TEST(ErrorLog, OnlyInDebugModeAndFailuresAreSilent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EditorSession session;
    session.errorLog.SetFolder(dir.path());
    session.WriteErrorLog(QStringLiteral("frmMain.SaveFileAs"), QStringLiteral("1x"));
    EXPECT_FALSE(QFile::exists(session.errorLog.FilePath()));
    session.DebugMode = true;
    session.WriteErrorLog(QStringLiteral("frmMain.SaveFileAs"), QStringLiteral("1x"));
    EXPECT_TRUE(QFile::exists(session.errorLog.FilePath()));

    // A folder that cannot be created (below a plain file): nothing written, no failure.
    QFile blocker(QDir(dir.path()).filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ErrorLog bad(QDir(dir.path()).filePath(QStringLiteral("file/sub")));
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
    EXPECT_EQ(QFileInfo(FileCommands::DefaultFilePath()).absolutePath(), user);
}

}  // namespace
}  // namespace rse
