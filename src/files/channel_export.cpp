#include "files/channel_export.h"

#include "files/csv.h"
#include "model/channel_plans.h"
#include "model/labels.h"

namespace rse {

namespace {

std::string Frequency(double mhz) {
    return mhz > 0.0 ? FreqText(mhz) : std::string();
}

// `rx` is the frequency the channel receives on: a plan channel's own, an EXP memory's the
// transmit frequency unless it is set to duplex, as the editor's list shows it.
void ChannelRow(std::string& out, const char* bank, const std::string& channel,
                const ChannelRecord& c, const PlanEntry& e, double rx) {
    AppendCsvRecord(out, {bank, channel, YesNoText(c.Enable), Frequency(rx), Frequency(e.TxFreq),
                          YesNoText(c.TxEnable), YesNoText(c.LowPower), YesNoText(c.Duplex),
                          YesNoText(c.ScanMemory), Latin1ToUtf8(c.ChTag)});
}

}  // namespace

std::string ChannelListCsv(const Configuration& config) {
    const ChannelPlans& plans = Plans();
    std::string out;
    AppendCsvRecord(
        out, {"Bank", "CH", "ENABLE", "RX(MHz)", "TX(MHz)", "TX", "LOW", "DUP", "MEM", "TAG"});
    for (const BankId id : {BankId::USA, BankId::INT, BankId::CAN}) {
        for (const ChannelRecord& c : BankOf(config, id)) {
            // A channel without a plan entry has nothing to show, as in the report.
            if (const PlanEntry* e = plans.For(id).Find(c.Position))
                ChannelRow(out, FixedPlanName(id), e->Label, c, *e, e->RxFreq);
        }
    }
    for (std::size_t i = 0; i < config.CHWX.size(); ++i) {
        const ChannelRecord& c = config.CHWX[i];
        const PlanEntry* e = plans.PlanWX.Find(c.Position);
        AppendCsvRecord(out, {"WX", std::to_string(i + 1), YesNoText(c.Enable),
                              e != nullptr ? Frequency(e->RxFreq) : std::string(), "", "", "", "",
                              YesNoText(c.ScanMemory), Latin1ToUtf8(c.ChTag)});
    }
    for (int i = 1; i <= kExpCount; ++i) {
        const ChannelRecord& c = config.Exp(i);
        if (const PlanEntry* e = plans.PlanEXP.Find(c.Position)) {
            ChannelRow(out, "EXP", std::to_string(i), c, *e, c.Duplex ? e->RxFreq : e->TxFreq);
        }
    }
    return out;
}

}  // namespace rse
