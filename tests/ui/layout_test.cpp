// Pure functions of the shell: switches and tree keys.
#include <gtest/gtest.h>

#include "app/switches.h"
#include "image/codec.h"
#include "ui/node_keys.h"

namespace rse {
namespace {

TEST(Switches, WholeLineAnyCaseOneSwitchOnly) {
    struct Case {
        const char* line;
        bool debug;
        bool skip;
    };
    const Case cases[] = {
        {"  /de  ", true, true}, {"/DE", true, true},       {"/d", true, false},
        {"/D", true, false},     {"/cd", true, false},      {"/Dc", true, false},
        {"/C", false, false},    {"/c", false, false},      {"", false, false},
        {"/D /C", false, false}, {"/DX", false, false},     {"D", false, false},
        {"/ D", false, false},   {"/DE /DE", false, false}, {"-d", false, false},
    };
    for (const Case& c : cases) {
        const Switches s = ParseSwitches(c.line);
        EXPECT_EQ(s.DebugMode, c.debug) << '"' << c.line << '"';
        EXPECT_EQ(s.SkipReceive, c.skip) << '"' << c.line << '"';
    }
}

TEST(Switches, ArgumentsFormOneCommandLine) {
    EXPECT_EQ(CommandLineOf({}), "");
    EXPECT_EQ(CommandLineOf({"/D", "/C"}), "/D /C");
    EXPECT_FALSE(ParseSwitches(CommandLineOf({"/D", "/C"})).DebugMode);
    EXPECT_TRUE(ParseSwitches(CommandLineOf({" /de "})).SkipReceive);
}

TEST(NodeKeys, KeysAndIndices) {
    EXPECT_EQ(nodes::LeafKey("PU", 0), "PU 0");
    EXPECT_EQ(nodes::LeafKey("SM", 20), "SM 20");
    EXPECT_EQ(nodes::KeyIndex("PU 12", 2), 12);
    EXPECT_EQ(nodes::KeyIndex("E 7", 1), 7);
    EXPECT_EQ(nodes::KeyIndex("SM", 2), 0);
    EXPECT_EQ(nodes::NumericValue("  3x"), 3);
    EXPECT_EQ(nodes::NumericValue("abc"), 0);
    EXPECT_EQ(nodes::NumericValue("-4"), -4);
    EXPECT_EQ(nodes::NumericValue("99999999999999999999"), 0);
}

TEST(NodeKeys, NodeTextsFollowTheConfiguration) {
    Configuration config;
    MemoryImage image{};
    InitialiseConfiguration(config, image);

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

}  // namespace
}  // namespace rse
