#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <random>

#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/ini_reader.h"
#include "support.h"

namespace rse {
namespace {

using test::NewDocument;

std::size_t CountLines(const std::string& text) {
    std::size_t n = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
        ++n;
    return n;
}

Configuration Read(const std::string& text) {
    Configuration c = NewDocument().config;
    ApplyConfigText(text, c);
    return c;
}

TEST(ConfigFile, NewConfigurationFileStartsAsDocumented) {
    const std::string expected =
        "[MAIN]\r\nMODEL=#QM24 VH3400M\r\nTYPE=#RSE\r\nVERSION=#1.00\r\nMODELTYPE=0\r\n"
        "[SETCOM]\r\nContrast=4\r\nDimmer=0\r\nKeyBeep=1\r\nAtisOnOff=0\r\nAtisNo=#\r\n"
        "ScanType=0\r\nInd=0\r\nIndReply=1\r\nIndACK=1\r\nPOSRR=1\r\nDscScan=1\r\nWxAlert=1\r\n"
        "OffsetTime=-12\r\nUserMmsid=#\r\n"
        "[CHUSA0]\r\nPosition=1\r\nEnable=1\r\nLowPower=0\r\nPowUp=0\r\nDuplex=0\r\nTxEnable=1\r\n"
        "DispayA=1\r\nScanMemory=0\r\nVsMemory=0\r\nChTag=#VTS\r\n[CHUSA1]\r\n";
    const std::string file = ComposeConfigFile(NewDocument().config);
    EXPECT_EQ(file.substr(0, expected.size()), expected);
    // 20 + 11 lines per plan/EXP channel + 4 per WX channel + 4 per directory entry.
    EXPECT_EQ(CountLines(file), 20u + 11u * (55 + 55 + 56 + 20) + 4u * 10 + 4u * 20);
    EXPECT_NE(file.find("[CHWX9]\r\nEnable=1\r\nScanMemory=0\r\nChTag=#163.275MHZ\r\n[CHEXP1]\r\n"),
              std::string::npos);
    EXPECT_TRUE(file.ends_with("[CHMMSID20]\r\nEnable=0\r\nTagName=#\r\nMmsid=\r\n"));

    const std::string def = ComposeDefaultFile(NewDocument().config.SETCOM);
    EXPECT_EQ(CountLines(def), 20u);
    EXPECT_EQ(def, expected.substr(0, expected.find("[CHUSA0]")));
}

TEST(ConfigFile, WrittenFilesReadBackUnchanged) {
    const Configuration fresh = NewDocument().config;
    EXPECT_EQ(Read(ComposeConfigFile(fresh)), fresh);

    std::mt19937 rng(4242);
    for (int round = 0; round < 100; ++round) {
        Configuration c = test::RandomConfiguration(rng);
        // Fields only the file holds.
        for (ChannelRecord& r : c.CHUSA) {
            r.LowPower = rng() & 1;
            r.PowUp = rng() & 1;
            r.Duplex = rng() & 1;
            r.TxEnable = rng() & 1;
            r.VsMemory = rng() & 1;
        }
        c.SETCOM.Contrast = static_cast<std::int16_t>(-5 + static_cast<int>(rng() % 300));
        ASSERT_EQ(Read(ComposeConfigFile(c)), c) << round;
    }
}

TEST(ConfigFile, ReaderConvertsValuesAsDocumented) {
    auto setcom = [](const std::string& lines) { return Read("[SETCOM]\r\n" + lines).SETCOM; };
    EXPECT_EQ(setcom("OffsetTime=0").OffsetTime, 24);
    EXPECT_EQ(setcom("OffsetTime=-24").OffsetTime, 0);
    EXPECT_EQ(setcom("OffsetTime=-11.5").OffsetTime, 12);  // 12.5 rounds to even
    EXPECT_EQ(setcom("OffsetTime=-10.5").OffsetTime, 14);  // 13.5 rounds to even

    // Over a key beep that is off: the texts that turn it on, and those that do not.
    const std::vector<std::string> turnOn{"-1", "5", "0.4", "True", "tRUE"},
        stayOff{"", "yes", "<NONE>", "1x", "--1"};
    for (const bool on : {true, false}) {
        for (const std::string& v : on ? turnOn : stayOff) {
            Configuration c = NewDocument().config;
            c.SETCOM.KeyBeep = false;
            ApplyConfigText("[SETCOM]\nKeyBeep=" + v, c);
            EXPECT_EQ(c.SETCOM.KeyBeep, on) << v;
        }
    }
    EXPECT_FALSE(setcom("KeyBeep=FALSE").KeyBeep);
    EXPECT_FALSE(setcom("KeyBeep=0.0").KeyBeep);
    // A text that is neither a number nor True or False is refused as it stands.
    for (const char* v : {"", "yes", "1x", "truE1"}) {
        bool flag = true;
        EXPECT_FALSE(ParseFlag(v, flag)) << v;
        EXPECT_TRUE(flag) << v;
    }

    std::int16_t v = 99;
    // Halves round to even, anything above a half up; signs, leading zeros, a trailing point.
    // clang-format off
    for (auto [text, value] : {std::pair{"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"-0.5", 0},
                               {"2.50001", 3}, {"2.51", 3}, {"-2.51", -3}, {"1.49", 1},
                               {"+7", 7}, {"007.", 7}, {"-32768.4", -32768}, {"32767", 32767}}) {
        // clang-format on
        EXPECT_TRUE(ParseInteger(text, v)) << text;
        EXPECT_EQ(v, value) << text;
    }
    v = 5;
    for (const char* bad :
         {"32767.5", "-32769", "99999999999999999999", "1e3", "", ".", "-", "0x10", "1 2", "12a"}) {
        EXPECT_FALSE(ParseInteger(bad, v)) << bad;
        EXPECT_EQ(v, 5) << bad;
    }
}

TEST(ConfigFile, MissingKeysKeepNumbersAndEmptyTexts) {
    Configuration c = NewDocument().config;
    c.SETCOM.Contrast = 6;
    c.SETCOM.AtisNo = "1234567890";
    c.Dir(7) = {true, "SEVEN", "777777777"};
    c.Dir(8) = {true, "EIGHT", "888888888"};
    c.CHUSA[3].ChTag = "KEEP?";
    ApplyConfigText("[SETCOM]\r\nDimmer=2\r\n[CHMMSID8]\r\nEnable=0\r\n", c);
    EXPECT_EQ(c.SETCOM.Contrast, 6);
    EXPECT_EQ(c.SETCOM.Dimmer, 2);
    EXPECT_EQ(c.SETCOM.AtisNo, "");
    EXPECT_EQ(c.Dir(7), (DirectoryEntry{true, "", ""}));
    EXPECT_EQ(c.Dir(8), (DirectoryEntry{false, "", ""}));
    EXPECT_EQ(c.CHUSA[3].ChTag, "");
    EXPECT_TRUE(c.CHUSA[3].Enable);

    // Only one marker is removed (a value without one is the long values' test).
    EXPECT_EQ(Read("[CHUSA0]\nChTag=##A").CHUSA[0].ChTag, "#A");
    EXPECT_EQ(Read("[CHUSA0]\nChTag=<NONE>").CHUSA[0].ChTag, "");
    EXPECT_EQ(Read("[CHUSA0]\nChTag=\"\"").CHUSA[0].ChTag, "");  // the quotes are dropped
    // Another model's file reads like any other.
    EXPECT_EQ(Read("[MAIN]\nMODEL=#OTHER 1\nVERSION=#9\n[SETCOM]\nContrast=1").SETCOM.Contrast, 1);
}

TEST(ConfigFile, PositionsOutsideThePlanKeepThePreviousValue) {
    const Configuration c = Read(
        "[CHUSA0]\nPosition=65\n[CHUSA1]\nPosition=0\n[CHUSA2]\nPosition=64\n"
        "[CHEXP1]\nPosition=282\n[CHEXP2]\nPosition=-1\n[CHEXP3]\nPosition=281\n");
    EXPECT_EQ(c.CHUSA[0].Position, 1);
    EXPECT_EQ(c.CHUSA[1].Position, 3);
    EXPECT_EQ(c.CHUSA[2].Position, 64);
    EXPECT_EQ(c.Exp(1).Position, 0);
    EXPECT_EQ(c.Exp(2).Position, 0);
    EXPECT_EQ(c.Exp(3).Position, 281);
}

TEST(ConfigFile, ReaderIsLenientLikeTheProfileReader) {
    static const char kText[] =
        "junk before any section\n"
        "[setcom]\n"
        "  contrast  =  3  \n"
        "DIMMER=\"2\"\n"
        "AtisNo=\"#12345\"\n"
        "UserMmsid = #123 456 \n"
        "[ CHUSA0 ]\n"
        "ChTag=#AB\0CD\n"
        "[CHUSA1]\n"
        "ChTag=\"#QUOTED\" TAIL\"\n"
        "[CHUSA2]\n"
        "noequals\n"
        "ChTag=#first\n"
        "ChTag=#second\n"
        "[CHUSA2]\n"
        "Enable=0\n"
        "[CHUSA3]\r"
        "ChTag=#old mac\r"
        "[CHUSA4]\r\n"
        "ChTag=#a=b\r\n";
    const Configuration c = Read(std::string(kText, sizeof kText - 1));
    EXPECT_EQ(c.SETCOM.Contrast, 3);
    EXPECT_EQ(c.SETCOM.Dimmer, 2);
    EXPECT_EQ(c.SETCOM.AtisNo, "12345");
    EXPECT_EQ(c.SETCOM.UserMmsid, "123 456");
    EXPECT_EQ(c.CHUSA[0].ChTag, "AB");
    EXPECT_EQ(c.CHUSA[1].ChTag, "QUOTED\" TAIL");
    EXPECT_EQ(c.CHUSA[2].ChTag, "first");
    EXPECT_TRUE(c.CHUSA[2].Enable);  // only the first section of a name counts
    EXPECT_EQ(c.CHUSA[3].ChTag, "old mac");
    EXPECT_EQ(c.CHUSA[4].ChTag, "a=b");

    // A byte-order mark that an editor put before the first section is not part of its line.
    EXPECT_EQ(Read("\xEF\xBB\xBF[setcom]\ncontrast=5\n").SETCOM.Contrast, 5);

    const std::string longValue(300, 'X');
    EXPECT_EQ(Read("[CHUSA0]\nChTag=#" + longValue).CHUSA[0].ChTag, std::string(126, 'X'));
    EXPECT_EQ(Read("[CHUSA0]\nChTag=" + longValue).CHUSA[0].ChTag, std::string(127, 'X'));
    EXPECT_EQ(TrimAtNul(std::string("AB\0C", 4)), "AB");
    EXPECT_EQ(TrimAtNul("no terminator"), "");
}

TEST(ConfigFile, HostileInputGivesAModelNotACrash) {
    // Random bytes are the fuzz target's (its corpus is replayed with the tests).
    // A 50 MB line, then a real key.
    std::string huge = "[SETCOM]\nAtisNo=#" + std::string(50u << 20, '7') + "\nContrast=2\n";
    const Configuration c = Read(huge);
    EXPECT_EQ(c.SETCOM.AtisNo, std::string(126, '7'));
    EXPECT_EQ(c.SETCOM.Contrast, 2);

    // 100 000 sections, the wanted one last.
    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += "[X" + std::to_string(i) + "]\nContrast=1\n";
    many += "[SETCOM]\nContrast=5\n";
    EXPECT_EQ(Read(many).SETCOM.Contrast, 5);

    // A wanted section with a huge number of lines.
    std::string lines = "[SETCOM]\n";
    for (int i = 0; i < 200000; ++i)
        lines += "K" + std::to_string(i) + "=1\n";
    lines += "Contrast=6\n";
    EXPECT_EQ(Read(lines).SETCOM.Contrast, 6);
}

TEST(ConfigFile, FilesOnDisk) {
    test::TempDir dir;
    const std::string path = dir.File("Boat One.DAT");
    Configuration c = NewDocument().config;
    c.SETCOM.Contrast = 2;
    c.CHUSA[5].ChTag = "MINE";
    ASSERT_TRUE(SaveFileAs(path, c).ok);
    Configuration back = NewDocument().config;
    ASSERT_TRUE(FileRead2(path, back).ok);
    EXPECT_EQ(back, c);

    // A file that cannot be read is a failed read that leaves the model as it was (what
    // cannot be read is the disk's test).
    Configuration untouched = c;
    const IoResult r = FileRead2(dir.File("missing.dat"), untouched);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorNumber, ENOENT);
    EXPECT_EQ(untouched, c);

    // A failed save leaves the previous file intact.
    std::string before;
    ASSERT_TRUE(ReadWholeFile(path, before).ok);
    if (::geteuid() != 0) {
        std::filesystem::permissions(
            dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        Configuration changed = c;
        changed.SETCOM.Contrast = 7;
        EXPECT_FALSE(SaveFileAs(path, changed).ok);
        std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    }
    EXPECT_FALSE(SaveFileAs(dir.File("no/such/folder/x.dat"), c).ok);
    std::string after;
    ASSERT_TRUE(ReadWholeFile(path, after).ok);
    EXPECT_EQ(after, before);

    ASSERT_TRUE(SaveFileAsDefault(dir.File("QM24 VH3400M.def"), c.SETCOM).ok);
    EXPECT_EQ(ReadIniValue(dir.File("QM24 VH3400M.def"), "SETCOM", "Contrast"), "2");
    EXPECT_EQ(ReadIniValue(dir.File("QM24 VH3400M.def"), "MAIN", "MODEL"), "QM24 VH3400M");
    EXPECT_EQ(ReadIniValue(dir.File("QM24 VH3400M.def"), "CHUSA0", "ChTag"), "");
    EXPECT_EQ(ReadIniValue(dir.File("missing.def"), "SETCOM", "Contrast"), "");
}

}  // namespace
}  // namespace rse
