#include "editing/channel_options.h"

#include "editing/node_keys.h"

namespace rse {

ChannelOptionStates ChannelOptionEnabling(const ChannelRecord& record, const PlanEntry& entry,
                                          bool planBank) {
    ChannelOptionStates s;
    const bool on = record.Enable;
    s.scanMemory = on;
    s.tagName = on;
    if (planBank) {
        if (nodes::NumericValue(entry.Label) == 70) s.scanMemory = false;
        return s;
    }
    s.txEnable = on;
    s.lowPower = s.txEnable && record.TxEnable;
    s.powerUp = s.lowPower && record.LowPower;
    s.duplex = on && entry.DuplexCapable;
    return s;
}

}  // namespace rse
