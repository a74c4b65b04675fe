#include "app/switches.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace rse {

Switches ParseSwitches(std::string_view commandLine) {
    const auto first = commandLine.find_first_not_of(' ');
    std::string line;
    if (first != std::string_view::npos) {
        const auto last = commandLine.find_last_not_of(' ');
        line = std::string(commandLine.substr(first, last - first + 1));
    }
    for (char& c : line) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }

    Switches s;
    if (line == "/D") {
        s.DebugMode = true;
    } else if (line == "/DE") {
        s.SkipReceive = true;
        s.DebugMode = true;
    } else if (line == "/C") {
        // accepted, no effect
    } else if (line == "/CD" || line == "/DC") {
        s.DebugMode = true;
    }
    return s;
}

std::string FileToOpen(const std::string& commandLine) {
    const std::filesystem::path path(commandLine);
    std::string extension = path.extension().string();
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::error_code error;
    if (extension != ".dat" || !std::filesystem::is_regular_file(path, error)) return {};
    return commandLine;
}

std::string CommandLineOf(const std::vector<std::string>& arguments) {
    std::string line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) line += ' ';
        line += arguments[i];
    }
    return line;
}

}  // namespace rse
