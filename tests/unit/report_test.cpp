#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "report/printed_report.h"
#include "report/text_report.h"
#include "support.h"

namespace rse {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2) {
        lines.push_back(text.substr(start, p - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(TextReport, LayoutOfANewConfiguration) {
    test::NewDocument doc;
    doc.config.SETCOM.Contrast = 5;
    doc.config.SETCOM.AtisOnOff = true;
    doc.config.SETCOM.AtisNo = "1234567890";
    doc.config.SETCOM.UserMmsid = "366999999";
    doc.image[0x195] = 255;
    doc.config.CHUSA[0].ChTag = "FIFTEENCHARSXYZ";
    doc.config.CHUSA[0].Enable = false;
    doc.config.Dir(1) = {true, "HOME", "366000001"};
    const std::string text = MakeTextImage(doc.config, doc.image);
    const auto lines = Lines(text);

    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], "##### Common Setting #####");
    EXPECT_EQ(lines[1], "ContrastLevel    : 5");
    EXPECT_EQ(lines[2], "Dimmer Status    : HI");
    EXPECT_EQ(lines[4], "AtisOnOff        : Yes        ----- ATIS No.  : 1234567890");
    EXPECT_EQ(lines[6], "Indivisual Ringer: 3 min");
    EXPECT_EQ(lines[12], "OffsetTime       : +0:00");
    EXPECT_EQ(lines[13], "UserMmsi         : 366999999  ----- Count : 255");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15], "##### Programable USA Channel #####");
    EXPECT_EQ(lines[16], "CH   ENABLE  RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  TAG");
    EXPECT_EQ(lines[18], "01A  ------  156.050  156.050  TX  ---  --  ---  ---- --  FIFTEENCHARS");
    // USA "15" is receive only, "13" low power, "20" duplex.
    EXPECT_NE(
        text.find("\r\n15   ENABLE  156.750  ---.---  --  ---  --  ---  ---- --  COMMERCIAL  \r\n"),
        std::string::npos);
    EXPECT_NE(
        text.find("\r\n13   ENABLE  156.650  156.650  TX  LOW  --  ---  ---- --  BRG/BRG     \r\n"),
        std::string::npos);
    EXPECT_NE(text.find("\r\n20   ENABLE  161.600  157.000  TX  ---"), std::string::npos);

    // Each section is separated by exactly one empty line.
    int empty = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) {
            ++empty;
            EXPECT_EQ(lines[i + 1].substr(0, 6), "##### ");
        }
    }
    EXPECT_EQ(empty, 6);

    EXPECT_NE(text.find("##### Programable Wx Channel #####\r\nCH  ENABLE  MEM  TAG Name\r\n"
                        "--  ------  ---  ------------\r\n1   ENABLE  ---- 162.550MHZ  \r\n"),
              std::string::npos);
    EXPECT_NE(
        text.find("CH  POS  ENABLE  RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  TAG\r\n"
                  "--  ---  ------  -------  -------  --  ---  --  ---  ---  --  ------------\r\n"
                  "1   0    ------  160.600  156.000  --  ---  --  ---  ---- --              \r\n"),
        std::string::npos);
    EXPECT_NE(text.find("##### Memory ID Setting #####\r\nNo.  ENABLE  Tag Name     MMSI\r\n"
                        "---  ------  ----------  ---------\r\n"
                        "1    ENABLE  HOME          366000001\r\n2    ------                 "),
              std::string::npos);
    EXPECT_EQ(lines.back(), "20   ------" + std::string(25, ' '));
    EXPECT_EQ(TextReportFile(doc.config, doc.image), text + "\r\n");

    // Values without a text leave out the line (the offset) or its value (the dimmer).
    doc.config.SETCOM.OffsetTime = 30;
    doc.config.SETCOM.Dimmer = 9;
    const std::string odd = MakeTextImage(doc.config, doc.image);
    EXPECT_EQ(odd.find("OffsetTime"), std::string::npos);
    EXPECT_NE(odd.find("Dimmer Status    : \r\n"), std::string::npos);
    EXPECT_NE(odd.find("\r\nUserMmsi"), std::string::npos);
}

std::string CellsAt(const PrintLine& line) {
    std::ostringstream out;
    for (const PrintCell& c : line)
        out << c.xMm << ':' << c.text << '|';
    return out.str();
}

TEST(PrintedReport, SevenPagesWithCellsAtTheirPositions) {
    test::NewDocument doc;
    doc.config.SETCOM.AtisNo = "1234567890";
    doc.image[0x195] = 3;
    ChannelRecord& exp = doc.config.Exp(2);
    exp.Position = 16;
    exp.Enable = true;
    const auto pages = LayoutPrintedReport(doc.config, doc.image);
    ASSERT_EQ(pages.size(), 7u);
    for (int p = 0; p < 7; ++p) {
        EXPECT_EQ(pages[p].lines[0], (PrintLine{{0, PrintPageHeaderText(p + 1, 7)}}));
        EXPECT_TRUE(pages[p].lines[1].empty());
    }
    EXPECT_EQ(PrintPageHeaderText(4, 7), "QM24 VH3400M Radio Setup Editor --- Page 4 of 7");

    const auto& common = pages[0].lines;
    EXPECT_EQ(CellsAt(common[2]), "0:##### Common Setting #####|");
    EXPECT_EQ(CellsAt(common[3]), "0:ContrastLevel|48:: 4|");
    EXPECT_EQ(CellsAt(common[6]), "0:AtisOnOff|48:: No|70:----- ATIS No.|119:: 1234567890|");
    EXPECT_EQ(CellsAt(common[9]), "0:Indivisual reply|48:: Yes|");
    EXPECT_EQ(CellsAt(common[15]), "0:UserMmsi|48:: |70:----- Count|119:: 3|");

    const auto& usa = pages[1].lines;
    EXPECT_EQ(CellsAt(usa[2]), "0:##### Programable USA Channel #####|");
    EXPECT_EQ(CellsAt(usa[4]),
              "0:---|12:------|31:-------|52:-------|73:--|82:---|94:--|104:---|116:---|128:--|"
              "137:------------|");
    EXPECT_EQ(CellsAt(usa[5]),
              "0:01A|12:ENABLE|31:156.050|52:156.050|73:TX|82:---|94:--|104:---|116:----|128:--|"
              "137:VTS|");
    EXPECT_EQ(usa.size(), 5u + 55u);
    EXPECT_EQ(pages[3].lines.size(), 5u + 56u);

    const auto& wx = pages[4].lines;
    EXPECT_EQ(CellsAt(wx[2]), "0:##### Programable WX Channel #####|");
    EXPECT_EQ(CellsAt(wx[4]), "0:--|9:-----|28:---|40:------------|");
    EXPECT_EQ(CellsAt(wx[5]), "0:1|9:ENABLE|28:----|40:162.550MHZ|");

    // The EXP receive column shows the receive frequency only for a duplex channel.
    const auto& expPage = pages[5].lines;
    EXPECT_EQ(CellsAt(expPage[4]),
              "0:--|9:---|21:------|40:-------|61:-------|82:--|92:---|104:--|"
              "113:---|125:---|137:--|146:------------|");
    EXPECT_EQ(CellsAt(expPage[6]),
              "0:2|9:16|21:ENABLE|40:156.800|61:156.800|82:--|92:---|104:--|113:---|125:----|"
              "137:--|146:|");
    doc.config.Exp(2).Duplex = true;
    EXPECT_EQ(LayoutPrintedReport(doc.config, doc.image)[5].lines[6][3].text, "161.400");

    const auto& dir = pages[6].lines;
    EXPECT_EQ(CellsAt(dir[2]), "0:##### Memory ID #####|");
    EXPECT_EQ(CellsAt(dir[3]), "0:No.|11:ENABLE|30:TAG Name|61:MMSI|");
    EXPECT_EQ(CellsAt(dir[4]), "0:--|11:-----|30:------------|61:---------|");
    EXPECT_EQ(CellsAt(dir.back()), "0:20|11:------|30:|61:|");
}

}  // namespace
}  // namespace rse
