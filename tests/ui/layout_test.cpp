// Pure functions of the shell: switches.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/switches.h"
#include "image/codec.h"

namespace rse {
namespace {

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

TEST(Switches, ArgumentsFormOneCommandLine) {
    EXPECT_EQ(CommandLineOf({}), "");
    EXPECT_EQ(CommandLineOf({"/D", "/C"}), "/D /C");
    EXPECT_FALSE(ParseSwitches(CommandLineOf({"/D", "/C"})).DebugMode);
    EXPECT_TRUE(ParseSwitches(CommandLineOf({" /de "})).SkipReceive);
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
