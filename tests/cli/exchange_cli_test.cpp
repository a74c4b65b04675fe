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

// The tables' rows, warnings and refusals are proven in the unit tests; this checks the way
// from the command line to the files.
TEST_F(CliExchange, DirectoryOutAndInAgainKeepsEverythingElse) {
    std::mt19937 rng(12);
    Configuration c = test::RandomConfiguration(rng);
    for (int i = 1; i <= 20; ++i)  // a full directory
        c.Dir(i) = {true, "#STATION " + std::to_string(i), std::to_string(366000100 + i)};
    ASSERT_TRUE(SaveFileAs(File("boat.dat"), c).ok);
    auto r = Run({"export-directory", File("boat.dat"), "-o", File("a.csv")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string csv = Contents("a.csv");
    EXPECT_EQ(csv.substr(0, 39), "Name,MMSI\r\nSTATION 1,366000101\r\nSTATION");

    // Into New (as .hex), out again on standard output: the same table.
    ASSERT_EQ(Run({"new", File("new.dat")}).status, 0);
    r = Run({"import-directory", File("new.dat"), File("a.csv"), "-o", File("b.hex")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Run({"export-directory", File("b.hex")}).out, csv);

    // Two rows replace a full directory, with a warning; every other field of IN is kept. A
    // refused row writes nothing.
    ASSERT_TRUE(WriteFileAtomic(File("two.csv"), "mmsi;name\n366000001;one\n970123456;two\n").ok);
    r = Run({"import-directory", File("boat.dat"), File("two.csv"), "-o", File("out.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "warning: line 3: MMSI 970123456 cannot be called by DSC: AIS-SART\n");
    Configuration expected = c;
    for (int i = 1; i <= 20; ++i)
        expected.Dir(i) = {};
    expected.Dir(1) = {true, "ONE", "366000001"};
    expected.Dir(2) = {true, "TWO", "970123456"};
    EXPECT_EQ(Contents("out.dat"), ComposeConfigFile(expected));
    ASSERT_TRUE(WriteFileAtomic(File("bad.csv"), "Name,MMSI\r\nTOO LONG NAME,366000002\r\n").ok);
    r = Run({"import-directory", File("new.dat"), File("bad.csv"), "-o", File("out.dat")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("line 2: the name has 13 characters", 0), 0u) << r.err;
    EXPECT_EQ(Contents("out.dat"), ComposeConfigFile(expected));
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
