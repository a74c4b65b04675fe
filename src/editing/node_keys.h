// Keys and texts of the navigation tree's nodes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/channel_plans.h"
#include "model/configuration.h"

namespace rse::nodes {

// Branch keys.
inline constexpr std::string_view kProgrammable = "P";
inline constexpr std::string_view kUsa = "PU";
inline constexpr std::string_view kInternational = "PI";
inline constexpr std::string_view kCanada = "PC";
inline constexpr std::string_view kWx = "PW";
inline constexpr std::string_view kExp = "E";
inline constexpr std::string_view kSetting = "S";
inline constexpr std::string_view kDirectory = "SM";

// "[Enable]" for an enabled element, else the empty text.
std::string EnableMark(bool enable);

// A leaf key: the branch key, one space and the index ("PU 0", "E 20", "SM 3").
std::string LeafKey(std::string_view branch, int index);

// The number at the start of `text` after leading blanks (optional sign, digits); 0 when
// there is none, as the numeric value of a text.
int NumericValue(std::string_view text);
// The index of a leaf key: the numeric value of the key after its first `prefixLength`
// characters.
int KeyIndex(std::string_view key, std::size_t prefixLength);

// The plan bank a branch key ("PU", "PI", "PC") stands for.
std::optional<BankId> PlanBankOfKey(std::string_view branch);

// What a node shows, from its key alone: a branch key, or a leaf key (branch, space, index).
enum class NodeView {
    None,
    Priority,        // "P"
    PlanList,        // "PU", "PI", "PC"
    PlanChannel,     // "PU 3"
    Wx,              // "PW"
    ExpList,         // "E"
    ExpChannel,      // "E 7"
    Settings,        // "S"
    DirectoryList,   // "SM"
    DirectoryEntry,  // "SM 3"
};
NodeView ViewOfKey(std::string_view key);

// Node texts. Indices outside the bank give std::nullopt.
std::optional<std::string> ChannelNodeText(const Configuration& config, BankId bank, int index);
std::optional<std::string> ExpNodeText(const Configuration& config, int index);
std::optional<std::string> DirectoryNodeText(const Configuration& config, int index);

}  // namespace rse::nodes
