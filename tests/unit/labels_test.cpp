#include <gtest/gtest.h>

#include <cmath>

#include "model/labels.h"
#include "model/texts.h"

namespace rse {
namespace {

TEST(Labels, FrequencyText) {
    EXPECT_EQ(FreqText(0), "---.---");
    EXPECT_EQ(FreqText(-1), "---.---");
    EXPECT_EQ(FreqText(std::nan("")), "---.---");
    EXPECT_EQ(FreqText(156.05), "156.050");
    EXPECT_EQ(FreqText(16.8), "016.800");
    EXPECT_EQ(FreqText(156.0254), "156.025");
}

TEST(Labels, OffsetTimeList) {
    const auto& t = OffsetTimeTexts();
    ASSERT_EQ(t.size(), 25u);
    EXPECT_EQ(t[0], "-12:00");
    EXPECT_EQ(t[11], "-1:00");
    EXPECT_EQ(t[12], "+0:00");
    EXPECT_EQ(t[24], "+12:00");
    ASSERT_NE(OffsetTimeText(0), nullptr);
    EXPECT_EQ(*OffsetTimeText(0), "-12:00");
    ASSERT_NE(OffsetTimeText(24), nullptr);
    EXPECT_EQ(OffsetTimeText(25), nullptr);
    EXPECT_EQ(OffsetTimeText(-1), nullptr);
}

TEST(Labels, FlagsAndSelections) {
    EXPECT_EQ(MarkScan(true), "SCAN");
    EXPECT_EQ(DimmerText(1), "MID");
    EXPECT_EQ(DimmerText(4), "");
    EXPECT_EQ(ScanTypeText(1), "Priority");
    EXPECT_EQ(ScanTypeText(2), "");
    EXPECT_EQ(RingerText(3), "5 times");
    EXPECT_EQ(RingerText(-1), "");
}

}  // namespace
// The core's texts for people: placeholders filled in order of their numbers, once.
TEST(Texts, FillTextAndPhrases) {
    const struct {
        const char* text;
        std::vector<std::string> arguments;
        const char* filled;
    } cases[] = {
        {"%1 is open in process %2 (%3)",
         {"/dev/ttyUSB0", "42", "minicom"},
         "/dev/ttyUSB0 is open in process 42 (minicom)"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1%1", {"x"}, "xx"},
        {"%1 stays %2", {"only"}, "only stays %2"},  // no argument for it
        {"100% %", {}, "100% %"},
        {"%1", {"%2"}, "%2"},  // an argument is not filled in again
        {"%0 and %a", {"z"}, "%0 and %a"},
        {"ends with %", {"z"}, "ends with %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillText(c.text, c.arguments), c.filled) << c.text;

    Phrase p("%1 exists", {"/dev/a"});
    p.Add(" (it leads to %1)", {"/dev/b"}).Add(".");
    EXPECT_EQ(p.English(), "/dev/a exists (it leads to /dev/b).");
    EXPECT_TRUE(Phrase().Empty());
}

}  // namespace rse
