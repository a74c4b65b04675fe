// Pure functions of the shell: switches.
#include <gtest/gtest.h>

#include "app/switches.h"
#include "image/codec.h"

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

}  // namespace
}  // namespace rse
