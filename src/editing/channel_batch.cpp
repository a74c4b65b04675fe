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

const char* ChannelChangeName(ChannelChange change) {
    switch (change) {
        case ChannelChange::Enable:
            return RSE_TEXT("Core", "Enable");
        case ChannelChange::Disable:
            return RSE_TEXT("Core", "Disable");
        case ChannelChange::ScanOn:
            return RSE_TEXT("Core", "Scan On");
        case ChannelChange::ScanOff:
            break;
    }
    return RSE_TEXT("Core", "Scan Off");
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

Phrase ChannelBatchSummaryPhrase(ChannelChange change, const ChannelBatchResult& result) {
    Phrase text(ChannelChangeName(change));
    if (result.changed == 1) {
        text.Add(RSE_TEXT("Core", ": 1 channel changed"));
    } else {
        text.Add(RSE_TEXT("Core", ": %1 channels changed"), {std::to_string(result.changed)});
    }
    if (result.unchanged > 0) {
        text.Add(RSE_TEXT("Core", ", %1 already so"), {std::to_string(result.unchanged)});
    }
    if (result.leftAlone > 0) {
        text.Add(RSE_TEXT("Core",
                          ", %1 left alone (Scan Memory needs an enabled channel and is "
                          "never set on channel 70)"),
                 {std::to_string(result.leftAlone)});
    }
    return text;
}

std::string ChannelBatchSummary(ChannelChange change, const ChannelBatchResult& result) {
    return ChannelBatchSummaryPhrase(change, result).English();
}

}  // namespace rse
