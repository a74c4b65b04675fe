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

std::string Channels(int n) {
    return std::to_string(n) + (n == 1 ? " channel" : " channels");
}

}  // namespace

const char* ChannelChangeName(ChannelChange change) {
    switch (change) {
        case ChannelChange::Enable:
            return "Enable";
        case ChannelChange::Disable:
            return "Disable";
        case ChannelChange::ScanOn:
            return "Scan On";
        case ChannelChange::ScanOff:
            break;
    }
    return "Scan Off";
}

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

std::string ChannelBatchSummary(ChannelChange change, const ChannelBatchResult& result) {
    std::string text =
        std::string(ChannelChangeName(change)) + ": " + Channels(result.changed) + " changed";
    if (result.unchanged > 0) text += ", " + std::to_string(result.unchanged) + " already so";
    if (result.leftAlone > 0) {
        text += ", " + std::to_string(result.leftAlone) +
                " left alone (Scan Memory needs an enabled channel and is never set on "
                "channel 70)";
    }
    return text;
}

}  // namespace rse
