#include "report/printed_report.h"

#include "model/channel_plans.h"
#include "model/labels.h"

namespace rse {

namespace {

struct Column {
    double x;
    const char* heading;
    int dashes;
};

class Page {
  public:
    Page(int number) {
        Line({{0, PrintPageHeaderText(number, kPrintedPages)}});
        Line({});
    }
    void Line(PrintLine line) { page_.lines.push_back(std::move(line)); }
    void Banner(const char* text) { Line({{0, text}}); }
    template <std::size_t N>
    void Headings(const Column (&cols)[N]) {
        PrintLine headings;
        PrintLine dashes;
        for (const Column& c : cols) {
            headings.push_back({c.x, c.heading});
            dashes.push_back({c.x, std::string(static_cast<std::size_t>(c.dashes), '-')});
        }
        Line(std::move(headings));
        Line(std::move(dashes));
    }
    PrintPage Take() { return std::move(page_); }

  private:
    PrintPage page_;
};

constexpr Column kPlanColumns[] = {{0, "CH", 3},       {12, "ENABLE", 6}, {31, "RX(MHz)", 7},
                                   {52, "TX(MHz)", 7}, {73, "TX", 2},     {82, "LOW", 3},
                                   {94, "UP", 2},      {104, "DUP", 3},   {116, "MEM", 3},
                                   {128, "VS", 2},     {137, "TAG", 12}};
constexpr Column kWxColumns[] = {
    {0, "CH", 2}, {9, "ENABLE", 5}, {28, "MEM", 3}, {40, "TAG Name", 12}};
constexpr Column kExpColumns[] = {{0, "CH", 2},       {9, "POS", 3},      {21, "ENABLE", 6},
                                  {40, "RX(MHz)", 7}, {61, "TX(MHz)", 7}, {82, "TX", 2},
                                  {92, "LOW", 3},     {104, "UP", 2},     {113, "DUP", 3},
                                  {125, "MEM", 3},    {137, "VS", 2},     {146, "TAG", 12}};
constexpr Column kDirectoryColumns[] = {
    {0, "No.", 2}, {11, "ENABLE", 5}, {30, "TAG Name", 12}, {61, "MMSI", 9}};

PrintPage CommonPage(const CommonSettings& s, int count) {
    Page p(1);
    p.Banner("##### Common Setting #####");
    auto line = [&](const char* label, const std::string& value) {
        p.Line({{0, label}, {48, ": " + value}});
    };
    line("ContrastLevel", std::to_string(s.Contrast));
    line("Dimmer Status", DimmerText(s.Dimmer));
    line("KeyBeep", YesNoText(s.KeyBeep));
    p.Line({{0, "AtisOnOff"},
            {48, ": " + YesNoText(s.AtisOnOff)},
            {70, "----- ATIS No."},
            {119, ": " + s.AtisNo}});
    line("ScanType", ScanTypeText(s.ScanType));
    line("Indivisual Ringer", RingerText(s.Ind));
    line("Indivisual reply", YesNoText(s.IndReply));
    line("Indivisual ACK", YesNoText(s.IndACK));
    line("POS Request Reply", YesNoText(s.POSRR));
    line("DscScan", YesNoText(s.DscScan));
    line("Wx Alert", YesNoText(s.WxAlert));
    // An offset outside the list has no text: that cell is left out, the label stays.
    if (const std::string* offset = OffsetTimeText(s.OffsetTime)) {
        line("OffsetTime", *offset);
    } else {
        p.Line({{0, "OffsetTime"}});
    }
    p.Line({{0, "UserMmsi"},
            {48, ": " + s.UserMmsid},
            {70, "----- Count"},
            {119, ": " + std::to_string(count)}});
    return p.Take();
}

void MarkCells(PrintLine& line, const ChannelRecord& c, const Column* cols) {
    // cols points at the TX column; the six mark columns follow in order.
    line.push_back({cols[0].x, MarkTx(c.TxEnable)});
    line.push_back({cols[1].x, MarkLow(c.LowPower)});
    line.push_back({cols[2].x, MarkUp(c.PowUp)});
    line.push_back({cols[3].x, MarkDup(c.Duplex)});
    line.push_back({cols[4].x, MarkScan(c.ScanMemory)});
    line.push_back({cols[5].x, MarkVs(c.VsMemory)});
    line.push_back({cols[6].x, c.ChTag});
}

PrintPage PlanPage(int number, const char* banner, const std::vector<ChannelRecord>& bank,
                   const PlanTable& plan) {
    Page p(number);
    p.Banner(banner);
    p.Headings(kPlanColumns);
    for (const ChannelRecord& c : bank) {
        PrintLine line;
        const PlanEntry* e = plan.Find(c.Position);
        // Without a plan entry the label and frequency cells are left out.
        if (e) line.push_back({kPlanColumns[0].x, e->Label});
        line.push_back({kPlanColumns[1].x, MarkEnable(c.Enable)});
        if (e) {
            line.push_back({kPlanColumns[2].x, FreqText(e->RxFreq)});
            line.push_back({kPlanColumns[3].x, FreqText(e->TxFreq)});
        }
        MarkCells(line, c, &kPlanColumns[4]);
        p.Line(std::move(line));
    }
    return p.Take();
}

}  // namespace

std::string PrintPageHeaderText(int page, int pageCount) {
    return std::string(kModelName) + " " + kProductTitle + " --- Page " + std::to_string(page) +
           " of " + std::to_string(pageCount);
}

std::vector<PrintPage> LayoutPrintedReport(const Configuration& config, const MemoryImage& image) {
    const ChannelPlans& plans = Plans();
    std::vector<PrintPage> pages;
    pages.push_back(CommonPage(config.SETCOM, MmsiEntryCount(image)));
    pages.push_back(
        PlanPage(2, "##### Programable USA Channel #####", config.CHUSA, plans.PlanUSA));
    pages.push_back(
        PlanPage(3, "##### Programable International Channel #####", config.CHINT, plans.PlanINT));
    pages.push_back(
        PlanPage(4, "##### Programable Canada Channel #####", config.CHCAN, plans.PlanCAN));

    Page wx(5);
    wx.Banner("##### Programable WX Channel #####");
    wx.Headings(kWxColumns);
    for (std::size_t i = 0; i < config.CHWX.size(); ++i) {
        const ChannelRecord& c = config.CHWX[i];
        wx.Line({{kWxColumns[0].x, std::to_string(i + 1)},
                 {kWxColumns[1].x, MarkEnable(c.Enable)},
                 {kWxColumns[2].x, MarkScan(c.ScanMemory)},
                 {kWxColumns[3].x, c.ChTag}});
    }
    pages.push_back(wx.Take());

    Page exp(6);
    exp.Banner("##### Programable EXP Channel #####");
    exp.Headings(kExpColumns);
    for (int i = 1; i <= kExpCount; ++i) {
        const ChannelRecord& c = config.Exp(i);
        PrintLine line{{kExpColumns[0].x, std::to_string(i)},
                       {kExpColumns[1].x, std::to_string(c.Position)},
                       {kExpColumns[2].x, MarkEnable(c.Enable)}};
        if (const PlanEntry* e = plans.PlanEXP.Find(c.Position)) {
            // The receive column shows the receive frequency only for a duplex channel.
            line.push_back({kExpColumns[3].x, FreqText(c.Duplex ? e->RxFreq : e->TxFreq)});
            line.push_back({kExpColumns[4].x, FreqText(e->TxFreq)});
        }
        MarkCells(line, c, &kExpColumns[5]);
        exp.Line(std::move(line));
    }
    pages.push_back(exp.Take());

    Page dir(7);
    dir.Banner("##### Memory ID #####");
    dir.Headings(kDirectoryColumns);
    for (int i = 1; i <= kDirectoryCount; ++i) {
        const DirectoryEntry& d = config.Dir(i);
        dir.Line({{kDirectoryColumns[0].x, std::to_string(i)},
                  {kDirectoryColumns[1].x, MarkEnable(d.Enable)},
                  {kDirectoryColumns[2].x, d.TagName},
                  {kDirectoryColumns[3].x, d.Mmsid}});
    }
    pages.push_back(dir.Take());
    return pages;
}

}  // namespace rse
