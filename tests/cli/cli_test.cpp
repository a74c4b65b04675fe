#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "cli_fixture.h"
#include "files/channel_export.h"
#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "report/text_report.h"

namespace rse {
namespace {

using Cli = test::CliFixture;

TEST_F(Cli, NewConvertAndReportProduceWhatTheEditorWould) {
    const test::NewDocument fresh;
    auto r = Ok({"new", File("new.dat")});
    EXPECT_EQ(Contents("new.dat"), ComposeConfigFile(fresh.config));

    // .dat -> .hex over the image of New; the extension's letter case does not matter.
    ASSERT_EQ(Run({"convert", File("new.dat"), File("NEW.HEX")}).status, 0);
    EXPECT_EQ(Contents("NEW.HEX"), std::string(fresh.image.begin(), fresh.image.end()));

    // A changed configuration over a base image, which supplies the bytes the editor does not
    // own, and back to .dat.
    Configuration c = fresh.config;
    c.SETCOM.UserMmsid = "366123456";
    c.CHUSA[2].ChTag = "HOME PORT";
    c.Dir(1) = {true, "BUDDY", "366000007"};
    MemoryImage base = fresh.image;
    base[0x002] = 0x42;  // not edited
    base[0xF80] = 0x99;  // not edited
    base[0x195] = 7;     // the MMSI entry count
    base[0x009] = 1;     // contrast: replaced by the configuration
    ASSERT_TRUE(SaveFileAs(File("mine.Dat"), c).ok);
    ASSERT_TRUE(SaveImageFile(File("base.hex"), base).ok);
    r = Ok({"convert", File("mine.Dat"), File("mine.hex"), "--base", File("base.hex")});
    MemoryImage image{};
    ASSERT_TRUE(LoadImageFile(File("mine.hex"), image).ok);
    EXPECT_EQ((std::array{image[0x002], image[0xF80], image[0x195], image[0x009]}),
              (std::array<std::uint8_t, 4>{0x42, 0x99, 7, 4}));
    ASSERT_EQ(Run({"convert", File("mine.hex"), File("back.dat")}).status, 0);
    Configuration back = fresh.config;
    ASSERT_TRUE(FileRead2(File("back.dat"), back).ok);
    EXPECT_EQ(back, c);

    // .dat -> .dat writes the whole file.
    ASSERT_TRUE(WriteFileAtomic(File("sparse.dat"), "[setcom]\r\ncontrast = 6\r\n").ok);
    ASSERT_EQ(Run({"convert", File("sparse.dat"), File("full.dat")}).status, 0);
    Configuration full = fresh.config;
    ASSERT_TRUE(FileRead2(File("sparse.dat"), full).ok);
    EXPECT_EQ(Contents("full.dat"), ComposeConfigFile(full));

    // The report on standard output and in a file: the composed text and one CR LF.
    r = Ok({"report", File("mine.hex")});
    EXPECT_EQ(r.out, TextReportFile(back, image));
    ASSERT_EQ(Run({"report", File("mine.Dat"), "-o", File("report.txt")}).status, 0);
    EXPECT_EQ(Contents("report.txt"), TextReportFile(c, fresh.image));

    // The channel table of the configuration in the file, not New's.
    ASSERT_EQ(Run({"export-channels", File("mine.Dat"), "-o", File("ch.csv")}).status, 0);
    EXPECT_EQ(Contents("ch.csv"), ChannelListCsv(c));
}

TEST_F(Cli, FailuresExitWithOneAndLeaveOutputsAlone) {
    ASSERT_TRUE(WriteFileAtomic(File("keep.hex"), "precious").ok);
    ASSERT_TRUE(WriteFileAtomic(File("keep.dat"), "precious").ok);
    ASSERT_TRUE(WriteFileAtomic(File("short.hex"), std::string(100, '\0')).ok);
    ASSERT_EQ(Run({"new", File("ok.dat")}).status, 0);
    std::filesystem::create_directory(File("folder.dat"));
    struct Case {
        std::vector<std::string> args;
        std::string first;  // a line of the message starts with it
        std::string also;   // and its text holds this
    };
    const std::string tty = File("missing-tty");
    // clang-format off
    const Case cases[] = {
        {{"convert", File("missing.dat"), File("keep.hex")}, "FileRead Error!!", "No such file or directory: " + File("missing.dat")},
        {{"convert", File("short.hex"), File("keep.dat")}, "FileRead Error!!", "4096"},
        {{"convert", File("ok.dat"), File("keep.hex"), "--base", File("short.hex")}, "FileRead Error!!", File("short.hex")},
        {{"new", File("folder.dat")}, "FileSave Error!!", File("folder.dat")},
        {{"report", File("missing.hex")}, "FileRead Error!!", File("missing.hex")},
        {{"read", "--port", tty, "-o", File("keep.hex")}, "Model Check: CommunicatiOn Error!!", tty},
        // An input that cannot be read fails before the port is touched.
        {{"program", "--port", tty, File("missing.dat")}, "FileRead Error!!", File("missing.dat")},
        {{"print", File("missing.dat"), "--pdf", File("keep.dat")}, "FileRead Error!!", File("missing.dat")},
        {{"import-directory", File("ok.dat"), File("missing.csv"), "-o", File("keep.hex")}, "FileRead Error!!", File("missing.csv")},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(("\n" + r.err).find("\n" + c.first), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.also), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("CommunicatiOn") == std::string::npos, c.args[0] != "read");
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_EQ(Contents("keep.hex"), "precious");
    EXPECT_EQ(Contents("keep.dat"), "precious");
}

// The text of pdftotext's layout output with every run of blanks made one.
std::string Words(const std::string& text) {
    std::string out;
    for (char c : text)
        if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
    return out;
}

TEST_F(Cli, PrintWritesTheSevenPagesAsPdf) {
    if (!std::filesystem::exists("/usr/bin/pdftotext")) GTEST_SKIP() << "no pdftotext";
    Configuration c = test::NewDocument().config;
    c.SETCOM.AtisNo = "1234567890";
    c.Exp(1) = {16, true, false, false, true, true, false, false, false, false, "WORK BOAT"};
    ASSERT_TRUE(SaveFileAs(File("in.dat"), c).ok);
    auto r = Ok({"print", File("in.dat"), "--pdf", File("out.pdf")});
    r = test::RunProgram({"/usr/bin/pdftotext", "-layout", File("out.pdf"), File("out.txt")},
                         dir.Path());
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = Words(Contents("out.txt"));
    // The seven pages in order, each with its section; a duplex EXP channel shows its receive
    // frequency first.
    std::size_t at = 0;
    for (const char* part :
         {"Page 1 of 7", "##### Common Setting #####", "AtisOnOff : No ----- ATIS No. : 1234567890",
          "Page 2 of 7", "15 ENABLE 156.750 ---.--- -- --- -- --- ---- -- COMMERCIAL",
          "Page 3 of 7", "Page 4 of 7", "Page 5 of 7", "Page 6 of 7",
          "1 16 ENABLE 161.400 156.800 -- --- -- DUP ---- -- WORK BOAT", "Page 7 of 7",
          "##### Memory ID #####"}) {
        at = text.find(part, at);
        ASSERT_NE(at, std::string::npos) << part << "\n" << text;
    }
}

TEST_F(Cli, WrongUsageExitsWithTwo) {
    const std::string dat = File("a.dat");
    ASSERT_EQ(Run({"new", dat}).status, 0);
    // clang-format off
    const std::vector<std::vector<std::string>> usages = {
        {}, {"frobnicate"}, {"doctor"}, {"doctor", "--port", "COM1", "extra"},
        {"new"}, {"new", File("a.txt")}, {"new", dat, File("b.dat")},
        {"convert", dat}, {"convert", dat, File("out.bin")},
        {"convert", File("a.hex"), File("b.hex")},
        {"convert", dat, File("b.hex"), "--bogus"}, {"convert", dat, File("b.hex"), "--base"},
        {"convert", dat, File("b.hex"), "--base", File("base.dat")},
        {"report"}, {"report", File("a.txt")}, {"report", dat, "-o"}, {"print", dat},
        {"read", "-o", File("b.hex")}, {"read", "--port", "COM1"},
        {"read", "--port", "COM1", "-o", File("b.txt")},
        {"program", "--port", "COM1"},
        {"program", "--port", "COM1", File("a.hex"), "--base", File("base.hex")},
        {"clear-count", "--port", "COM1", "extra"}, {"clear-count", "--bogus"},
        {"import-directory", dat, File("a.csv")},
    };
    // clang-format on
    for (const std::vector<std::string>& args : usages) {
        auto r = Run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_FALSE(r.err.empty()) << ::testing::PrintToString(args);
    }
    EXPECT_FALSE(std::filesystem::exists(File("b.hex")));
    auto r = Run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "rse-cli 1.0.0\n");
    r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("rse-cli convert IN OUT [--base BASE.hex]"), std::string::npos);
    EXPECT_EQ(Run({"ports"}).status, 0);
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

// The tables' rows, warnings and refusals are proven in the unit tests; this checks the way
// from the command line to the files.
TEST_F(Cli, DirectoryOutAndInAgainKeepsEverythingElse) {
    std::mt19937 rng(12);
    Configuration c = test::RandomConfiguration(rng);
    for (int i = 1; i <= 20; ++i)  // a full directory
        c.Dir(i) = {true, "#STATION " + std::to_string(i), std::to_string(366000100 + i)};
    ASSERT_TRUE(SaveFileAs(File("boat.dat"), c).ok);
    auto r = Ok({"export-directory", File("boat.dat"), "-o", File("a.csv")});
    const std::string csv = Contents("a.csv");
    EXPECT_EQ(csv.substr(0, 39), "Name,MMSI\r\nSTATION 1,366000101\r\nSTATION");

    // Into New (as .hex), out again on standard output: the same table.
    ASSERT_EQ(Run({"new", File("new.dat")}).status, 0);
    r = Ok({"import-directory", File("new.dat"), File("a.csv"), "-o", File("b.hex")});
    EXPECT_EQ(Run({"export-directory", File("b.hex")}).out, csv);

    // Two rows replace a full directory, with a warning; every other field of IN is kept. A
    // refused row writes nothing.
    ASSERT_TRUE(WriteFileAtomic(File("two.csv"), "mmsi;name\n366000001;one\n970123456;two\n").ok);
    r = Ok({"import-directory", File("boat.dat"), File("two.csv"), "-o", File("out.dat")});
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

// Messages follow the language of the environment; what programs and the radio read does not.
TEST_F(Cli, MessagesSpeakTheLanguageOutputsNever) {
    const std::vector<std::string> english = {"/usr/bin/env", "LANGUAGE=en", "LC_ALL=en_US.UTF-8"};
    const struct {
        const char* language;
        const char* locale;
        const char* usage;    // the first words of --help
        const char* unknown;  // the unknown-command error
    } languages[] = {
        {"en", "en_US.UTF-8", "Usage: rse-cli", "unknown command 'frobnicate'"},
        {"fr", "fr_CA.UTF-8", "Utilisation : rse-cli",
         "commande inconnue \u00ab frobnicate \u00bb"},
        {"es", "es_MX.UTF-8", "Uso: rse-cli", "orden desconocida \u00abfrobnicate\u00bb"},
    };
    Configuration c = test::NewDocument().config;
    c.SETCOM.ScanType = 1;
    c.SETCOM.Ind = 2;
    c.Dir(1) = {true, "BUDDY", "366000007"};
    ASSERT_TRUE(SaveFileAs(File("a.dat"), c).ok);
    // Each output as English gives it: standard output, or the file written.
    const std::vector<std::vector<std::string>> outputs = {
        {"report", File("a.dat")},
        {"export-channels", File("a.dat")},
        {"export-directory", File("a.dat")},
        {"convert", File("a.dat"), File("OUT.hex")},
        {"convert", File("a.dat"), File("OUT.dat")},
        {"diff", File("a.dat"), File("OUT.dat")},
    };
    auto outputOf = [&](const std::vector<std::string>& args, const std::vector<std::string>& env) {
        const test::ProcessResult r = Run(args, env);
        const std::string& last = args.back();
        const bool toFile = args.front() == "convert";
        return std::to_string(r.status) + "\n" +
               (toFile ? Contents(std::filesystem::path(last).filename()) : r.out);
    };
    std::vector<std::string> expected;
    for (const auto& args : outputs)
        expected.push_back(outputOf(args, english));
    for (const auto& l : languages) {
        SCOPED_TRACE(l.language);
        const std::vector<std::string> env = {"/usr/bin/env", std::string("LANGUAGE=") + l.language,
                                              std::string("LC_ALL=") + l.locale};
        const test::ProcessResult help = Run({"--help"}, env);
        EXPECT_EQ(help.out.rfind(l.usage, 0), 0u) << help.out;
        EXPECT_NE(Run({"frobnicate"}, env).err.find(l.unknown), std::string::npos);
        for (std::size_t i = 0; i < outputs.size(); ++i)
            EXPECT_EQ(outputOf(outputs[i], env), expected[i]) << outputs[i].front();
    }
}

}  // namespace
}  // namespace rse
