#include "link/com_ports.h"

namespace rse {

int ComNumber(std::string_view port) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const auto first = port.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return 0;
    port = port.substr(first, port.find_last_not_of(kBlanks) - first + 1);
    if (port.size() != 4) return 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((port[i] | 0x20) != "com"[i]) return 0;
    }
    const int n = port[3] - '0';
    return n >= 1 && n <= kComPortCount ? n : 0;
}

std::string DefaultComDevice(int comNum) {
    if (comNum < 1 || comNum > kComPortCount) return {};
    return "/dev/ttyUSB" + std::to_string(comNum - 1);
}

}  // namespace rse
