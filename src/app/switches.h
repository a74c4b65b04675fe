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

// The configuration file the editor opens at start, as File > Open would: the whole command
// line when it is the path of an existing regular file whose extension is .dat in any letter
// case (none of the switches can be one), else empty: any other command line is ignored.
std::string FileToOpen(const std::string& commandLine);

// Joins the program arguments (without the program name) as the whole command line.
std::string CommandLineOf(const std::vector<std::string>& arguments);

}  // namespace rse
