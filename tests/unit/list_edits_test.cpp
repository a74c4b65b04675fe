// Changes to many channels at once, lists as clipboard text and stations pasted into the
// directory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/channel_batch.h"
#include "editing/clipboard_text.h"
#include "editing/node_keys.h"
#include "support.h"

namespace rse {
namespace {

int RecordWithLabel(const Configuration& config, BankId bank, const std::string& label) {
    const std::vector<ChannelRecord>& records = BankOf(config, bank);
    for (std::size_t k = 0; k < records.size(); ++k) {
        const PlanEntry* e = Plans().For(bank).Find(records[k].Position);
        if (e && e->Label == label) return static_cast<int>(k);
    }
    return -1;
}

TEST(ChannelBatch, EachRowFollowsTheChannelPanelsRules) {
    const Configuration fresh = test::NewDocument().config;
    const int ch16 = RecordWithLabel(fresh, BankId::USA, "16");
    const int ch70 = RecordWithLabel(fresh, BankId::USA, "70");
    const int ch06 = RecordWithLabel(fresh, BankId::USA, "06");
    ASSERT_TRUE(ch16 >= 0 && ch70 >= 0 && ch06 >= 0);
    using C = ChannelChange;
    const struct {
        const char* what;
        BankId bank;
        std::vector<int> rows;
        C change;
        std::function<void(Configuration&)> before;  // the list as the user found it
        std::function<void(Configuration&)> after;   // what the change must do, nothing else
        ChannelBatchResult counts;                   // changed, already so, left alone
    } cases[] = {
        // clang-format off
        {"scan on: a disabled channel and channel 70 are left alone", BankId::USA, {ch16, ch70, ch06}, C::ScanOn,
         [&](Configuration& c) { c.CHUSA[ch06].Enable = false; },
         [&](Configuration& c) { c.CHUSA[ch16].ScanMemory = true; }, {1, 0, 2}},
        {"scan off on channel 70 set by a file is left alone", BankId::USA, {ch70, ch16}, C::ScanOff,
         [&](Configuration& c) { c.CHUSA[ch70].ScanMemory = c.CHUSA[ch16].ScanMemory = true; },
         [&](Configuration& c) { c.CHUSA[ch16].ScanMemory = false; }, {1, 0, 1}},
        {"disable is always allowed", BankId::INT, {0, 1, 2}, C::Disable,
         [](Configuration& c) { c.CHINT[1].Enable = false; },
         [](Configuration& c) { c.CHINT[0].Enable = c.CHINT[2].Enable = false; }, {2, 1, 0}},
        {"enable keeps the other flags", BankId::CAN, {3}, C::Enable,
         [](Configuration& c) { c.CHCAN[3].Enable = false; c.CHCAN[3].ScanMemory = true; },
         [](Configuration& c) { c.CHCAN[3].Enable = true; }, {1, 0, 0}},
        {"EXP memories count from 1; rows outside the bank are ignored", BankId::EXP, {0, 1, 2, 21}, C::ScanOn,
         [](Configuration& c) { c.Exp(1).Enable = true; c.Exp(2).Enable = false; },
         [](Configuration& c) { c.Exp(1).ScanMemory = true; }, {1, 0, 1}},
        {"the WX bank has no list", BankId::WX, {0, 1}, C::Disable, {}, {}, {0, 0, 0}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Configuration config = fresh;
        if (c.before) c.before(config);
        Configuration expected = config;
        if (c.after) c.after(expected);
        const ChannelBatchResult r = ChangeChannels(config, c.bank, c.rows, c.change);
        EXPECT_TRUE(config == expected);
        EXPECT_EQ((std::vector{r.changed, r.unchanged, r.leftAlone}),
                  (std::vector{c.counts.changed, c.counts.unchanged, c.counts.leftAlone}));
    }
}

TEST(ClipboardText, RowsAreTabSeparatedAndQuotedWhereNeeded) {
    const struct {
        std::vector<std::vector<std::string>> rows;
        const char* text;
    } cases[] = {
        {{{"a\tb", "say \"hi\"", "two\nlines"}, {"", ""}},
         "\"a\tb\"\t\"say \"\"hi\"\"\"\t\"two\nlines\"\n\t\n"},
        {{{"CH"}}, "CH\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TabSeparatedRows(c.rows), c.text);
}

std::string Entries(const std::vector<DirectoryEntry>& entries) {
    std::string s;
    for (const DirectoryEntry& e : entries)
        s += e.TagName + "=" + e.Mmsid + ";";
    return s;
}

std::string Lines(const std::vector<RowMessage>& messages) {
    std::string s;
    for (const RowMessage& m : messages)
        s += m.Text() + ";";
    return s;
}

TEST(DirectoryPaste, MessageLinesShowTheFirstFewAndCountTheRest) {
    const std::vector<RowMessage> three{{1, "a"}, {4, "b"}, {7, "c"}};
    const struct {
        std::vector<RowMessage> messages;
        std::size_t max;
        const char* lines;
    } cases[] = {
        {{}, 5, ""},
        {three, 3, "line 1: a\nline 4: b\nline 7: c"},
        {three, 2, "line 1: a\nline 4: b\n(and 1 more)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowMessageLines(c.messages, c.max), c.lines) << c.max;
}

TEST(DirectoryPaste, RowsFollowTheImportRulesFromTheSelectedSlotOn) {
    const struct {
        const char* what;
        const char* text;
        int used;      // stations already in the directory, MMSI 36600000k in slot k
        int selected;  // the selected row's slot
        int first;     // the slot the rows go into
        const char* entries;
        const char* refused;  // "*": refused in the CSV reader's words
        const char* warnings;
    } cases[] = {
        // clang-format off
        {"a spreadsheet's rows with a header", "Name\tMMSI\r\nbuddy\t366 000 010\r\n", 0, 1, 1, "BUDDY=366000010;", "", ""},
        {"the directory list's own copy", "No.\tENABLE\tSTATION NAME\tMMSI\n1\t[Enable]\tHARBOUR\t002320001\n2\t\t\t\n",
         2, 2, 2, "HARBOUR=002320001;", "", ""},
        {"commas without a header, MMSI last", "one,366000011\ntwo,366000012", 0, 1, 1, "ONE=366000011;TWO=366000012;", "", ""},
        {"semicolons, columns swapped", "MMSI;Name\n366000013;three\n", 0, 1, 1, "THREE=366000013;", "", ""},
        {"a selection past the first free slot starts there", "x\t366000014\n", 2, 9, 3, "X=366000014;", "", ""},
        {"lines are the text's own without a header", "ok,366000015\n\nTHIS NAME IS LONG,36600001\n", 0, 1, 1, "",
         "line 3: the name has 17 characters; the radio holds at most 10;line 3: the MMSI has 8 digits; an MMSI has 9 "
         "digits (a spreadsheet may have dropped its leading zeros: format the column as text);", ""},
        {"the same warnings as the import", "SART\t970123456\nNOBODY\t\n", 0, 1, 1, "SART=970123456;NOBODY=;", "",
         "line 1: MMSI 970123456 cannot be called by DSC: AIS-SART;line 2: no MMSI: the radio's directory ends before an "
         "entry without one;"},
        {"rows past slot 20", "a\t366000021\nb\t366000022\n", 19, 20, 20, "",
         "line 2: more than 1 rows from slot 20: the directory holds 20 stations;", ""},
        {"an MMSI kept in another slot", "dup\t366000001\n", 2, 3, 3, "", "line 1: MMSI 366000001 is already used in slot 1;", ""},
        {"an MMSI replacing its own slot", "same\t366000001\n", 2, 1, 1, "SAME=366000001;", "", ""},
        {"nothing to paste", " \n\n", 0, 1, 1, "", "line 1: no rows of Name and MMSI to paste;", ""},
        {"a header without the name", "MMSI\tCall sign\n366000001\tABC\n", 0, 1, 1, "",
         "line 1: the header line does not name both columns Name and MMSI;", ""},
        {"an unclosed quote", "a,\"366", 0, 1, 1, "", "*", ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Configuration config;
        for (int k = 1; k <= c.used; ++k)
            config.Dir(k) = {true, "S" + std::to_string(k), "36600000" + std::to_string(k % 10)};
        const DirectoryPaste paste = ReadDirectoryPaste(c.text, config, c.selected);
        EXPECT_EQ(paste.firstSlot, c.first);
        EXPECT_EQ(Entries(paste.entries), c.entries);
        if (std::string(c.refused) == "*") {
            EXPECT_FALSE(paste.Ok());  // the reader's own words, with its line
        } else {
            EXPECT_EQ(Lines(paste.refused), c.refused);
        }
        EXPECT_EQ(Lines(paste.warnings), c.warnings);

        // Applying: the rows go into their slots, every other slot stays; nothing when refused.
        Configuration expected = config;
        for (std::size_t k = 0; k < paste.entries.size(); ++k)
            expected.Dir(c.first + static_cast<int>(k)) = paste.entries[k];
        ApplyDirectoryPaste(config, paste);
        EXPECT_TRUE(config == expected);
    }
}

}  // namespace
}  // namespace rse
