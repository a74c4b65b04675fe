// The programming record of one radio of a fleet: a single printed page that a dealer hands
// to the owner (what the radio is, who it is, what it now holds, and proof of it).
#pragma once

#include <string>

#include "model/configuration.h"
#include "report/printed_report.h"

namespace rse {

struct FleetRecordFacts {
    std::string date;    // when it was programmed, as the log writes it
    int radio = 0;       // its number in the fleet's log
    std::string result;  // "verified", "programmed"
    std::string backup;  // the name of the memory kept before programming
    std::string sha256;  // of the image now in the radio
};

// `config` is what the radio now holds (its memory decoded).
PrintPage LayoutFleetRecord(const FleetRecordFacts& facts, const Configuration& config);

}  // namespace rse
