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

// The number at the start of `text` after leading blanks (optional sign, digits); 0 when
// there is none, as the numeric value of a text.
int NumericValue(std::string_view text);

// What a node shows, from its key alone: a branch, or a leaf (branch and index).
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

// The tree's branches, each named by one of the branch keys above.
enum class Branch { None, Programmable, Usa, International, Canada, Wx, Exp, Setting, Directory };

// A node's key as the editor passes it around: the branch and, for a leaf, its index. The
// tree's nodes carry the text form (`Text()`): the branch key, and for a leaf one space and
// the index ("PU 0", "E 20", "SM 3").
struct NodeKey {
    Branch branch = Branch::None;
    std::optional<int> index = std::nullopt;  // a leaf's index; none for the branch node itself

    // The key a text names; the empty key (Branch::None) for a text that names no node
    // kind. Ranges are not checked: "E 21" is a key the tree has no node for.
    static NodeKey Parse(std::string_view text);
    // The text key; the empty text for the empty key.
    std::string Text() const;
    NodeView View() const;
    // The plan bank of a "PU", "PI" or "PC" key, a branch or a leaf.
    std::optional<BankId> Bank() const;

    bool operator==(const NodeKey&) const = default;
};

// The key of a plan bank's branch ("PU", "PI", "PC"); none for the other banks.
std::optional<Branch> PlanBranch(BankId bank);

// Node texts. Indices outside the bank give std::nullopt.
std::optional<std::string> ChannelNodeText(const Configuration& config, BankId bank, int index);
std::optional<std::string> ExpNodeText(const Configuration& config, int index);
std::optional<std::string> DirectoryNodeText(const Configuration& config, int index);

}  // namespace rse::nodes
