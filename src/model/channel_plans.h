// The five default channel plans of the radio. Built once, immutable afterwards.
#pragma once

#include <string>
#include <vector>

#include "model/configuration.h"

namespace rse {

struct PlanEntry {
    bool Exists = false;
    std::string Label;
    double TxFreq = 0.0;  // MHz, 0 for receive only
    double RxFreq = 0.0;  // MHz
    bool DuplexCapable = false;
    bool LowPowerOnly = false;
    std::string Name;
};

// The positions a plan has: its first and its last index.
struct PlanRange {
    int first;
    int last;

    constexpr int Count() const { return last - first + 1; }
    constexpr bool Contains(int position) const { return position >= first && position <= last; }
};

// USA, International and Canada.
inline constexpr PlanRange kFixedPlanRange{1, 64};
inline constexpr PlanRange kWxPlanRange{1, 10};
inline constexpr PlanRange kExpPlanRange{0, 281};

// A duplex channel's ship receive frequency lies 4.6 MHz above its transmit frequency.
inline constexpr long kDuplexOffsetKHz = 4600;

// A plan table with its own index range.
class PlanTable {
  public:
    explicit PlanTable(PlanRange range)
        : lower_(range.first), entries_(static_cast<std::size_t>(range.Count())) {}

    int Lower() const { return lower_; }
    int Upper() const { return lower_ + static_cast<int>(entries_.size()) - 1; }
    bool Contains(int index) const { return index >= Lower() && index <= Upper(); }
    // The entry at index, or nullptr outside the table's range.
    const PlanEntry* Find(int index) const {
        return Contains(index) ? &entries_[static_cast<std::size_t>(index - lower_)] : nullptr;
    }
    void AddPlanEntry(int index, std::string label, double tx, double rx, bool duplexCapable,
                      bool lowPowerOnly, std::string name, bool exists);

  private:
    int lower_;
    std::vector<PlanEntry> entries_;
};

enum class BankId { USA, INT, CAN, WX, EXP };

// The name of a fixed plan (USA, INT, CAN) as the editor, the reports and the exports say it:
// "USA", "International", "Canada".
const char* FixedPlanName(BankId bank);

struct ChannelPlans {
    PlanTable PlanUSA{kFixedPlanRange};
    PlanTable PlanINT{kFixedPlanRange};
    PlanTable PlanCAN{kFixedPlanRange};
    PlanTable PlanWX{kWxPlanRange};
    PlanTable PlanEXP{kExpPlanRange};

    const PlanTable& For(BankId bank) const;
};

void BuildPlanUSA(PlanTable& table);
void BuildPlanINT(PlanTable& table);
void BuildPlanCAN(PlanTable& table);
void BuildPlanWX(PlanTable& table);
void BuildPlanEXP(PlanTable& table);

// The plans, built on first use (thread-safe) and never changed.
const ChannelPlans& Plans();

// Fills a resizable bank from a plan: one enabled channel per present plan entry.
void BuildBankFromPlan(std::vector<ChannelRecord>& bank, const PlanTable& plan);
// Gives every EXP memory its starting values (position 0).
void InitExpBank(Configuration& config, const PlanTable& planExp);
// Sets a record's plan-derived fields from the plan entry at `position`.
void FillFromPlan(ChannelRecord& record, int position, const PlanEntry& entry);

// The bank vector of a 0-indexed bank (USA, INT, CAN, WX).
std::vector<ChannelRecord>& BankOf(Configuration& config, BankId bank);
const std::vector<ChannelRecord>& BankOf(const Configuration& config, BankId bank);

}  // namespace rse
