#include "report/fleet_record.h"

#include "model/channel_plans.h"
#include "model/labels.h"
#include "model/mmsi.h"

namespace rse {

namespace {

constexpr double kValueMm = 40.0;
constexpr std::size_t kWrapChars = 72;

class Record {
  public:
    void Field(const std::string& label, const std::string& value) {
        page_.lines.push_back({{0, label}, {kValueMm, value}});
    }
    void Empty() { page_.lines.push_back({}); }
    void Heading(const std::string& text) { page_.lines.push_back({{0, text}}); }
    // A label and words that continue on following lines when they do not fit.
    void Words(const std::string& label, const std::vector<std::string>& words) {
        std::string line;
        bool first = true;
        auto flush = [&] {
            PrintLine printed;
            if (first) printed.push_back({0, label});
            printed.push_back({kValueMm, line});
            page_.lines.push_back(std::move(printed));
            first = false;
            line.clear();
        };
        for (const std::string& w : words) {
            if (!line.empty() && line.size() + 1 + w.size() > kWrapChars) flush();
            line += (line.empty() ? "" : " ") + w;
        }
        if (!line.empty() || first) flush();
    }
    PrintPage Take() { return std::move(page_); }

  private:
    PrintPage page_;
};

std::string OutOf(int n, std::size_t of, const char* noun) {
    return std::to_string(n) + " of " + std::to_string(of) + " " + noun;
}

void PlanChannels(Record& r, const char* name, const std::vector<ChannelRecord>& bank,
                  const PlanTable& plan) {
    std::vector<std::string> labels;
    for (const ChannelRecord& c : bank) {
        const PlanEntry* e = plan.Find(c.Position);
        if (c.Enable && e) labels.push_back(e->Label);
    }
    r.Words(name, {OutOf(static_cast<int>(labels.size()), bank.size(), "enabled:")});
    r.Words("", labels);
}

}  // namespace

PrintPage LayoutFleetRecord(const FleetRecordFacts& f, const Configuration& config) {
    const ChannelPlans& plans = Plans();
    const CommonSettings& s = config.SETCOM;
    Record r;
    r.Heading(std::string(kModelName) + " " + kProductTitle + " --- Programming Record");
    r.Empty();
    r.Field("Date", f.date);
    r.Field("Model", kModelName);
    r.Field("Fleet radio", std::to_string(f.radio));
    if (s.UserMmsid.empty()) {
        r.Field("User MMSI", "none: enter it at the radio");
    } else {
        r.Field("User MMSI", s.UserMmsid);
        if (const auto info = ClassifyMmsi(s.UserMmsid)) {
            r.Field("MMSI kind", DescribeMmsi(*info));
            const std::string warning = UserMmsiKindWarning(s.UserMmsid);
            if (!warning.empty()) r.Field("", warning);
        }
    }
    r.Field("ATIS No.", (s.AtisNo.empty() ? std::string("none") : s.AtisNo) +
                            (s.AtisOnOff ? " (ATIS on)" : " (ATIS off)"));
    r.Empty();
    r.Heading("Channels");
    PlanChannels(r, "USA", config.CHUSA, plans.PlanUSA);
    PlanChannels(r, "International", config.CHINT, plans.PlanINT);
    PlanChannels(r, "Canada", config.CHCAN, plans.PlanCAN);
    std::vector<std::string> wx;
    for (std::size_t i = 0; i < config.CHWX.size(); ++i)
        if (config.CHWX[i].Enable) wx.push_back("WX" + std::to_string(i + 1));
    r.Words("WX", {OutOf(static_cast<int>(wx.size()), config.CHWX.size(), "enabled:")});
    r.Words("", wx);
    int exp = 0;
    for (int i = 1; i <= kExpCount; ++i)
        exp += config.Exp(i).Enable ? 1 : 0;
    r.Words("EXP", {OutOf(exp, kExpCount, "enabled")});
    for (int i = 1; i <= kExpCount; ++i) {
        const ChannelRecord& c = config.Exp(i);
        if (!c.Enable) continue;
        const PlanEntry* e = plans.PlanEXP.Find(c.Position);
        r.Field("", "EXP " + std::to_string(i) + ": " + (e ? e->Label : "?") + "  " +
                        FreqText(e ? e->TxFreq : 0.0) + " MHz  " + c.ChTag);
    }
    r.Empty();
    const int entries = DirectoryCount(config);
    r.Heading("Directory: " + std::to_string(entries) + (entries == 1 ? " entry" : " entries"));
    for (int i = 1; i <= kDirectoryCount; ++i) {
        const DirectoryEntry& d = config.Dir(i);
        if (d.Enable) r.Field("", d.Mmsid + "  " + d.TagName);
    }
    r.Empty();
    r.Field("Result", f.result == "verified" ? "verified: read back, the radio holds what was sent"
                                             : f.result + ": not read back");
    r.Field("Backup", f.backup);
    r.Field("SHA-256", f.sha256);
    return r.Take();
}

}  // namespace rse
