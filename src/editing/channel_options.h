// Which options of a channel the user can change, from the record and its plan entry.
#pragma once

#include "model/channel_plans.h"
#include "model/configuration.h"

namespace rse {

struct ChannelOptionStates {
    bool txEnable = false;
    bool lowPower = false;  // "Only Low Power"
    bool powerUp = false;
    bool duplex = false;
    bool scanMemory = false;
    bool tagName = false;
};

// A disabled channel offers nothing but its Enable flag. Only Low Power follows Tx Enable and
// Power Up follows Only Low Power; Duplex needs a plan entry that is duplex-capable. On
// plan-bank channels only Enable, Scan Memory and Tag Name can be changed, and the DSC
// channel 70 is never scanned.
ChannelOptionStates ChannelOptionEnabling(const ChannelRecord& record, const PlanEntry& entry,
                                          bool planBank);

}  // namespace rse
