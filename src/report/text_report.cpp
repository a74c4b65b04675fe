#include "report/text_report.h"

#include <algorithm>
#include <cstdio>

#include "model/channel_plans.h"
#include "model/labels.h"

namespace rse {

namespace {

// Appends `text` cut or padded with spaces to exactly `width` characters.
void Cell(std::string& out, std::string_view text, std::size_t width) {
    const std::size_t n = std::min(text.size(), width);
    out.append(text.data(), n);
    out.append(width - n, ' ');
}

void NumberCell(std::string& out, int value, std::size_t width) {
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, "%d", value);
    Cell(out, std::string_view(buf, static_cast<std::size_t>(n)), width);
}

class Report {
  public:
    Report() { text_.reserve(20000); }
    // Starts a new line (the first line has no separator before it) and returns the text to
    // append the line's cells to.
    std::string& Line() {
        if (started_) text_ += "\r\n";
        started_ = true;
        return text_;
    }
    void Add(std::string_view line) { Line() += line; }
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
void ChannelCells(std::string& out, const ChannelRecord& c, const PlanEntry& e) {
    Cell(out, c.Enable ? "ENABLE" : "------", 8);
    Cell(out, FreqText(e.RxFreq), 9);
    Cell(out, FreqText(e.TxFreq), 9);
    Cell(out, c.TxEnable ? "TX" : "--", 4);
    Cell(out, c.LowPower ? "LOW" : "---", 5);
    Cell(out, c.PowUp ? "UP" : "--", 4);
    Cell(out, c.Duplex ? "DUP" : "---", 5);
    Cell(out, c.ScanMemory ? "SCAN" : "----", 5);
    Cell(out, c.VsMemory ? "VS" : "--", 4);
    Cell(out, c.ChTag, 12);
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
        std::string& out = r.Line();
        Cell(out, e->Label, 5);
        ChannelCells(out, c, *e);
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
        std::string& out = r.Line();
        NumberCell(out, static_cast<int>(i + 1), 4);
        Cell(out, MarkEnable(c.Enable), 8);
        Cell(out, MarkScan(c.ScanMemory), 5);
        Cell(out, c.ChTag, 12);
    }

    Banner(r, "##### Programable Exp Channel #####",
           "CH  POS  ENABLE  RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  TAG",
           "--  ---  ------  -------  -------  --  ---  --  ---  ---  --  ------------");
    for (int i = 1; i <= kExpCount; ++i) {
        const ChannelRecord& c = config.Exp(i);
        const PlanEntry* e = plans.PlanEXP.Find(c.Position);
        if (e == nullptr) continue;
        std::string& out = r.Line();
        NumberCell(out, i, 4);
        NumberCell(out, c.Position, 5);
        ChannelCells(out, c, *e);
    }

    Banner(r, "##### Memory ID Setting #####", "No.  ENABLE  Tag Name     MMSI",
           "---  ------  ----------  ---------");
    for (int i = 1; i <= kDirectoryCount; ++i) {
        const DirectoryEntry& d = config.Dir(i);
        std::string& out = r.Line();
        NumberCell(out, i, 5);
        Cell(out, MarkEnable(d.Enable), 8);
        Cell(out, d.TagName, 14);
        Cell(out, d.Mmsid, 9);
    }
    return r.Take();
}

std::string TextReportFile(const Configuration& config, const MemoryImage& image) {
    return MakeTextImage(config, image) + "\r\n";
}

}  // namespace rse
