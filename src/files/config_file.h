// The configuration file (".dat"): INI-style text, CR LF line ends, one section per bank
// element, and the default file that holds only [MAIN] and [SETCOM].
#pragma once

#include <string>
#include <string_view>

#include "files/disk_io.h"
#include "model/configuration.h"

namespace rse {

// The full file text that SaveFileAs writes.
std::string ComposeConfigFile(const Configuration& config);
// The default file text: [MAIN] and [SETCOM] only.
std::string ComposeDefaultFile(const CommonSettings& settings);

// Reads every key of a configuration text into `config`, key by key: a number or flag that is
// missing or not convertible keeps its value, a missing text becomes empty.
void ApplyConfigText(std::string_view text, Configuration& config);

// Writes the file atomically: a failure leaves any previous file untouched.
IoResult SaveFileAs(const std::string& path, const Configuration& config);
IoResult SaveFileAsDefault(const std::string& path, const CommonSettings& settings);
// Reads a file into `config`. The read is a transaction: on failure (the file does not exist
// or cannot be read) `config` is left exactly as it was.
IoResult FileRead2(const std::string& path, Configuration& config);

// Conversions of the reader, exposed for tests. Each returns false when the text does not
// convert, leaving `out` unchanged.
bool ParseInteger(std::string_view text, std::int16_t& out);     // rounds halves to even
bool ParseFlag(std::string_view text, bool& out);                // number or True/False
bool ParseOffsetTime(std::string_view text, std::int16_t& out);  // stored value + 24

}  // namespace rse
