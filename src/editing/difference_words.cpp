#include "editing/difference_words.h"

#include <map>

#include "editing/node_keys.h"
#include "image/memory_image.h"
#include "model/channel_plans.h"
#include "model/labels.h"

namespace rse {

namespace {

constexpr const char* kDash = " \u2014 ";

// The captions the panels give the keys.
const std::map<std::string, std::string>& KeyWords() {
    static const std::map<std::string, std::string> words = {
        {"Contrast", "Contrast Level"}, {"Dimmer", "Dimmer Status"},
        {"KeyBeep", "Key Beep"},        {"AtisOnOff", "ATIS ON"},
        {"AtisNo", "ATIS No."},         {"ScanType", "Scan Type"},
        {"Ind", "Individual Ringer"},   {"IndReply", "Individual Reply"},
        {"IndACK", "Individual ACK"},   {"POSRR", "POS Request Reply"},
        {"DscScan", "DSC Scan"},        {"WxAlert", "WX Alert"},
        {"OffsetTime", "Offset Time"},  {"UserMmsid", "User MMSI"},
        {"Position", "Position"},       {"Enable", "Enable"},
        {"LowPower", "Only Low Power"}, {"PowUp", "Power Up"},
        {"Duplex", "Duplex"},           {"TxEnable", "Tx Enable"},
        {"DispayA", "Display A"},       {"ScanMemory", "Scan Memory"},
        {"VsMemory", "VS Memory"},      {"ChTag", "Tag Name"},
        {"TagName", "Station Name"},    {"Mmsid", "MMSI"},
    };
    return words;
}

std::string PlanLabel(const PlanTable& plan, int position) {
    const PlanEntry* e = plan.Find(position);
    return e ? e->Label : std::to_string(position);
}

int Number(const std::string& text) {
    return nodes::NumericValue(text);
}

// A value as the panels show it; `text` is the value as the file writes it.
std::string ValueWords(const FieldDifference& d, const std::string& text) {
    const std::string& key = d.key;
    if (key == "ChTag" || key == "TagName" || key == "AtisNo" || key == "UserMmsid") {
        const std::string plain = text.empty() ? text : text.substr(1);
        return plain.empty() ? "(empty)" : plain;
    }
    if (key == "Mmsid") return text.empty() ? "(empty)" : text;
    if (key == "OffsetTime") {
        const std::string* t = OffsetTimeText(Number(text) + 24);
        return t ? *t : text;
    }
    if (key == "Dimmer") return DimmerText(Number(text));
    if (key == "ScanType") return ScanTypeText(Number(text));
    if (key == "Ind") return RingerText(Number(text));
    if (key == "Position") {
        const int p = Number(text);
        switch (d.section.bank) {
            case SectionBank::USA:
                return "CH" + PlanLabel(Plans().PlanUSA, p);
            case SectionBank::INT:
                return "CH" + PlanLabel(Plans().PlanINT, p);
            case SectionBank::CAN:
                return "CH" + PlanLabel(Plans().PlanCAN, p);
            case SectionBank::EXP:
                return PlanLabel(Plans().PlanEXP, p);
            default:
                return text;
        }
    }
    if (key == "Contrast") return text;
    return text == "1" ? "On" : "Off";  // the flags
}

struct Place {
    std::string words;
    nodes::NodeKey key;
};

Place PlaceOf(const SectionId& s, const Configuration& config) {
    const int i = s.index;
    auto planChannel = [&](BankId id, nodes::Branch branch) {
        const auto& records = BankOf(config, id);
        const int position = records[static_cast<std::size_t>(i)].Position;
        return Place{
            std::string(FixedPlanName(id)) + " channel " + PlanLabel(Plans().For(id), position),
            nodes::NodeKey{branch, i}};
    };
    switch (s.bank) {
        case SectionBank::Settings:
            return {"Setting", {nodes::Branch::Setting}};
        case SectionBank::USA:
            return planChannel(BankId::USA, nodes::Branch::Usa);
        case SectionBank::INT:
            return planChannel(BankId::INT, nodes::Branch::International);
        case SectionBank::CAN:
            return planChannel(BankId::CAN, nodes::Branch::Canada);
        case SectionBank::WX:
            return {"WX channel " + PlanLabel(Plans().PlanWX, i + 1), {nodes::Branch::Wx}};
        case SectionBank::EXP:
            return {"EXP" + std::to_string(i), nodes::NodeKey{nodes::Branch::Exp, i}};
        case SectionBank::Directory:
            return {"Individual Directory MemoryID" + std::to_string(i),
                    nodes::NodeKey{nodes::Branch::Directory, i}};
    }
    return {};
}

std::string Hex(unsigned value, int digits) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string s(static_cast<std::size_t>(digits), '0');
    for (int k = digits - 1; k >= 0; --k, value >>= 4)
        s[static_cast<std::size_t>(k)] = kDigits[value & 0xF];
    return s;
}

}  // namespace

std::vector<DifferenceRow> DescribeDifferences(const ConfigDifferences& differences,
                                               const Configuration& config) {
    std::vector<DifferenceRow> rows;
    for (const FieldDifference& d : differences.fields) {
        const Place place = PlaceOf(d.section, config);
        const auto word = KeyWords().find(d.key);
        std::string what = word != KeyWords().end() ? word->second : d.key;
        if (d.key == "Position" && d.section.bank != SectionBank::EXP) what = "Channel Number";
        rows.push_back({place.words + kDash + what, place.key, ValueWords(d, d.before),
                        ValueWords(d, d.after)});
    }
    for (const ByteDifference& b : differences.bytes) {
        // The one byte outside the configuration that a panel shows.
        if (b.address == mem::kMmsiEntryCount.address) {
            rows.push_back({std::string("Setting") + kDash + "Count (MMSI entries)",
                            {nodes::Branch::Setting},
                            std::to_string(b.before),
                            std::to_string(b.after)});
            continue;
        }
        rows.push_back({"Memory image byte 0x" + Hex(static_cast<unsigned>(b.address), 4),
                        {},
                        Hex(b.before, 2),
                        Hex(b.after, 2)});
    }
    return rows;
}

}  // namespace rse
