#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "files/channel_export.h"
#include "files/csv.h"
#include "files/directory_exchange.h"
#include "model/mmsi.h"
#include "support.h"

namespace rse {
namespace {

using Fields = std::vector<std::string>;
using Records = std::vector<std::pair<std::size_t, Fields>>;

// Every record the reader gives, with its line.
Records ReadAll(CsvReader& reader) {
    Records records;
    for (CsvRecord record; reader.Next(record);)
        records.emplace_back(record.line, record.fields);
    return records;
}

TEST(CsvReader, ReadsWhatSpreadsheetsWriteAndStopsCleanlyOnHostileInput) {
    using namespace std::string_literals;
    const std::string tenMegabytes(10u << 20, 'A');
    struct Case {
        const char* what;
        std::string text;
        char separator;
        Records records;
        std::size_t errorLine;  // 0: no error; error: part of the reason
        std::string error;
    };
    // clang-format off
    const Case cases[] = {
        {"CR LF, comma", "Name,MMSI\r\nA,366123456\r\n", ',', {{1, {"Name", "MMSI"}}, {2, {"A", "366123456"}}}, 0, ""},
        {"byte-order mark, LF, semicolon, no final line end", "\xEF\xBB\xBFName;MMSI\nA;1", ';',
         {{1, {"Name", "MMSI"}}, {2, {"A", "1"}}}, 0, ""},
        {"separator from the header, outside quotes", "\"Name, station\";MMSI\r\n\"B,C\";2\r\n", ';',
         {{1, {"Name, station", "MMSI"}}, {2, {"B,C", "2"}}}, 0, ""},
        {"quotes: separators, doubled quotes and line breaks inside; lines counted",
         "a,\"b,\"\"c\"\"\r\nd\",e\r\nf, \"g\" \r\n", ',', {{1, {"a", "b,\"c\"\r\nd", "e"}}, {3, {"f", "g"}}}, 0, ""},
        {"blank lines and records of empty fields are skipped, a lone CR ends a line",
         "\r\n\nName;MMSI\r\n;;\r\n  ; \r\nx;y\rz;w", ';', {{3, {"Name", "MMSI"}}, {6, {"x", "y"}}, {7, {"z", "w"}}}, 0, ""},
        {"NUL bytes and invalid UTF-8 are kept as bytes", "a\0b,\xFF\xC3\n"s, ',', {{1, {"a\0b"s, "\xFF\xC3"}}}, 0, ""},
        {"a 10 MB field", "Name\r\n" + tenMegabytes + "\r\nB", ',', {{1, {"Name"}}, {2, {tenMegabytes}}, {3, {"B"}}}, 0, ""},
        {"a 10 MB line of separators", "Name\r\n" + std::string(10u << 20, ','), ',', {{1, {"Name"}}}, 2,
         "more than 16384 fields"},
        {"unbalanced quote: reported at the line it opened", "a,b\r\n\"c,d\r\ne,f\r\n", ',', {{1, {"a", "b"}}}, 2, "not closed"},
        {"text after a closing quote", "a,b\n\n\"c\"d,e\n", ',', {{1, {"a", "b"}}}, 3, "follows the closing quote"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CsvReader reader(c.text);
        EXPECT_EQ(reader.Separator(), c.separator);
        EXPECT_EQ(ReadAll(reader), c.records);
        EXPECT_EQ(reader.ErrorLine(), c.errorLine);
        EXPECT_NE(reader.ErrorReason().find(c.error), std::string::npos) << reader.ErrorReason();
        EXPECT_EQ(reader.Failed(), !c.error.empty());
    }
}

TEST(CsvWriter, QuotesOnlyWhereNeededAndReadsBack) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"HARBOUR", "HARBOUR"},
        {"", ""},
        {"A,B", "\"A,B\""},
        {"A;B", "\"A;B\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"\xEF\xBB\xBFX", "\"\xEF\xBB\xBFX\""},  // a leading byte-order mark would be dropped
    };
    std::string file;
    Fields fields;
    for (const auto& [field, written] : cases) {
        EXPECT_EQ(CsvField(field), written);
        fields.push_back(field);
    }
    AppendCsvRecord(file, fields);
    CsvReader reader(file);
    EXPECT_EQ(ReadAll(reader), (Records{{1, fields}}));
    EXPECT_EQ(Latin1ToUtf8("CAF\xC9"), "CAF\xC3\x89");
}

TEST(DirectoryCsv, AcceptsSpreadsheetFormsAndReportsWarnings) {
    const DirectoryImport r = ReadDirectoryCsv(
        "\xEF\xBB\xBFNo.;mmsi ;NAME;Notes\r\n"
        "1;366 123\xC2\xA0"
        "456;buddy  ;friend\r\n"  // a no-break space between digit groups
        "\r\n"
        "2;;\r\n"  // a numbered row with neither name nor MMSI
        "3;\"002\xE2\x80\xAF"
        "320001\";\"Harbour(1)\"\r\n"  // a narrow no-break space
        "4;970123456;SART TEST\r\n"
        "5;;NO NUMBER\r\n");
    ASSERT_TRUE(r.Ok()) << r.refused.front().Text();
    const std::vector<DirectoryEntry> expected = {{true, "BUDDY", "366123456"},
                                                  {true, "HARBOUR(1)", "002320001"},
                                                  {true, "SART TEST", "970123456"},
                                                  {true, "NO NUMBER", ""}};
    EXPECT_EQ(r.entries, expected);
    ASSERT_EQ(r.warnings.size(), 2u);
    EXPECT_EQ(r.warnings[0].Text(), "line 6: MMSI 970123456 cannot be called by DSC: AIS-SART");
    EXPECT_EQ(r.warnings[1].line, 7u);

    // The rows replace the whole directory (rse-cli's test proves later slots are cleared).
    Configuration config;
    for (int i = 1; i <= kDirectoryCount; ++i)
        config.Dir(i) = {true, "OLD", "211000000"};
    ReplaceDirectory(config, r.entries);
    EXPECT_EQ(DirectoryCsv(config),
              "Name,MMSI\r\nBUDDY,366123456\r\nHARBOUR(1),002320001\r\nSART TEST,970123456\r\n"
              "NO NUMBER,\r\n");
}

TEST(DirectoryCsv, RefusesTheWholeFileAndNamesEveryWrongRow) {
    std::string tooMany = "Name,MMSI\n";
    for (int i = 0; i < 21; ++i)
        tooMany += "S" + std::to_string(i) + "," + std::to_string(366000000 + i) + "\n";
    struct Case {
        std::string text;
        std::vector<std::string> refused;  // "line N: " and the start of the reason
    };
    const Case cases[] = {
        {"Name,MMSI\r\nA,36612345\r\nB,3661234567\r\nC,36612345X\r\n",
         {"line 2: the MMSI has 8 digits; an MMSI has 9 digits (a spreadsheet may have dropped",
          "line 3: the MMSI has 10 digits", "line 4: the MMSI holds a character that is not"}},
        {"Name,MMSI\r\nELEVEN CHAR,366123456\r\nCAF\xC3\x89,366123457\r\nTAB\t,366123458\r\n",
         {"line 2: the name has 11 characters", "line 3: the name holds a character",
          "line 4: the name holds a character"}},
        {"Name,MMSI\r\nA,366123456\r\nB,366123457\r\nC,366 123 456\r\n",
         {"line 4: MMSI 366123456 is already used on line 2"}},
        {tooMany, {"line 22: more than 20 rows"}},
        {"", {"line 1: no header line"}},
        {"\r\nStation,MMSI\r\nA,366123456\r\n", {"line 2: the header line does not name both"}},
        {"Name,MMSI\r\nA,366123456\r\n\"B,366123457\r\n", {"line 3: a quoted field is not closed"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        const DirectoryImport r = ReadDirectoryCsv(c.text);
        EXPECT_TRUE(r.entries.empty());
        ASSERT_EQ(r.refused.size(), c.refused.size());
        for (std::size_t i = 0; i < c.refused.size(); ++i)
            EXPECT_EQ(r.refused[i].Text().rfind(c.refused[i], 0), 0u) << r.refused[i].Text();
    }
}

TEST(ChannelListCsv, EveryChannelWithTheReportsColumns) {
    Configuration c = test::NewDocument().config;
    c.Exp(2) = {.Position = 16,
                .Enable = true,
                .LowPower = true,
                .DuplexCapable = true,
                .TxEnable = true,
                .ScanMemory = true,
                .ChTag = "WORK"};
    c.Exp(3) = c.Exp(2);
    c.Exp(3).Duplex = true;  // receives 4.6 MHz above
    c.CHWX[4].ScanMemory = true;
    const std::string csv = ChannelListCsv(c);
    EXPECT_TRUE(
        csv.starts_with("Bank,CH,ENABLE,RX(MHz),TX(MHz),TX,LOW,DUP,MEM,TAG\r\n"
                        "USA,01A,Yes,156.050,156.050,Yes,No,No,No,VTS\r\n"));
    for (const char* row :
         {"\r\nUSA,15,Yes,156.750,,No,No,No,No,COMMERCIAL\r\n",
          "\r\nUSA,13,Yes,156.650,156.650,Yes,Yes,No,No,BRG/BRG\r\n", "\r\nInternational,60,",
          "\r\nCanada,02,", "\r\nWX,5,Yes,162.450,,,,,Yes,162.450MHZ\r\n",
          "\r\nEXP,2,Yes,156.800,156.800,Yes,Yes,No,Yes,WORK\r\n",
          "\r\nEXP,3,Yes,161.400,156.800,Yes,Yes,Yes,Yes,WORK\r\n",
          "\r\nEXP,20,No,156.000,156.000,No,No,No,No,\r\n"}) {
        EXPECT_NE(csv.find(row), std::string::npos) << row;
    }
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 55 + 55 + 56 + 10 + 20);
}

// A MID mistyped by one lands on a neighbour: the MIDs at each region's ends and beside the
// numbers the ITU left unassigned, with those numbers.
TEST(Mmsi, CountriesOfTheMidsBesideTheGaps) {
    const struct {
        int mid;
        const char* country;  // nullptr: not assigned
    } mids[] = {
        // clang-format off
        {200, nullptr}, {201, "Albania"}, {216, "Armenia"}, {217, nullptr}, {218, "Germany"},
        {220, "Denmark"}, {221, nullptr}, {224, "Spain"}, {259, "Norway"}, {260, nullptr},
        {261, "Poland"}, {279, "Serbia"}, {280, nullptr}, {300, nullptr}, {301, "Anguilla"},
        {379, "United States Virgin Islands"}, {380, nullptr}, {400, nullptr},
        {401, "Afghanistan"}, {425, "Iraq"}, {426, nullptr}, {473, "Yemen"}, {474, nullptr},
        {478, "Bosnia and Herzegovina"}, {479, nullptr}, {500, nullptr},
        {501, "Adelie Land (France)"}, {578, "Wallis and Futuna"}, {579, nullptr},
        {601, "South Africa"}, {643, nullptr}, {644, "Lesotho"}, {645, "Mauritius"},
        {646, nullptr}, {647, "Madagascar"}, {679, "Zimbabwe"}, {680, nullptr}, {700, nullptr},
        {701, "Argentina"}, {702, nullptr}, {740, "Falkland Islands"}, {741, nullptr},
        {775, "Venezuela"}, {776, nullptr},
        // clang-format on
    };
    for (const auto& m : mids) {
        const char* country = MidCountry(m.mid);
        EXPECT_EQ(country ? std::string(country) : "-", m.country ? m.country : "-") << m.mid;
    }
}

// The ATIS number: ten digits starting with 9, any digit after it; none suggests one from the
// user MMSI while ATIS is on.
TEST(Mmsi, AtisNumberNote) {
    const std::string warning = "An ATIS number has ten digits and starts with 9";
    const struct {
        const char* atisNo;
        bool atisOn;
        const char* userMmsi;
        std::string text, warning;
    } cases[] = {
        {"9366123450", true, "366123456", "", ""},
        {"9012345678", false, "", "", ""},
        {"8366123450", true, "", "", warning},
        {"936612345", true, "", "", warning},
        {"9366/23450", true, "", "", warning},
        {"", true, "366123456", "ATIS No. suggested: 9366123456 (9 followed by the user MMSI)", ""},
        {"", false, "366123456", "", ""},
        {"", true, "36612345", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.atisNo);
        const MmsiNote note = AtisNote(c.atisNo, c.atisOn, c.userMmsi);
        EXPECT_EQ(note.text, c.text);
        EXPECT_EQ(note.warning, c.warning);
    }
}

TEST(Mmsi, KindAndCountryFromTheForm) {
    struct Case {
        const char* mmsi;
        std::string directoryNote;  // empty: not nine digits
        bool directoryWarning, userWarning;
    };
    const Case cases[] = {
        {"366123456", "Ship, MID 366 (United States)", false, false},
        {"036612345", "Group, MID 366 (United States)", false, true},
        {"002320001", "Coast station, MID 232 (United Kingdom)", false, true},
        {"111232500", "SAR aircraft, MID 232 (United Kingdom)", false, true},
        {"823212345", "Handheld, MID 232 (United Kingdom)", false, true},
        {"982111234", "Craft of a parent ship, MID 211 (Germany)", false, true},
        {"992321234", "Aid to navigation, MID 232 (United Kingdom)", true, true},
        {"970123456", "AIS-SART", true, true},
        {"972123456", "MOB device", true, true},
        {"974123456", "EPIRB-AIS", true, true},
        {"217000000", "Ship, MID 217", false, false},  // a MID not assigned
        {"123456789", "No assigned MMSI form", true, true},
        {"001234567", "No assigned MMSI form", true, true},
        {"36612345", "", false, false},
        {"36612345a", "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mmsi);
        const MmsiNote dir = DirectoryMmsiNote(c.mmsi);
        EXPECT_EQ(dir.text, c.directoryNote);
        EXPECT_EQ(dir.warning, c.directoryWarning ? "cannot be called by DSC" : "");
        EXPECT_EQ(UserMmsiNote(c.mmsi).warning.empty(), !c.userWarning);
    }
}

}  // namespace
}  // namespace rse
