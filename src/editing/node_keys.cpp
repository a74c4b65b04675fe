#include "editing/node_keys.h"

#include <cctype>
#include <limits>

namespace rse::nodes {

std::string EnableMark(bool enable) {
    return enable ? "[Enable]" : "";
}

std::string LeafKey(std::string_view branch, int index) {
    std::string key(branch);
    if (index >= 0) key += ' ';
    key += std::to_string(index);
    return key;
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

int KeyIndex(std::string_view key, std::size_t prefixLength) {
    if (key.size() <= prefixLength) return 0;
    return NumericValue(key.substr(prefixLength));
}

std::optional<BankId> PlanBankOfKey(std::string_view branch) {
    if (branch == kUsa) return BankId::USA;
    if (branch == kInternational) return BankId::INT;
    if (branch == kCanada) return BankId::CAN;
    return std::nullopt;
}

NodeView ViewOfKey(std::string_view key) {
    const std::size_t space = key.find(' ');
    if (space != std::string_view::npos) {
        const std::string_view branch = key.substr(0, space);
        if (PlanBankOfKey(branch)) return NodeView::PlanChannel;
        if (branch == kExp) return NodeView::ExpChannel;
        if (branch == kDirectory) return NodeView::DirectoryEntry;
        return NodeView::None;
    }
    if (key == kProgrammable) return NodeView::Priority;
    if (PlanBankOfKey(key)) return NodeView::PlanList;
    if (key == kWx) return NodeView::Wx;
    if (key == kExp) return NodeView::ExpList;
    if (key == kSetting) return NodeView::Settings;
    if (key == kDirectory) return NodeView::DirectoryList;
    return NodeView::None;
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
