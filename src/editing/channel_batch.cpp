#include "editing/channel_batch.h"

#include "editing/channel_options.h"

namespace rse {

namespace {

bool& FlagOf(ChannelRecord& record, ChannelChange change) {
    return change == ChannelChange::Enable || change == ChannelChange::Disable ? record.Enable
                                                                               : record.ScanMemory;
}

bool Wanted(ChannelChange change) {
    return change == ChannelChange::Enable || change == ChannelChange::ScanOn;
}

}  // namespace

bool ChannelChangeAllowed(const ChannelRecord& record, const PlanEntry& entry, bool planBank,
                          ChannelChange change) {
    if (change == ChannelChange::Enable || change == ChannelChange::Disable) return true;
    return ChannelOptionEnabling(record, entry, planBank).scanMemory;
}

ChannelBatchResult ChangeChannels(Configuration& config, BankId bank, const std::vector<int>& rows,
                                  ChannelChange change) {
    ChannelBatchResult result;
    if (bank == BankId::WX) return result;
    const bool planBank = bank != BankId::EXP;
    const PlanTable& plan = Plans().For(bank);
    for (const int row : rows) {
        ChannelRecord* record = nullptr;
        if (planBank) {
            std::vector<ChannelRecord>& records = BankOf(config, bank);
            if (row >= 0 && static_cast<std::size_t>(row) < records.size())
                record = &records[static_cast<std::size_t>(row)];
        } else if (row >= 1 && row <= kExpCount) {
            record = &config.Exp(row);
        }
        if (!record) continue;
        static const PlanEntry kNone{};
        const PlanEntry* found = plan.Find(record->Position);
        bool& flag = FlagOf(*record, change);
        if (flag == Wanted(change)) {
            ++result.unchanged;
        } else if (!ChannelChangeAllowed(*record, found ? *found : kNone, planBank, change)) {
            ++result.leftAlone;
        } else {
            flag = Wanted(change);
            ++result.changed;
        }
    }
    return result;
}

}  // namespace rse
