#include "editing/node_keys.h"

#include <cctype>
#include <limits>

namespace rse::nodes {

std::string EnableMark(bool enable) {
    return enable ? "[Enable]" : "";
}

int NumericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int>::max()) return 0;  // no sensible index
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {

// Each branch with its text key.
constexpr struct {
    Branch branch;
    std::string_view text;
} kBranchKeys[] = {
    {Branch::Programmable, kProgrammable},
    {Branch::Usa, kUsa},
    {Branch::International, kInternational},
    {Branch::Canada, kCanada},
    {Branch::Wx, kWx},
    {Branch::Exp, kExp},
    {Branch::Setting, kSetting},
    {Branch::Directory, kDirectory},
};

Branch BranchOfText(std::string_view text) {
    for (const auto& b : kBranchKeys) {
        if (b.text == text) return b.branch;
    }
    return Branch::None;
}

// Branches whose nodes have leaves.
bool HasLeaves(Branch branch) {
    switch (branch) {
        case Branch::Usa:
        case Branch::International:
        case Branch::Canada:
        case Branch::Exp:
        case Branch::Directory:
            return true;
        default:
            return false;
    }
}

}  // namespace

NodeKey NodeKey::Parse(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) return {BranchOfText(text), std::nullopt};
    const Branch branch = BranchOfText(text.substr(0, space));
    if (!HasLeaves(branch)) return {};
    return {branch, NumericValue(text.substr(space + 1))};
}

std::string NodeKey::Text() const {
    std::string text;
    for (const auto& b : kBranchKeys) {
        if (b.branch == branch) text = b.text;
    }
    if (index && !text.empty()) text += ' ' + std::to_string(*index);
    return text;
}

NodeView NodeKey::View() const {
    switch (branch) {
        case Branch::None:
            return NodeView::None;
        case Branch::Programmable:
            return index ? NodeView::None : NodeView::Priority;
        case Branch::Usa:
        case Branch::International:
        case Branch::Canada:
            return index ? NodeView::PlanChannel : NodeView::PlanList;
        case Branch::Wx:
            return index ? NodeView::None : NodeView::Wx;
        case Branch::Exp:
            return index ? NodeView::ExpChannel : NodeView::ExpList;
        case Branch::Setting:
            return index ? NodeView::None : NodeView::Settings;
        case Branch::Directory:
            return index ? NodeView::DirectoryEntry : NodeView::DirectoryList;
    }
    return NodeView::None;
}

std::optional<BankId> NodeKey::Bank() const {
    switch (branch) {
        case Branch::Usa:
            return BankId::USA;
        case Branch::International:
            return BankId::INT;
        case Branch::Canada:
            return BankId::CAN;
        default:
            return std::nullopt;
    }
}

std::optional<Branch> PlanBranch(BankId bank) {
    switch (bank) {
        case BankId::USA:
            return Branch::Usa;
        case BankId::INT:
            return Branch::International;
        case BankId::CAN:
            return Branch::Canada;
        default:
            return std::nullopt;
    }
}

std::optional<std::string> ChannelNodeText(const Configuration& config, BankId bank, int index) {
    const auto& records = BankOf(config, bank);
    if (index < 0 || index >= static_cast<int>(records.size())) return std::nullopt;
    const ChannelRecord& record = records[static_cast<std::size_t>(index)];
    const PlanEntry* entry = Plans().For(bank).Find(record.Position);
    return "CH" + (entry ? entry->Label : std::string()) + EnableMark(record.Enable);
}

std::optional<std::string> ExpNodeText(const Configuration& config, int index) {
    if (index < 1 || index > kExpCount) return std::nullopt;
    return "EXP" + std::to_string(index) + EnableMark(config.Exp(index).Enable);
}

std::optional<std::string> DirectoryNodeText(const Configuration& config, int index) {
    if (index < 1 || index > kDirectoryCount) return std::nullopt;
    return "MemoryID" + std::to_string(index) + EnableMark(config.Dir(index).Enable);
}

}  // namespace rse::nodes
