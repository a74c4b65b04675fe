#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "../unit/test_support.h"
#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "report/text_report.h"
#include "run_process.h"

namespace rse {
namespace {

class Cli : public ::testing::Test {
  protected:
    test::ProcessResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), RSE_CLI_PATH);
        return test::RunProcess(args, dir.Path().string());
    }
    std::string File(const std::string& name) const { return dir.File(name); }
    std::string Contents(const std::string& name) const { return test::Slurp(File(name)); }

    test::TempDir dir;
};

TEST_F(Cli, NewConvertAndReportProduceWhatTheEditorWould) {
    const test::NewDocument fresh;
    auto r = Run({"new", File("new.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Contents("new.dat"), ComposeConfigFile(fresh.config));

    // .dat -> .hex over the image of New; the extension's letter case does not matter.
    r = Run({"convert", File("new.dat"), File("NEW.HEX")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string hex = Contents("NEW.HEX");
    EXPECT_EQ(hex, std::string(fresh.image.begin(), fresh.image.end()));

    // A changed configuration, through .hex and back to .dat.
    Configuration c = fresh.config;
    c.SETCOM.UserMmsid = "366123456";
    c.CHUSA[2].ChTag = "HOME PORT";
    c.Dir(1) = {true, "BUDDY", "366000007"};
    ASSERT_TRUE(SaveFileAs(File("mine.Dat"), c).ok);
    ASSERT_EQ(Run({"convert", File("mine.Dat"), File("mine.hex")}).status, 0);
    ASSERT_EQ(Run({"convert", File("mine.hex"), File("back.dat")}).status, 0);
    Configuration back = fresh.config;
    ASSERT_TRUE(FileRead2(File("back.dat"), back).ok);
    EXPECT_EQ(back.SETCOM.UserMmsid, "366123456");
    EXPECT_EQ(back.CHUSA[2].ChTag, "HOME PORT");
    EXPECT_EQ(back.Dir(1), c.Dir(1));

    // .dat -> .dat normalises the file.
    ASSERT_TRUE(WriteFileAtomic(File("sparse.dat"), "[setcom]\r\ncontrast = 6\r\n").ok);
    ASSERT_EQ(Run({"convert", File("sparse.dat"), File("full.dat")}).status, 0);
    Configuration expected = fresh.config;
    expected.SETCOM.Contrast = 6;
    for (auto* bank : {&expected.CHUSA, &expected.CHINT, &expected.CHCAN, &expected.CHWX}) {
        for (auto& ch : *bank)
            ch.ChTag.clear();  // missing texts read as empty
    }
    EXPECT_EQ(Contents("full.dat"), ComposeConfigFile(expected));

    // The report on standard output and in a file: the composed text and one CR LF.
    MemoryImage image = fresh.image;
    EncodeImage(c, image);
    r = Run({"report", File("mine.hex")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, TextReportFile(back, image));
    ASSERT_EQ(Run({"report", File("mine.Dat"), "-o", File("report.txt")}).status, 0);
    EXPECT_EQ(Contents("report.txt"), TextReportFile(c, fresh.image));
}

TEST_F(Cli, BaseImageSuppliesTheBytesTheEditorDoesNotOwn) {
    MemoryImage base = test::NewDocument().image;
    base[0x002] = 0x42;  // not edited
    base[0xF80] = 0x99;  // not edited
    base[0x195] = 7;     // the MMSI entry count
    base[0x009] = 1;     // contrast: replaced by the configuration
    ASSERT_TRUE(SaveImageFile(File("base.hex"), base).ok);
    ASSERT_EQ(Run({"new", File("new.dat")}).status, 0);
    auto r = Run({"convert", File("new.dat"), File("out.hex"), "--base", File("base.hex")});
    ASSERT_EQ(r.status, 0) << r.err;
    MemoryImage out{};
    ASSERT_TRUE(LoadImageFile(File("out.hex"), out).ok);
    EXPECT_EQ(out[0x002], 0x42);
    EXPECT_EQ(out[0xF80], 0x99);
    EXPECT_EQ(out[0x195], 7);
    EXPECT_EQ(out[0x009], 4);
    // The count shows in the report of that image.
    r = Run({"report", File("out.hex")});
    EXPECT_NE(r.out.find("Count : 7\r\n"), std::string::npos);
}

TEST_F(Cli, FailuresExitWithOneAndLeaveOutputsAlone) {
    ASSERT_TRUE(WriteFileAtomic(File("keep.hex"), "precious").ok);
    ASSERT_TRUE(WriteFileAtomic(File("keep.dat"), "precious").ok);
    ASSERT_TRUE(WriteFileAtomic(File("short.hex"), std::string(100, '\0')).ok);

    auto r = Run({"convert", File("missing.dat"), File("keep.hex")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("FileRead Error!!", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(File("missing.dat")), std::string::npos);
    EXPECT_NE(r.err.find("No such file"), std::string::npos) << r.err;

    r = Run({"convert", File("short.hex"), File("keep.dat")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("FileRead Error!!", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("4096"), std::string::npos);

    ASSERT_EQ(Run({"new", File("ok.dat")}).status, 0);
    r = Run({"convert", File("ok.dat"), File("keep.hex"), "--base", File("short.hex")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Contents("keep.hex"), "precious");
    EXPECT_EQ(Contents("keep.dat"), "precious");

    std::filesystem::create_directory(File("folder.dat"));
    r = Run({"new", File("folder.dat")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("FileSave Error!!", 0), 0u) << r.err;
    r = Run({"report", File("missing.hex")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
}

// The words of each line of pdftotext's layout output.
std::vector<std::vector<std::string>> WordLines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (!w.empty()) lines.push_back(std::move(w));
    }
    return lines;
}

TEST_F(Cli, PrintWritesTheSevenPagesAsPdf) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftotext";
    Configuration c = test::NewDocument().config;
    c.SETCOM.AtisNo = "1234567890";
    c.Exp(1).Enable = true;
    c.Exp(1).Position = 16;
    c.Exp(1).Duplex = true;
    c.Exp(1).ChTag = "WORK BOAT";
    c.Dir(1) = {true, "HOME", "366000001"};
    ASSERT_TRUE(SaveFileAs(File("in.dat"), c).ok);
    auto r = Run({"print", File("in.dat"), "--pdf", File("out.pdf")});
    ASSERT_EQ(r.status, 0) << r.err;
    r = test::RunProcess({"/usr/bin/pdftotext", "-layout", File("out.pdf"), File("out.txt")},
                         dir.Path().string());
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = WordLines(Contents("out.txt"));

    // The seven page headers, in order, each followed by its section's banner.
    const char* banners[] = {"Common", "USA", "International", "Canada", "WX", "EXP", "Memory"};
    int page = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() == 10 && lines[i][0] == "QM24" && lines[i][5] == "---") {
            ++page;
            EXPECT_EQ(lines[i][7], std::to_string(page));
            EXPECT_EQ(lines[i][9], "7");
            ASSERT_LT(i + 1, lines.size());
            EXPECT_EQ(lines[i + 1][0], "#####");
            EXPECT_EQ(lines[i + 1][lines[i + 1][1] == "Programable" ? 2 : 1], banners[page - 1]);
        }
    }
    EXPECT_EQ(page, 7);

    auto has = [&](const std::vector<std::string>& words) {
        for (const auto& l : lines) {
            if (l == words) return true;
        }
        return false;
    };
    EXPECT_TRUE(has({"AtisOnOff", ":", "No", "-----", "ATIS", "No.", ":", "1234567890"}));
    EXPECT_TRUE(has({"15", "ENABLE", "156.750", "---.---", "--", "---", "--", "---", "----", "--",
                     "COMMERCIAL"}));
    // A duplex EXP channel shows its receive frequency first.
    EXPECT_TRUE(has({"1", "16", "ENABLE", "161.400", "156.800", "--", "---", "--", "DUP", "----",
                     "--", "WORK", "BOAT"}));
    EXPECT_TRUE(has({"1", "ENABLE", "HOME", "366000001"}));
    EXPECT_TRUE(has({"No.", "ENABLE", "TAG", "Name", "MMSI"}));

    // A failed print leaves an existing file alone.
    ASSERT_TRUE(WriteFileAtomic(File("keep.pdf"), "precious").ok);
    EXPECT_EQ(Run({"print", File("missing.dat"), "--pdf", File("keep.pdf")}).status, 1);
    EXPECT_EQ(Contents("keep.pdf"), "precious");
    EXPECT_EQ(Run({"print", File("in.dat")}).status, 2);
}

TEST_F(Cli, WrongUsageExitsWithTwo) {
    const std::string dat = File("a.dat");
    ASSERT_EQ(Run({"new", dat}).status, 0);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"new"},
             {"new", File("a.txt")},
             {"new", dat, File("b.dat")},
             {"convert", dat},
             {"convert", dat, File("out.bin")},
             {"convert", dat, File("b.hex"), "--bogus"},
             {"convert", dat, File("b.hex"), "--base"},
             {"convert", dat, File("b.hex"), "--base", File("base.dat")},
             {"convert", File("a.hex"), File("b.hex")},
             {"report"},
             {"report", File("a.txt")},
             {"report", dat, "-o"},
         }) {
        auto r = Run(args);
        std::string line;
        for (const auto& a : args)
            line += a + " ";
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_FALSE(r.err.empty()) << line;
    }
    EXPECT_FALSE(std::filesystem::exists(File("b.hex")));
    auto r = Run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "rse-cli 1.0.0\n");
    r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("rse-cli convert IN OUT [--base BASE.hex]"), std::string::npos);
}

TEST_F(Cli, DiffExitsAsDiffDoes) {
    const test::NewDocument fresh;
    Configuration c = fresh.config;
    c.SETCOM.Dimmer = 3;
    c.Dir(1) = {true, "BUDDY", "366000007"};
    ASSERT_TRUE(SaveFileAs(File("a.dat"), fresh.config).ok);
    ASSERT_TRUE(SaveFileAs(File("b.dat"), c).ok);
    MemoryImage image = fresh.image;
    EncodeImage(c, image);
    image[0xFF0] = 0x12;
    ASSERT_TRUE(SaveImageFile(File("a.hex"), fresh.image).ok);
    ASSERT_TRUE(SaveImageFile(File("b.hex"), image).ok);
    const std::string fields =
        "SETCOM.Dimmer: 0 -> 3\nCHMMSID1.Enable: 0 -> 1\nCHMMSID1.TagName: # -> #BUDDY\n"
        "CHMMSID1.Mmsid:  -> 366000007\n";
    struct Case {
        std::vector<std::string> files;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{"a.dat", "a.dat"}, 0, ""},
        {{"a.dat", "b.dat"}, 1, fields},
        {{"a.dat", "b.hex"}, 1, fields},  // a .dat has no other bytes to compare
        {{"a.hex", "b.hex"}, 1, fields + "image 0x0FF0: FF -> 12\n"},
        {{"a.hex", "missing.hex"}, 2, ""},
    };
    for (const Case& c : cases) {
        const auto r = Run({"diff", File(c.files[0]), File(c.files[1])});
        EXPECT_EQ(r.status, c.status) << c.files[1] << r.err;
        EXPECT_EQ(r.out, c.out) << c.files[1];
        if (c.status == 2) {
            EXPECT_NE(r.err.find("FileRead Error!!"), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(File(c.files[1])), std::string::npos) << r.err;
        }
    }
}

}  // namespace
}  // namespace rse
