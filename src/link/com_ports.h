// The port names COM1..COM4 of the switches and the settings, and the devices they stand for.
#pragma once

#include <string>
#include <string_view>

namespace rse {

inline constexpr int kComPortCount = 4;

// n for a port named COM<n> with n in 1..4 (any letter case, white space around it), else 0.
int ComNumber(std::string_view port);

// The device COM<n> (n in 1..4) stands for unless the user chose another: /dev/ttyUSB<n-1>.
// Empty for any other n.
std::string DefaultComDevice(int comNum);

}  // namespace rse
