#include "report/text_report.h"

#include "model/channel_plans.h"
#include "model/labels.h"

namespace rse {

namespace {

class Report {
  public:
    void Add(std::string_view line) {
        if (started_) text_ += "\r\n";
        started_ = true;
        text_ += line;
    }
    // Ends the previous line, leaving one empty line before the next section.
    void Break() { text_ += "\r\n"; }
    std::string Take() { return std::move(text_); }

  private:
    std::string text_;
    bool started_ = false;
};

void CommonSection(Report& r, const CommonSettings& s, int count) {
    r.Add("##### Common Setting #####");
    auto line = [&](std::string_view label, std::string_view value) {
        r.Add(LabelText(label, 18) + std::string(value));
    };
    line("ContrastLevel", std::to_string(s.Contrast));
    line("Dimmer Status", DimmerText(s.Dimmer));
    line("KeyBeep", YesNoText(s.KeyBeep));
    line("AtisOnOff",
         PadText(YesNoText(s.AtisOnOff), 11) + "----- " + LabelText("ATIS No.", 11) + s.AtisNo);
    line("ScanType", ScanTypeText(s.ScanType));
    line("Indivisual Ringer", RingerText(s.Ind));
    line("Indivisual Reply", YesNoText(s.IndReply));
    line("Indivisual ACK", YesNoText(s.IndACK));
    line("POS Request Reply", YesNoText(s.POSRR));
    line("DscScan", YesNoText(s.DscScan));
    line("Wx Alert", YesNoText(s.WxAlert));
    // An offset outside the list has no text: the line is left out.
    if (const std::string* offset = OffsetTimeText(s.OffsetTime)) line("OffsetTime", *offset);
    line("UserMmsi",
         PadText(s.UserMmsid, 11) + "----- " + LabelText("Count", 7) + std::to_string(count));
}

// ENABLE to TAG: the cells every channel row shares.
std::string ChannelCells(const ChannelRecord& c, const PlanEntry& e) {
    return PadText(MarkEnable(c.Enable), 8) + PadText(FreqText(e.RxFreq), 9) +
           PadText(FreqText(e.TxFreq), 9) + PadText(MarkTx(c.TxEnable), 4) +
           PadText(MarkLow(c.LowPower), 5) + PadText(MarkUp(c.PowUp), 4) +
           PadText(MarkDup(c.Duplex), 5) + PadText(MarkScan(c.ScanMemory), 5) +
           PadText(MarkVs(c.VsMemory), 4) + PadText(c.ChTag, 12);
}

void Banner(Report& r, std::string_view banner, std::string_view heading, std::string_view ruler) {
    r.Break();
    r.Add(banner);
    r.Add(heading);
    r.Add(ruler);
}

void PlanSection(Report& r, std::string_view banner, const std::vector<ChannelRecord>& bank,
                 const PlanTable& plan) {
    Banner(r, banner, "CH   ENABLE  RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  TAG",
           "---  ------  -------  -------  --  ---  --  ---  ---  --  ------------");
    for (const ChannelRecord& c : bank) {
        const PlanEntry* e = plan.Find(c.Position);
        if (e == nullptr) continue;  // no plan entry to show: the row is left out
        r.Add(PadText(e->Label, 5) + ChannelCells(c, *e));
    }
}

}  // namespace

std::string PadText(std::string_view text, int width) {
    if (width <= 0) return {};
    std::string out(text.substr(0, static_cast<std::size_t>(width)));
    out.resize(static_cast<std::size_t>(width), ' ');
    return out;
}

std::string LabelText(std::string_view label, int width) {
    return PadText(label, width - 1) + ": ";
}

std::string MakeTextImage(const Configuration& config, const MemoryImage& image) {
    const ChannelPlans& plans = Plans();
    Report r;
    CommonSection(r, config.SETCOM, MmsiEntryCount(image));
    PlanSection(r, "##### Programable USA Channel #####", config.CHUSA, plans.PlanUSA);
    PlanSection(r, "##### Programable International Channel #####", config.CHINT, plans.PlanINT);
    PlanSection(r, "##### Programable Canada Channel #####", config.CHCAN, plans.PlanCAN);

    Banner(r, "##### Programable Wx Channel #####", "CH  ENABLE  MEM  TAG Name",
           "--  ------  ---  ------------");
    for (std::size_t i = 0; i < config.CHWX.size(); ++i) {
        const ChannelRecord& c = config.CHWX[i];
        r.Add(PadText(std::to_string(i + 1), 4) + PadText(MarkEnable(c.Enable), 8) +
              PadText(MarkScan(c.ScanMemory), 5) + PadText(c.ChTag, 12));
    }

    Banner(r, "##### Programable Exp Channel #####",
           "CH  POS  ENABLE  RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  TAG",
           "--  ---  ------  -------  -------  --  ---  --  ---  ---  --  ------------");
    for (int i = 1; i <= kExpCount; ++i) {
        const ChannelRecord& c = config.Exp(i);
        const PlanEntry* e = plans.PlanEXP.Find(c.Position);
        if (e == nullptr) continue;
        r.Add(PadText(std::to_string(i), 4) + PadText(std::to_string(c.Position), 5) +
              ChannelCells(c, *e));
    }

    Banner(r, "##### Memory ID Setting #####", "No.  ENABLE  Tag Name     MMSI",
           "---  ------  ----------  ---------");
    for (int i = 1; i <= kDirectoryCount; ++i) {
        const DirectoryEntry& d = config.Dir(i);
        r.Add(PadText(std::to_string(i), 5) + PadText(MarkEnable(d.Enable), 8) +
              PadText(d.TagName, 14) + PadText(d.Mmsid, 9));
    }
    return r.Take();
}

std::string TextReportFile(const Configuration& config, const MemoryImage& image) {
    return MakeTextImage(config, image) + "\r\n";
}

}  // namespace rse
