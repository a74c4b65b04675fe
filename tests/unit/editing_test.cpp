// The editor's rules without Qt: tree keys and node texts, channel option enabling, directory
// slots.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "editing/channel_options.h"
#include "editing/directory_slots.h"
#include "editing/node_keys.h"
#include "support.h"

namespace rse {
namespace {

using nodes::NodeView;

TEST(NodeKeys, TextsParseToKeysAndBack) {
    EXPECT_EQ(nodes::NumericValue("  3x"), 3);
    EXPECT_EQ(nodes::NumericValue("abc"), 0);
    EXPECT_EQ(nodes::NumericValue("-4"), -4);
    EXPECT_EQ(nodes::NumericValue("99999999999999999999"), 0);

    using nodes::Branch;
    const struct {
        const char* text;
        Branch branch;
        std::optional<int> index;
        NodeView view;
        std::optional<BankId> bank;
        const char* back;  // Text() of the parsed key
    } keys[] = {
        {"P", Branch::Programmable, {}, NodeView::Priority, {}, "P"},
        {"PU", Branch::Usa, {}, NodeView::PlanList, BankId::USA, "PU"},
        {"PI", Branch::International, {}, NodeView::PlanList, BankId::INT, "PI"},
        {"PC", Branch::Canada, {}, NodeView::PlanList, BankId::CAN, "PC"},
        {"PC 55", Branch::Canada, 55, NodeView::PlanChannel, BankId::CAN, "PC 55"},
        {"PI 0", Branch::International, 0, NodeView::PlanChannel, BankId::INT, "PI 0"},
        {"PW", Branch::Wx, {}, NodeView::Wx, {}, "PW"},
        {"E", Branch::Exp, {}, NodeView::ExpList, {}, "E"},
        {"E 20", Branch::Exp, 20, NodeView::ExpChannel, {}, "E 20"},
        {"E 21", Branch::Exp, 21, NodeView::ExpChannel, {}, "E 21"},  // no node, still a key
        {"S", Branch::Setting, {}, NodeView::Settings, {}, "S"},
        {"SM", Branch::Directory, {}, NodeView::DirectoryList, {}, "SM"},
        {"SM 1", Branch::Directory, 1, NodeView::DirectoryEntry, {}, "SM 1"},
        {"SM x", Branch::Directory, 0, NodeView::DirectoryEntry, {}, "SM 0"},
        // Texts that name no node kind.
        {"", Branch::None, {}, NodeView::None, {}, ""},
        {"PW 1", Branch::None, {}, NodeView::None, {}, ""},
        {"P 1", Branch::None, {}, NodeView::None, {}, ""},
        {"PUX", Branch::None, {}, NodeView::None, {}, ""},
        {"X 3", Branch::None, {}, NodeView::None, {}, ""},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.text);
        const nodes::NodeKey key = nodes::NodeKey::Parse(k.text);
        EXPECT_EQ(key.branch, k.branch);
        EXPECT_EQ(key.index, k.index);
        EXPECT_EQ(key.View(), k.view);
        EXPECT_EQ(key.Bank(), k.bank);
        EXPECT_EQ(key.Text(), k.back);
        EXPECT_EQ(nodes::NodeKey::Parse(key.Text()), key);
    }
    // Each plan bank has its branch; the other banks have none.
    for (const BankId bank : {BankId::USA, BankId::INT, BankId::CAN}) {
        const nodes::NodeKey plan{*nodes::PlanBranch(bank)};
        EXPECT_EQ(plan.Bank(), bank);
    }
    EXPECT_FALSE(nodes::PlanBranch(BankId::WX));
    EXPECT_FALSE(nodes::PlanBranch(BankId::EXP));
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
