// Command-line switches of the editor.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rse {

struct Switches {
    bool DebugMode = false;
    bool SkipReceive = false;
};

// The whole command line (arguments joined by single spaces), trimmed of leading and
// trailing spaces and upper-cased, compared whole with "/D", "/DE", "/C", "/CD", "/DC".
// Anything else, including a line with two switches, sets nothing.
Switches ParseSwitches(std::string_view commandLine);

// Joins the program arguments (without the program name) as the whole command line.
std::string CommandLineOf(const std::vector<std::string>& arguments);

}  // namespace rse
