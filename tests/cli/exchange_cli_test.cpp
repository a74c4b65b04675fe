#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "cli_fixture.h"
#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/image_file.h"
#include "support.h"

namespace rse {
namespace {

using CliExchange = test::CliFixture;

TEST_F(CliExchange, DirectoryRoundTripsThroughNewAndKeepsEverythingElse) {
    std::mt19937 rng(12);
    Configuration c = test::RandomConfiguration(rng);
    for (int i = 1; i <= 20; ++i)  // a full directory, names as a .dat file may hold them
        c.Dir(i) = {true, "#STATION " + std::to_string(i), std::to_string(366000100 + i)};
    c.Dir(3).Mmsid = "002320001";
    c.Dir(4).TagName = "  LEAD";  // leading blanks are kept
    ASSERT_TRUE(SaveFileAs(File("boat.dat"), c).ok);

    auto r = Run({"export-directory", File("boat.dat"), "-o", File("a.csv")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string csv = Contents("a.csv");
    EXPECT_EQ(csv.substr(0, 60),
              "Name,MMSI\r\nSTATION 1,366000101\r\nSTATION 2,366000102\r\nSTATION");
    EXPECT_NE(csv.find("\r\n  LEAD,366000104\r\n"), std::string::npos);

    // Into New (as .hex), out again: the same file.
    ASSERT_EQ(Run({"new", File("new.dat")}).status, 0);
    r = Run({"import-directory", File("new.dat"), File("a.csv"), "-o", File("b.hex")});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Run({"export-directory", File("b.hex")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, csv);

    // Three rows replace a full directory; every other field of IN is kept.
    ASSERT_TRUE(WriteFileAtomic(File("three.csv"),
                                "mmsi;name\n366000001;one\n\n;two\n"
                                "970123456;three\n")
                    .ok);
    r = Run({"import-directory", File("boat.dat"), File("three.csv"), "-o", File("out.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("warning: line 4: no MMSI"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("warning: line 5: MMSI 970123456 cannot be called by DSC: AIS-SART"),
              std::string::npos);
    Configuration expected = c;
    for (int i = 1; i <= 20; ++i)
        expected.Dir(i) = {};
    expected.Dir(1) = {true, "ONE", "366000001"};
    expected.Dir(2) = {true, "TWO", ""};
    expected.Dir(3) = {true, "THREE", "970123456"};
    EXPECT_EQ(Contents("out.dat"), ComposeConfigFile(expected));
}

TEST_F(CliExchange, RefusedRowsWriteNothing) {
    ASSERT_EQ(Run({"new", File("in.dat")}).status, 0);
    ASSERT_TRUE(WriteFileAtomic(File("keep.hex"), "precious").ok);
    ASSERT_TRUE(WriteFileAtomic(File("bad.csv"),
                                "Name,MMSI\r\nGOOD,366000001\r\n"
                                "TOO LONG NAME,366000002\r\n"
                                "DUP,366000001\r\n")
                    .ok);
    auto r = Run({"import-directory", File("in.dat"), File("bad.csv"), "-o", File("keep.hex")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 3: the name has 13 characters"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 4: MMSI 366000001 is already used on line 2"), std::string::npos);
    EXPECT_EQ(Contents("keep.hex"), "precious");
    r = Run({"import-directory", File("in.dat"), File("missing.csv"), "-o", File("keep.hex")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("FileRead Error!!", 0), 0u) << r.err;
    EXPECT_EQ(Run({"import-directory", File("in.dat"), File("bad.csv")}).status, 2);
    EXPECT_EQ(Contents("keep.hex"), "precious");
}

TEST_F(CliExchange, ChannelListHasEveryChannelWithTheReportColumns) {
    ASSERT_EQ(Run({"new", File("in.dat")}).status, 0);
    auto r = Run({"export-channels", File("in.dat"), "-o", File("ch.csv")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string csv = Contents("ch.csv");
    EXPECT_EQ(csv.rfind("Bank,CH,ENABLE,RX(MHz),TX(MHz),TX,LOW,DUP,MEM,TAG\r\n"
                        "USA,01A,Yes,156.050,156.050,Yes,No,No,No,VTS\r\n",
                        0),
              0u);
    for (const char* row : {"\r\nUSA,16,Yes,156.800,156.800,Yes,No,No,No,DISTRESS\r\n",
                            "\r\nUSA,15,Yes,156.750,,No,No,No,No,COMMERCIAL\r\n",
                            "\r\nWX,1,Yes,162.550,,,,,No,162.550MHZ\r\n",
                            "\r\nEXP,20,No,160.600,156.000,No,No,No,No,\r\n"}) {
        EXPECT_NE(csv.find(row), std::string::npos) << row;
    }
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 55 + 55 + 56 + 10 + 20);
}

}  // namespace
}  // namespace rse
