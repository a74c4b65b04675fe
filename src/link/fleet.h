// Programming a fleet of radios from one configuration, one radio at a time: read the radio
// and keep what it holds, lay the configuration over it keeping the radio's identity, program,
// read back and compare. The caller prompts for each radio and writes the log.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "image/identity.h"
#include "image/memory_image.h"
#include "link/byte_link.h"
#include "link/safe_program.h"
#include "link/transfer_outcome.h"
#include "model/configuration.h"

namespace rse {

enum class FleetResult { Verified, Programmed, Failed, Cancelled };

// "verified", "programmed", "failed", "cancelled": the words of the log (marked source texts:
// the windows show them translated, the log never).
const char* FleetResultName(FleetResult result);

struct FleetRadio {
    FleetResult result = FleetResult::Failed;
    std::optional<LinkMessage> message;  // why it failed; nothing otherwise
    bool read = false;                   // the radio was read: `before` holds its memory
    MemoryImage before{};
    // What was (or was to be) programmed: the configuration over the radio's memory, with
    // the radio's identity.
    MemoryImage image{};
    std::string backup;  // the name the kept memory got
};

struct FleetSteps {
    // Keeps the memory read from the radio: its name, or a message (and nothing is written).
    std::function<std::optional<LinkMessage>(const MemoryImage& radio, std::string& name)> keep;
};

// "3 radios: 2 verified, 1 failed": how many radios, then each result that occurred.
std::string FleetSummary(const std::vector<FleetResult>& results);
// The same summary as marked source texts, for the programs to translate.
Phrase FleetSummaryPhrase(const std::vector<FleetResult>& results);

// The configuration laid over what a radio holds, the radio's 16 identity bytes unchanged.
MemoryImage LayOverKeepingIdentity(const Configuration& config, const MemoryImage& radio);

// Programs the radio on the line with `config`. Progress runs from 0 to 100 over the read,
// the program and (when `verify`) the read back.
FleetRadio ProgramFleetRadio(const LinkEnvironment& env, const Configuration& config, bool verify,
                             const FleetSteps& steps);

}  // namespace rse
