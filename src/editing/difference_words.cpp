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
const std::map<std::string, const char*>& KeyWords() {
    static const std::map<std::string, const char*> words = {
        {"Contrast", RSE_TEXT("Core", "Contrast Level")},
        {"Dimmer", RSE_TEXT("Core", "Dimmer Status")},
        {"KeyBeep", RSE_TEXT("Core", "Key Beep")},
        {"AtisOnOff", RSE_TEXT("Core", "ATIS ON")},
        {"AtisNo", RSE_TEXT("Core", "ATIS No.")},
        {"ScanType", RSE_TEXT("Core", "Scan Type")},
        {"Ind", RSE_TEXT("Core", "Individual Ringer")},
        {"IndReply", RSE_TEXT("Core", "Individual Reply")},
        {"IndACK", RSE_TEXT("Core", "Individual ACK")},
        {"POSRR", RSE_TEXT("Core", "POS Request Reply")},
        {"DscScan", RSE_TEXT("Core", "DSC Scan")},
        {"WxAlert", RSE_TEXT("Core", "WX Alert")},
        {"OffsetTime", RSE_TEXT("Core", "Offset Time")},
        {"UserMmsid", RSE_TEXT("Core", "User MMSI")},
        {"Position", RSE_TEXT("Core", "Position")},
        {"Enable", RSE_TEXT("Core", "Enable")},
        {"LowPower", RSE_TEXT("Core", "Only Low Power")},
        {"PowUp", RSE_TEXT("Core", "Power Up")},
        {"Duplex", RSE_TEXT("Core", "Duplex")},
        {"TxEnable", RSE_TEXT("Core", "Tx Enable")},
        {"DispayA", RSE_TEXT("Core", "Display A")},
        {"ScanMemory", RSE_TEXT("Core", "Scan Memory")},
        {"VsMemory", RSE_TEXT("Core", "VS Memory")},
        {"ChTag", RSE_TEXT("Core", "Tag Name")},
        {"TagName", RSE_TEXT("Core", "Station Name")},
        {"Mmsid", RSE_TEXT("Core", "MMSI")},
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

// A text shown as it is.
Phrase Plain(std::string text) {
    return Phrase("%1", {std::move(text)});
}

// A value as the panels show it; `text` is the value as the file writes it.
Phrase ValueWords(const FieldDifference& d, const std::string& text) {
    const std::string& key = d.key;
    const Phrase empty(RSE_TEXT("Core", "(empty)"));
    if (key == "ChTag" || key == "TagName" || key == "AtisNo" || key == "UserMmsid") {
        const std::string plain = text.empty() ? text : text.substr(1);
        return plain.empty() ? empty : Plain(plain);
    }
    if (key == "Mmsid") return text.empty() ? empty : Plain(text);
    if (key == "OffsetTime") {
        const std::string* t = OffsetTimeText(Number(text) + 24);
        return Plain(t ? *t : text);
    }
    if (key == "Dimmer") return Plain(DimmerText(Number(text)));
    if (key == "ScanType") {
        // The words of the settings panel's list, which the reports also use.
        static const char* const kScanTypes[] = {RSE_TEXT("Core", "Memory"),
                                                 RSE_TEXT("Core", "Priority")};
        const int n = Number(text);
        return n >= 0 && n < 2 ? Phrase(kScanTypes[n]) : Plain(ScanTypeText(n));
    }
    if (key == "Ind") {
        static const char* const kRingers[] = {
            RSE_TEXT("Core", "3 min"), RSE_TEXT("Core", "15 times"), RSE_TEXT("Core", "10 times"),
            RSE_TEXT("Core", "5 times")};
        const int n = Number(text);
        return n >= 0 && n < 4 ? Phrase(kRingers[n]) : Plain(RingerText(n));
    }
    if (key == "Position") {
        const int p = Number(text);
        switch (d.section.bank) {
            case SectionBank::USA:
                return Plain("CH" + PlanLabel(Plans().PlanUSA, p));
            case SectionBank::INT:
                return Plain("CH" + PlanLabel(Plans().PlanINT, p));
            case SectionBank::CAN:
                return Plain("CH" + PlanLabel(Plans().PlanCAN, p));
            case SectionBank::EXP:
                return Plain(PlanLabel(Plans().PlanEXP, p));
            default:
                return Plain(text);
        }
    }
    if (key == "Contrast") return Plain(text);
    return Phrase(text == "1" ? RSE_TEXT("Core", "On") : RSE_TEXT("Core", "Off"));  // the flags
}

struct Place {
    Phrase words;
    nodes::NodeKey key;
};

Place PlaceOf(const SectionId& s, const Configuration& config) {
    const int i = s.index;
    auto planChannel = [&](const char* words, BankId id, nodes::Branch branch) {
        const auto& records = BankOf(config, id);
        const int position = records[static_cast<std::size_t>(i)].Position;
        return Place{Phrase(words, {PlanLabel(Plans().For(id), position)}),
                     nodes::NodeKey{branch, i}};
    };
    switch (s.bank) {
        case SectionBank::Settings:
            return {Phrase(RSE_TEXT("Core", "Setting")), {nodes::Branch::Setting}};
        case SectionBank::USA:
            return planChannel(RSE_TEXT("Core", "USA channel %1"), BankId::USA, nodes::Branch::Usa);
        case SectionBank::INT:
            return planChannel(RSE_TEXT("Core", "International channel %1"), BankId::INT,
                               nodes::Branch::International);
        case SectionBank::CAN:
            return planChannel(RSE_TEXT("Core", "Canada channel %1"), BankId::CAN,
                               nodes::Branch::Canada);
        case SectionBank::WX:
            return {Phrase(RSE_TEXT("Core", "WX channel %1"), {PlanLabel(Plans().PlanWX, i + 1)}),
                    {nodes::Branch::Wx}};
        case SectionBank::EXP:
            return {Phrase("EXP%1", {std::to_string(i)}), nodes::NodeKey{nodes::Branch::Exp, i}};
        case SectionBank::Directory:
            return {
                Phrase(RSE_TEXT("Core", "Individual Directory MemoryID%1"), {std::to_string(i)}),
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

DifferenceRow Row(const Phrase& where, const nodes::NodeKey& key, const Phrase& before,
                  const Phrase& after) {
    return {where.English(), key, before.English(), after.English(), where, before, after};
}

}  // namespace

std::vector<DifferenceRow> DescribeDifferences(const ConfigDifferences& differences,
                                               const Configuration& config) {
    std::vector<DifferenceRow> rows;
    for (const FieldDifference& d : differences.fields) {
        const Place place = PlaceOf(d.section, config);
        const auto word = KeyWords().find(d.key);
        Phrase where = place.words;
        where.Add(kDash);
        if (d.key == "Position" && d.section.bank != SectionBank::EXP) {
            where.Add(RSE_TEXT("Core", "Channel Number"));
        } else if (word != KeyWords().end()) {
            where.Add(word->second);
        } else {
            where.Add("%1", {d.key});
        }
        rows.push_back(Row(where, place.key, ValueWords(d, d.before), ValueWords(d, d.after)));
    }
    for (const ByteDifference& b : differences.bytes) {
        // The one byte outside the configuration that a panel shows.
        if (b.address == mem::kMmsiEntryCount.address) {
            Phrase where(RSE_TEXT("Core", "Setting"));
            where.Add(kDash).Add(RSE_TEXT("Core", "Count (MMSI entries)"));
            rows.push_back(Row(where, {nodes::Branch::Setting}, Plain(std::to_string(b.before)),
                               Plain(std::to_string(b.after))));
            continue;
        }
        rows.push_back(Row(Phrase(RSE_TEXT("Core", "Memory image byte 0x%1"),
                                  {Hex(static_cast<unsigned>(b.address), 4)}),
                           {}, Plain(Hex(b.before, 2)), Plain(Hex(b.after, 2))));
    }
    return rows;
}

}  // namespace rse
