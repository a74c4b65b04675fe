// The sections and keys of the configuration file in the order the file holds them: one table
// that the writer, the reader and the comparison of two configurations all walk, so that they
// cannot drift apart.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "model/channel_plans.h"
#include "model/configuration.h"

namespace rse {

// How a key's value is written and read.
enum class KeyKind {
    Number,      // decimal integer
    Flag,        // "1" or "0"
    Text,        // "#" followed by the text
    Plain,       // the text without a marker (the directory MMSI)
    OffsetTime,  // the stored index minus 24
    Position,    // a number that must lie within the section's position range
};

template <typename Record>
struct KeyDef {
    const char* key;
    KeyKind kind;
    std::variant<std::int16_t Record::*, bool Record::*, std::string Record::*> field;
};

inline constexpr KeyDef<CommonSettings> kSettingsKeys[] = {
    {"Contrast", KeyKind::Number, &CommonSettings::Contrast},
    {"Dimmer", KeyKind::Number, &CommonSettings::Dimmer},
    {"KeyBeep", KeyKind::Flag, &CommonSettings::KeyBeep},
    {"AtisOnOff", KeyKind::Flag, &CommonSettings::AtisOnOff},
    {"AtisNo", KeyKind::Text, &CommonSettings::AtisNo},
    {"ScanType", KeyKind::Number, &CommonSettings::ScanType},
    {"Ind", KeyKind::Number, &CommonSettings::Ind},
    {"IndReply", KeyKind::Flag, &CommonSettings::IndReply},
    {"IndACK", KeyKind::Flag, &CommonSettings::IndACK},
    {"POSRR", KeyKind::Flag, &CommonSettings::POSRR},
    {"DscScan", KeyKind::Flag, &CommonSettings::DscScan},
    {"WxAlert", KeyKind::Flag, &CommonSettings::WxAlert},
    {"OffsetTime", KeyKind::OffsetTime, &CommonSettings::OffsetTime},
    {"UserMmsid", KeyKind::Text, &CommonSettings::UserMmsid},
};

// The keys of a channel of the USA, International, Canada and EXP banks.
inline constexpr KeyDef<ChannelRecord> kChannelKeys[] = {
    {"Position", KeyKind::Position, &ChannelRecord::Position},
    {"Enable", KeyKind::Flag, &ChannelRecord::Enable},
    {"LowPower", KeyKind::Flag, &ChannelRecord::LowPower},
    {"PowUp", KeyKind::Flag, &ChannelRecord::PowUp},
    {"Duplex", KeyKind::Flag, &ChannelRecord::Duplex},
    {"TxEnable", KeyKind::Flag, &ChannelRecord::TxEnable},
    {"DispayA", KeyKind::Flag, &ChannelRecord::DispayA},
    {"ScanMemory", KeyKind::Flag, &ChannelRecord::ScanMemory},
    {"VsMemory", KeyKind::Flag, &ChannelRecord::VsMemory},
    {"ChTag", KeyKind::Text, &ChannelRecord::ChTag},
};

inline constexpr KeyDef<ChannelRecord> kWxKeys[] = {
    {"Enable", KeyKind::Flag, &ChannelRecord::Enable},
    {"ScanMemory", KeyKind::Flag, &ChannelRecord::ScanMemory},
    {"ChTag", KeyKind::Text, &ChannelRecord::ChTag},
};

inline constexpr KeyDef<DirectoryEntry> kDirectoryKeys[] = {
    {"Enable", KeyKind::Flag, &DirectoryEntry::Enable},
    {"TagName", KeyKind::Text, &DirectoryEntry::TagName},
    {"Mmsid", KeyKind::Plain, &DirectoryEntry::Mmsid},
};

// Which part of the configuration a section holds.
enum class SectionBank { Settings, USA, INT, CAN, WX, EXP, Directory };

// One section: its name is the prefix followed by the index (none for [SETCOM]).
struct SectionId {
    SectionBank bank = SectionBank::Settings;
    const char* prefix = "SETCOM";
    int index = -1;                      // element index as in the section name; -1: none
    int positionLo = 0, positionHi = 0;  // the range a Position key may take

    std::string Name() const {
        return index < 0 ? std::string(prefix) : prefix + std::to_string(index);
    }
};

template <typename Record, std::size_t N>
constexpr std::span<const KeyDef<Record>> KeysOf(const KeyDef<Record> (&keys)[N]) {
    return keys;
}

// Calls visit(SectionId, keys, record) for every section after [MAIN], in file order, with
// the record of `config` (const or not) that the section stands for.
template <typename Config, typename Visit>
void VisitConfigSections(Config& config, Visit&& visit) {
    visit(SectionId{}, KeysOf(kSettingsKeys), config.SETCOM);
    struct PlanBank {
        SectionBank bank;
        const char* prefix;
        BankId id;
    };
    static constexpr PlanBank kPlanBanks[] = {{SectionBank::USA, "CHUSA", BankId::USA},
                                              {SectionBank::INT, "CHINT", BankId::INT},
                                              {SectionBank::CAN, "CHCAN", BankId::CAN}};
    for (const PlanBank& b : kPlanBanks) {
        auto& bank = BankOf(config, b.id);
        for (std::size_t i = 0; i < bank.size(); ++i) {
            visit(SectionId{b.bank, b.prefix, static_cast<int>(i), kFixedPlanRange.first,
                            kFixedPlanRange.last},
                  KeysOf(kChannelKeys), bank[i]);
        }
    }
    for (std::size_t i = 0; i < config.CHWX.size(); ++i) {
        visit(SectionId{SectionBank::WX, "CHWX", static_cast<int>(i)}, KeysOf(kWxKeys),
              config.CHWX[i]);
    }
    for (int i = 1; i <= kExpCount; ++i) {
        visit(SectionId{SectionBank::EXP, "CHEXP", i, kExpPlanRange.first, kExpPlanRange.last},
              KeysOf(kChannelKeys), config.Exp(i));
    }
    for (int i = 1; i <= kDirectoryCount; ++i) {
        visit(SectionId{SectionBank::Directory, "CHMMSID", i}, KeysOf(kDirectoryKeys),
              config.Dir(i));
    }
}

// The value of one key exactly as the file writes it after "=" ("-12", "1", "#VTS").
template <typename Record>
std::string KeyValueText(const KeyDef<Record>& def, const Record& record) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = record.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, bool>) {
                return value ? "1" : "0";
            } else if constexpr (std::is_same_v<Value, std::string>) {
                return def.kind == KeyKind::Plain ? value : "#" + value;
            } else {
                return std::to_string(def.kind == KeyKind::OffsetTime ? value - 24 : value);
            }
        },
        def.field);
}

}  // namespace rse
