// One change made to many channels of a bank at once (the channel list's selection). Each row
// follows the rules of the single-channel panel: Enable can always be changed; Scan Memory
// only where the panel offers it (an enabled channel, never the DSC channel 70).
#pragma once

#include <vector>

#include "model/channel_plans.h"
#include "model/configuration.h"

namespace rse {

enum class ChannelChange { Enable, Disable, ScanOn, ScanOff };

struct ChannelBatchResult {
    int changed = 0;    // rows whose flag was switched
    int unchanged = 0;  // rows that already had it
    int leftAlone = 0;  // rows whose change the panel would not allow
};

// Applies the change to the listed rows of a bank: plan banks by record index from 0, the
// EXP bank by memory number 1..20. Rows outside the bank are ignored.
ChannelBatchResult ChangeChannels(Configuration& config, BankId bank, const std::vector<int>& rows,
                                  ChannelChange change);

// True when the single-channel panel would let the user make this change to the record.
bool ChannelChangeAllowed(const ChannelRecord& record, const PlanEntry& entry, bool planBank,
                          ChannelChange change);

}  // namespace rse
