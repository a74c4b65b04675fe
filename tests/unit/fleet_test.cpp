// The radio's identity, the configuration laid over a radio, and the fleet's log and words.
#include <gtest/gtest.h>

#include "files/fleet_log.h"
#include "image/codec.h"
#include "image/identity.h"
#include "link/fleet.h"
#include "model/mmsi.h"
#include "report/fleet_record.h"
#include "support.h"

namespace rse::test {
namespace {

TEST(IdentityGuard, AsksOnlyWhenTheImageWouldChangeANumberTheRadioHolds) {
    const std::string kMmsi = "366123456", kAtis = "9366123456";
    struct Case {
        const char* name;
        MemoryImage radio, image;
        std::vector<std::string> sentences;  // none: no question
    };
    MemoryImage garbage = DefaultImage();  // bytes that are no digits still count as held
    garbage[mem::kUserMmsid.address] = 0xAB;
    // clang-format off
    const Case cases[] = {
        {"radio empty", ImageWithNumbers("", ""), ImageWithNumbers("366999001", "9366999001"), {}},
        {"same numbers", ImageWithNumbers(kMmsi, kAtis), ImageWithNumbers(kMmsi, kAtis), {}},
        {"radio holds an MMSI only, file adds an ATIS number", ImageWithNumbers(kMmsi, ""), ImageWithNumbers(kMmsi, kAtis), {}},
        {"different MMSI", ImageWithNumbers(kMmsi, kAtis), ImageWithNumbers("366999001", kAtis),
         {"This radio's own MMSI is 366123456. The configuration would change it to 366999001."}},
        {"different ATIS number", ImageWithNumbers(kMmsi, kAtis), ImageWithNumbers(kMmsi, "9366999001"),
         {"This radio's own ATIS number is 9366123456. The configuration would change it to 9366999001."}},
        {"both", ImageWithNumbers(kMmsi, kAtis), ImageWithNumbers("366999001", "9366999001"),
         {"This radio's own MMSI is 366123456. The configuration would change it to 366999001.",
          "This radio's own ATIS number is 9366123456. The configuration would change it to 9366999001."}},
        {"file empty where the radio has one", ImageWithNumbers(kMmsi, kAtis), ImageWithNumbers("", ""),
         {"This radio's own MMSI is 366123456. The configuration would erase it.",
          "This radio's own ATIS number is 9366123456. The configuration would erase it."}},
        {"radio holds bytes that are no digits", garbage, ImageWithNumbers("", ""), {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto change = IdentityQuestion(IdentityOf(c.radio), c.image);
        EXPECT_EQ(change ? IdentitySentences(*change) : std::vector<std::string>{}, c.sentences);
    }
}

TEST(IdentityGuard, KeepWritesTheRadiosSixteenBytesChangeTheImagesAndLayOverKeepsTheRest) {
    MemoryImage radio = ImageWithNumbers("366123456", "9366123456");
    radio[mem::kMmsiEntryCount.address] = 3;
    radio[mem::kNotEdited196.address] = 0x12;  // the five bytes nobody edits
    radio[0xFA0] = 0x5A;                       // and a byte outside the block
    MemoryImage image = ImageWithNumbers("366999001", "");
    image[0x00A] = 0;  // key beep off
    const IdentityBlock block = IdentityOf(radio);
    EXPECT_EQ(IdentityOf(ApplyIdentityChoice(image, block, IdentityChoice::Keep)), block);
    EXPECT_EQ(ApplyIdentityChoice(image, block, IdentityChoice::Change), image);
    EXPECT_EQ(ApplyIdentityChoice(image, block, IdentityChoice::Cancel), image);

    // The fleet: a configuration over what each radio holds.
    Configuration config = NewDocument().config;
    config.SETCOM.UserMmsid = "366999001";
    config.SETCOM.KeyBeep = false;
    config.CHUSA[0].ChTag = "HARBOUR";
    const MemoryImage laid = LayOverKeepingIdentity(config, radio);
    // The radio's identity block; every other byte as the configuration encodes it over the
    // radio's (its key beep off, the byte at 0xFA0 the radio's).
    MemoryImage plain = radio;
    EncodeImage(config, plain);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool identity = i >= kIdentityAddress && i < kIdentityAddress + kIdentitySize;
        EXPECT_EQ(laid[i], identity ? radio[i] : plain[i]) << i;
    }
}

FleetLogRow Row(int radio, const std::string& mmsi, const std::string& detail = "") {
    // clang-format off
    return {"2026-12-07T10:00:00+01:00", radio, "QM24 VH3400M", mmsi, "Ship, MID 366", "",
            "verified", detail, "20261207-100000.hex", "ab"};
    // clang-format on
}

TEST(FleetLog, HeaderOnceRowsAppendedEachWholeOnItsLine) {
    const std::string header =
        "time,radio,model,user_mmsi,mmsi_kind,atis_no,result,detail,backup,sha256\r\n";
    const std::string row1 =
        "2026-12-07T10:00:00+01:00,1,QM24 VH3400M,366123456,\"Ship, MID 366\",,verified,,"
        "20261207-100000.hex,ab\r\n";
    const std::string row4 = row1.substr(0, 26) + "4" + row1.substr(27);
    // The row appended: radio n with a detail.
    const auto added = [](int n) {
        return "2026-12-07T10:00:00+01:00," + std::to_string(n) +
               ",QM24 VH3400M,366123457,\"Ship, MID 366\",,verified,no MMSI,"
               "20261207-100000.hex,ab\r\n";
    };
    struct Case {
        const char* name;
        std::optional<std::string> before;  // the file before; none: missing
        bool opens;
        int nextRadio;
        std::string after;  // the file after appending radio nextRadio
    };
    // clang-format off
    const Case cases[] = {
        {"missing: created with the header", std::nullopt, true, 1, header + added(1)},
        {"empty: gets the header", "", true, 1, header + added(1)},
        {"a log of an earlier run: numbers go on", header + row1, true, 2, header + row1 + added(2)},
        {"a row cut short by a crash stays apart", header + row1 + "2026-12-07T11", true, 2,
         header + row1 + "2026-12-07T11\r\n" + added(2)},
        {"highest number counts", header + row4 + row1, true, 5, header + row4 + row1 + added(5)},
        {"not a log", "name,mmsi\r\n", false, 1, "name,mmsi\r\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.File("LOG.csv");
        if (c.before) {
            ASSERT_TRUE(WriteFileAtomic(path, *c.before).ok);
        }
        FleetLog log(path);
        ASSERT_EQ(log.Open().ok, c.opens);
        EXPECT_EQ(log.NextRadio(), c.nextRadio);
        if (!c.opens) {
            EXPECT_EQ(ReadText(path), c.after);
            continue;
        }
        FleetLogRow row = Row(log.NextRadio(), "366123457", "no MMSI");
        ASSERT_TRUE(log.Append(row).ok);
        EXPECT_EQ(ReadText(path), c.after);
        FleetLog again(path);  // read back: every row, the one appended last
        ASSERT_TRUE(again.Open().ok);
        EXPECT_EQ(again.Rows().back().Fields(), row.Fields());
    }
}

TEST(FleetLog, WarningsNameWhatDeservesAttentionAndNeverStop) {
    TempDir dir;
    FleetLog log(dir.File("LOG.csv"));
    ASSERT_TRUE(log.Open().ok);
    ASSERT_TRUE(log.Append(Row(1, "366123456")).ok);
    ASSERT_TRUE(log.Append(Row(2, "366123457")).ok);
    ASSERT_TRUE(log.Append(Row(3, "")).ok);
    const struct {
        std::string mmsi;
        std::vector<std::string> warnings;
    } cases[] = {
        {"366123458", {}},
        {"", {"no MMSI: enter it at the radio"}},
        {"366123457", {"366123457 is also radio 2 of this log"}},
        {"036612345", {"This is a group MMSI; a radio's own MMSI is a ship station's"}},
        {"002320001", {"This is a coast station MMSI; a radio's own MMSI is a ship station's"}},
        {"972123456", {"This is a MOB device MMSI; a radio's own MMSI is a ship station's"}},
        {"970123456", {"This is an AIS-SART MMSI; a radio's own MMSI is a ship station's"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mmsi);
        EXPECT_EQ(FleetWarnings({c.mmsi, ""}, log), c.warnings);
    }
    // A log of an earlier run counts as well.
    FleetLog later(dir.File("LOG.csv"));
    ASSERT_TRUE(later.Open().ok);
    EXPECT_EQ(FleetWarnings({"366123456", ""}, later),
              std::vector<std::string>{"366123456 is also radio 1 of this log"});
}

TEST(FleetWords, SummaryNamesEachResultThatOccurred) {
    using R = FleetResult;
    EXPECT_EQ(FleetSummary({R::Verified, R::Failed, R::Verified}),
              "3 radios: 2 verified, 1 failed");
    EXPECT_EQ(FleetSummary({R::Cancelled}), "1 radio: 1 cancelled");
    EXPECT_EQ(FleetSummary({R::Programmed, R::Programmed}), "2 radios: 2 programmed");
    EXPECT_EQ(FleetSummary({}), "0 radios");
}

TEST(FleetRecord, OnePageWithTheRadiosIdentityChannelsAndProof) {
    Configuration config = NewDocument().config;
    config.SETCOM.UserMmsid = "036612345";
    config.CHUSA[1].Enable = false;
    config.CHWX[1].Enable = false;
    config.Dir(1) = {true, "HARBOUR", "002320001"};
    const PrintPage page =
        LayoutFleetRecord({"2026-12-07T10:00:00Z", 3, "verified", "b.hex", "ab12"}, config);
    std::vector<std::string> lines;
    for (const PrintLine& line : page.lines) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i)
            text += (i == 0 ? "" : "|") + line[i].text;
        lines.push_back(text);
    }
    for (const char* wanted :
         {"User MMSI|036612345", "MMSI kind|Group, MID 366 (United States)",
          "|This is a group MMSI; a radio's own MMSI is a ship station's", "USA|54 of 55 enabled:",
          "WX|9 of 10 enabled:", "|WX1 WX3 WX4 WX5 WX6 WX7 WX8 WX9 WX10", "Directory: 1 entry",
          "|002320001  HARBOUR", "Result|verified: read back, the radio holds what was sent",
          "Backup|b.hex", "SHA-256|ab12"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), wanted), lines.end()) << wanted;
    }
    EXPECT_LT(page.lines.size(), 80u);  // one page
}

}  // namespace
}  // namespace rse::test
