// The editor's rules without Qt: tree keys and node texts, channel option enabling, directory
// slots.
#include <gtest/gtest.h>

#include <array>

#include "editing/channel_options.h"
#include "editing/directory_slots.h"
#include "editing/node_keys.h"
#include "test_support.h"

namespace rse {
namespace {

using nodes::NodeView;

TEST(NodeKeys, KeysIndicesAndViews) {
    EXPECT_EQ(nodes::LeafKey("PU", 0), "PU 0");
    EXPECT_EQ(nodes::LeafKey("SM", 20), "SM 20");
    EXPECT_EQ(nodes::KeyIndex("PU 12", 2), 12);
    EXPECT_EQ(nodes::KeyIndex("E 7", 1), 7);
    EXPECT_EQ(nodes::KeyIndex("SM", 2), 0);
    EXPECT_EQ(nodes::NumericValue("  3x"), 3);
    EXPECT_EQ(nodes::NumericValue("abc"), 0);
    EXPECT_EQ(nodes::NumericValue("-4"), -4);
    EXPECT_EQ(nodes::NumericValue("99999999999999999999"), 0);

    const struct {
        const char* key;
        NodeView view;
    } views[] = {
        {"P", NodeView::Priority},
        {"PU", NodeView::PlanList},
        {"PI", NodeView::PlanList},
        {"PC", NodeView::PlanList},
        {"PC 55", NodeView::PlanChannel},
        {"PI 0", NodeView::PlanChannel},
        {"PW", NodeView::Wx},
        {"E", NodeView::ExpList},
        {"E 20", NodeView::ExpChannel},
        {"S", NodeView::Settings},
        {"SM", NodeView::DirectoryList},
        {"SM 1", NodeView::DirectoryEntry},
        {"", NodeView::None},
        {"PW 1", NodeView::None},
        {"S 1", NodeView::None},
        {"PUX", NodeView::None},
        {"SM3", NodeView::None},
    };
    for (const auto& v : views)
        EXPECT_EQ(nodes::ViewOfKey(v.key), v.view) << v.key;
}

TEST(NodeKeys, NodeTextsFollowTheConfiguration) {
    test::NewDocument doc;
    Configuration& config = doc.config;
    int ch16 = -1;
    for (std::size_t k = 0; k < config.CHUSA.size(); ++k) {
        if (config.CHUSA[k].Position == 16) ch16 = static_cast<int>(k);
    }
    ASSERT_GE(ch16, 0);
    EXPECT_EQ(nodes::ChannelNodeText(config, BankId::USA, ch16), "CH16[Enable]");
    config.CHUSA[static_cast<std::size_t>(ch16)].Enable = false;
    EXPECT_EQ(nodes::ChannelNodeText(config, BankId::USA, ch16), "CH16");

    EXPECT_EQ(nodes::ExpNodeText(config, 1), "EXP1");
    config.Exp(20).Enable = true;
    EXPECT_EQ(nodes::ExpNodeText(config, 20), "EXP20[Enable]");
    EXPECT_EQ(nodes::DirectoryNodeText(config, 3), "MemoryID3");

    // Indices outside the banks give no text instead of reading past them.
    EXPECT_FALSE(nodes::ChannelNodeText(config, BankId::USA, -1));
    EXPECT_FALSE(nodes::ChannelNodeText(config, BankId::CAN, 56));
    EXPECT_TRUE(nodes::ChannelNodeText(config, BankId::CAN, 55));
    EXPECT_FALSE(nodes::ExpNodeText(config, 0));
    EXPECT_FALSE(nodes::ExpNodeText(config, 21));
    EXPECT_FALSE(nodes::DirectoryNodeText(config, 21));
}

TEST(ChannelOptions, EnablingFollowsTheRecordAndItsPlanEntry) {
    PlanEntry duplex;
    duplex.Label = "22";
    duplex.DuplexCapable = true;
    PlanEntry simplex;
    simplex.Label = "16";
    PlanEntry dsc;
    dsc.Label = "70";
    using S = ChannelOptionStates;
    const struct {
        bool enable, txEnable, lowPower, plan;
        const PlanEntry* entry;
        S expected;  // txEnable, lowPower, powerUp, duplex, scanMemory, tagName
    } rows[] = {
        // EXP memories: each option follows the one before it.
        {false, true, true, false, &duplex, S{false, false, false, false, false, false}},
        {true, false, true, false, &duplex, S{true, false, false, true, true, true}},
        {true, true, false, false, &duplex, S{true, true, false, true, true, true}},
        {true, true, true, false, &duplex, S{true, true, true, true, true, true}},
        {true, true, true, false, &simplex, S{true, true, true, false, true, true}},
        {true, true, true, false, &dsc, S{true, true, true, false, true, true}},
        // Plan-bank channels: Enable, Scan Memory and Tag Name only; channel 70 never scans.
        {true, true, true, true, &duplex, S{false, false, false, false, true, true}},
        {false, true, true, true, &duplex, S{false, false, false, false, false, false}},
        {true, true, true, true, &dsc, S{false, false, false, false, false, true}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        ChannelRecord r;
        r.Enable = row.enable;
        r.TxEnable = row.txEnable;
        r.LowPower = row.lowPower;
        r.DuplexCapable = true;  // the panel takes Duplex from the plan entry
        const S s = ChannelOptionEnabling(r, *row.entry, row.plan);
        const S& e = row.expected;
        EXPECT_EQ(
            (std::array{s.txEnable, s.lowPower, s.powerUp, s.duplex, s.scanMemory, s.tagName}),
            (std::array{e.txEnable, e.lowPower, e.powerUp, e.duplex, e.scanMemory, e.tagName}))
            << "row " << i;
    }
}

TEST(DirectorySlots, StatesAndDeletion) {
    Configuration config;
    const auto states = [&config] {
        std::string s;
        for (int slot = 1; slot <= kDirectoryCount; ++slot) {
            const SlotState state = DirectorySlotState(config, slot);
            s += state == SlotState::Used ? 'U' : state == SlotState::NextFree ? 'N' : '-';
        }
        return s;
    };
    EXPECT_EQ(states(), "N-------------------");
    for (int slot = 1; slot <= 3; ++slot) {
        config.Dir(slot).Mmsid = "00000000" + std::to_string(slot);
        config.Dir(slot).Enable = true;
    }
    EXPECT_EQ(states(), "UUUN----------------");

    DeleteDirectoryEntry(config, 2);  // the later entries move up
    EXPECT_EQ(states(), "UUN-----------------");
    EXPECT_EQ(config.Dir(2).Mmsid, "000000003");
    DeleteDirectoryEntry(config, 0);  // outside the directory: nothing happens
    DeleteDirectoryEntry(config, 21);
    EXPECT_EQ(states(), "UUN-----------------");

    for (int slot = 1; slot <= kDirectoryCount; ++slot)
        config.Dir(slot).Enable = true;
    EXPECT_EQ(states(), std::string(20, 'U'));
    DeleteDirectoryEntry(config, 20);
    EXPECT_EQ(states(), std::string(19, 'U') + "N");
}

}  // namespace
}  // namespace rse
