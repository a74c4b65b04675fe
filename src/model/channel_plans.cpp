#include "model/channel_plans.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>

namespace rse {

namespace {

struct FixedPlanRow {
    int index;
    const char* label;
    char kind;  // 'S' simplex, 'D' duplex, 'R' receive only, 'N' none
    bool duplexCapable;
    bool lowPowerOnly;
    const char* name;
    bool present;
};

constexpr FixedPlanRow kPlanUSA[] = {
    {1, "01A", 'S', false, false, "VTS", true},
    {2, "02", 'N', false, false, "", false},
    {3, "03A", 'S', false, false, "", true},
    {4, "04", 'N', false, false, "", false},
    {5, "05A", 'S', false, false, "VTS", true},
    {6, "06", 'S', false, false, "SAFETY", true},
    {7, "07A", 'S', false, false, "COMMERCIAL", true},
    {8, "08", 'S', false, false, "COMMERCIAL", true},
    {9, "09", 'S', false, false, "CALLING", true},
    {10, "10", 'S', false, false, "COMMERCIAL", true},
    {11, "11", 'S', false, false, "VTS", true},
    {12, "12", 'S', false, false, "VTS", true},
    {13, "13", 'S', false, true, "BRG/BRG", true},
    {14, "14", 'S', false, false, "VTS", true},
    {15, "15", 'R', false, false, "COMMERCIAL", true},
    {16, "16", 'S', false, false, "DISTRESS", true},
    {17, "17", 'S', false, true, "SAR", true},
    {18, "18A", 'S', false, false, "COMMERCIAL", true},
    {19, "19A", 'S', false, false, "COMMERCIAL", true},
    {20, "20", 'D', true, false, "PORT OPR", true},
    {21, "20A", 'S', false, false, "PORT OPR", true},
    {22, "21A", 'S', false, false, "CCG", true},
    {23, "22A", 'S', false, false, "USCG", true},
    {24, "23A", 'S', false, false, "USCG", true},
    {25, "24", 'D', true, false, "TELEPHONE", true},
    {26, "25", 'D', true, false, "TELEPHONE", true},
    {27, "26", 'D', true, false, "TELEPHONE", true},
    {28, "27", 'D', true, false, "TELEPHONE", true},
    {29, "28", 'D', true, false, "TELEPHONE", true},
    {30, "60", 'N', false, false, "", false},
    {31, "61A", 'S', false, false, "CCG", true},
    {32, "62", 'N', false, false, "", false},
    {33, "63A", 'S', false, false, "VTS", true},
    {34, "64A", 'S', false, false, "COMMERCIAL", true},
    {35, "65A", 'S', false, false, "PORT OPR", true},
    {36, "66A", 'S', false, false, "PORT OPR", true},
    {37, "67", 'S', false, true, "BRG/BRG", true},
    {38, "68", 'S', false, false, "SHIP/SHIP", true},
    {39, "69", 'S', false, false, "PLEASURE", true},
    {40, "70", 'R', false, false, "DSC", true},
    {41, "71", 'S', false, false, "PLEASURE", true},
    {42, "72", 'S', false, false, "SHIP/SHIP", true},
    {43, "73", 'S', false, false, "PORT OPR", true},
    {44, "74", 'S', false, false, "PORT OPR", true},
    {45, "75", 'S', false, false, "PORT OPR", true},
    {46, "76", 'S', false, false, "PORT OPR", true},
    {47, "77", 'S', false, true, "PORT OPR", true},
    {48, "78A", 'S', false, false, "SHIP/SHIP", true},
    {49, "79A", 'S', false, false, "SHIP/SHIP", true},
    {50, "80A", 'S', false, false, "SHIP/SHIP", true},
    {51, "81A", 'S', false, false, "CCG", true},
    {52, "82A", 'S', false, false, "CCG", true},
    {53, "83A", 'S', false, false, "USGCG", true},
    {54, "84", 'D', true, false, "TELEPHONE", true},
    {55, "84A", 'S', false, false, "", false},
    {56, "85", 'D', true, false, "TELEPHONE", true},
    {57, "85A", 'S', false, false, "", false},
    {58, "86", 'D', true, false, "TELEPHONE", true},
    {59, "86A", 'S', false, false, "", false},
    {60, "87", 'D', true, false, "TELEPHONE", true},
    {61, "87A", 'S', false, false, "", false},
    {62, "88", 'D', false, false, "TELEPHONE", true},
    {63, "88A", 'S', false, false, "COMMERCIAL", true},
};

constexpr FixedPlanRow kPlanINT[] = {
    {1, "01", 'D', true, false, "TELEPHONE", true},
    {2, "02", 'D', true, false, "TELEPHONE", true},
    {3, "03", 'D', true, false, "TELEPHONE", true},
    {4, "04", 'D', true, false, "INTL", true},
    {5, "05", 'D', true, false, "INTL", true},
    {6, "06", 'S', false, false, "SAFETY", true},
    {7, "07", 'D', true, false, "INTL", true},
    {8, "08", 'S', false, false, "COMMERCIAL", true},
    {9, "09", 'S', false, false, "CALLING", true},
    {10, "10", 'S', false, false, "COMMERCIAL", true},
    {11, "11", 'S', false, false, "VTS", true},
    {12, "12", 'S', false, false, "VTS", true},
    {13, "13", 'S', false, false, "BRG/BRG", true},
    {14, "14", 'S', false, false, "VTS", true},
    {15, "15", 'S', false, true, "COMMERCIAL", true},
    {16, "16", 'S', false, false, "DISTRESS", true},
    {17, "17", 'S', false, true, "SAR", true},
    {18, "18", 'S', true, false, "INTL", true},
    {19, "19", 'S', true, false, "INTL", true},
    {20, "20", 'D', true, false, "PORT OPR", true},
    {21, "21", 'D', true, false, "INTL", true},
    {22, "22", 'D', true, false, "INTL", true},
    {23, "23", 'D', true, false, "INTL", true},
    {24, "24", 'D', true, false, "TELEPHONE", true},
    {25, "25", 'D', true, false, "TELEPHONE", true},
    {26, "26", 'D', true, false, "TELEPHONE", true},
    {27, "27", 'D', true, false, "TELEPHONE", true},
    {28, "28", 'D', true, true, "TELEPHONE", true},
    {29, "60", 'D', true, false, "TELEPHONE", true},
    {30, "61", 'D', true, false, "INTL", true},
    {31, "62", 'D', true, false, "INTL", true},
    {32, "63", 'D', true, false, "INTL", true},
    {33, "64", 'D', true, false, "TELEPHONE", true},
    {34, "65", 'D', true, false, "INTL", true},
    {35, "65A", 'S', false, false, "", false},
    {36, "66", 'D', true, false, "INTL", true},
    {37, "66A", 'S', false, false, "", false},
    {38, "67", 'S', false, false, "BRG/BRG", true},
    {39, "68", 'S', false, false, "SHIP-SHIP", true},
    {40, "69", 'S', false, false, "PLEASURE", true},
    {41, "70", 'R', false, false, "DSC", true},
    {42, "71", 'S', false, false, "PLEASURE", true},
    {43, "72", 'S', false, false, "SHIP-SHIP", true},
    {44, "73", 'S', false, false, "PORT OPR", true},
    {45, "74", 'S', false, false, "PORT OPR", true},
    {46, "75", 'S', false, false, "", false},
    {47, "76", 'S', false, false, "", false},
    {48, "77", 'S', false, false, "PORT OPR", true},
    {49, "78", 'D', true, false, "INTL", true},
    {50, "79", 'D', true, false, "INTL", true},
    {51, "80", 'D', true, false, "INTL", true},
    {52, "81", 'D', true, false, "INTL", true},
    {53, "82", 'D', true, false, "INTL", true},
    {54, "83", 'D', true, false, "INTL", true},
    {55, "84", 'D', true, false, "TELEPHONE", true},
    {56, "85", 'D', true, false, "TELEPHONE", true},
    {57, "86", 'D', true, false, "TELEPHONE", true},
    {58, "87", 'D', true, false, "TELEPHONE", true},
    {59, "88", 'D', true, false, "TELEPHONE", true},
};

constexpr FixedPlanRow kPlanCAN[] = {
    {1, "01", 'D', true, false, "TELEPHONE", true},
    {2, "02", 'D', true, false, "TELEPHONE", true},
    {3, "03", 'D', true, false, "TELEPHONE", true},
    {4, "04A", 'S', false, false, "CCG", true},
    {5, "05A", 'S', false, false, "VTS", true},
    {6, "06", 'S', false, false, "SAFETY", true},
    {7, "07A", 'S', false, false, "COMMERCIAL", true},
    {8, "08", 'S', false, false, "COMMERCIAL", true},
    {9, "09", 'S', false, false, "CALLING", true},
    {10, "10", 'S', false, false, "COMMERCIAL", true},
    {11, "11", 'S', false, false, "VTS", true},
    {12, "12", 'S', false, false, "VTS", true},
    {13, "13", 'S', false, true, "BRG/BRG", true},
    {14, "14", 'S', false, false, "VTS", true},
    {15, "15", 'S', false, true, "COMMERCIAL", true},
    {16, "16", 'S', false, false, "DISTRESS", true},
    {17, "17", 'S', false, true, "SAR", true},
    {18, "18A", 'S', false, false, "COMMERCIAL", true},
    {19, "19A", 'S', false, false, "COMMERCIAL", true},
    {20, "20", 'D', true, false, "PORT OPR", true},
    {21, "21", 'N', false, false, "", false},
    {22, "21A", 'S', false, false, "CCG", true},
    {23, "22A", 'S', false, false, "USCG", true},
    {24, "23", 'D', true, false, "INTL", true},
    {25, "24", 'D', true, false, "TELEPHONE", true},
    {26, "25", 'D', true, false, "TELEPHONE", true},
    {27, "26", 'D', true, false, "TELEPHONE", true},
    {28, "27", 'D', true, false, "TELEPHONE", true},
    {29, "28", 'D', true, false, "TELEPHONE", true},
    {30, "60", 'D', true, false, "TELEPHONE", true},
    {31, "61A", 'S', false, false, "CCG", true},
    {32, "62A", 'S', false, false, "CCG", true},
    {33, "63", 'N', false, false, "", false},
    {34, "64", 'D', true, false, "TELEPHONE", true},
    {35, "64A", 'S', false, false, "COMMERCIAL", true},
    {36, "65A", 'S', false, false, "PORT OPR", true},
    {37, "66A", 'S', false, true, "PORT OPR", true},
    {38, "67", 'S', false, false, "BRG/BRG", true},
    {39, "68", 'S', false, false, "SHIP-SHIP", true},
    {40, "69", 'S', false, false, "PLEASURE", true},
    {41, "70", 'R', false, false, "DSC", true},
    {42, "71", 'S', false, false, "PLEASURE", true},
    {43, "72", 'S', false, false, "SHIP-SHIP", true},
    {44, "73", 'S', false, false, "PORT OPR", true},
    {45, "74", 'S', false, false, "PORT OPR", true},
    {46, "75", 'S', false, false, "", false},
    {47, "76", 'S', false, false, "", false},
    {48, "77", 'S', false, true, "PORT OPR", true},
    {49, "78A", 'S', false, false, "SHIP/SHIP", true},
    {50, "79A", 'S', false, false, "SHIP/SHIP", true},
    {51, "80A", 'S', false, false, "SHIP/SHIP", true},
    {52, "81A", 'S', false, false, "CCG", true},
    {53, "82A", 'S', false, false, "CCG", true},
    {54, "83", 'S', false, false, "CCG", true},
    {55, "83A", 'S', false, false, "CCG", true},
    {56, "84", 'D', true, false, "TELEPHONE", true},
    {57, "85", 'D', true, false, "TELEPHONE", true},
    {58, "86", 'D', true, false, "TELEPHONE", true},
    {59, "87", 'D', true, false, "TELEPHONE", true},
    {60, "88", 'D', true, false, "TELEPHONE", true},
};

// Frequencies are kept in kHz while computing so that each result is the double nearest
// to its three-decimal megahertz figure.
double KHzToMHz(long khz) {
    return static_cast<double>(khz) / 1000.0;
}

// Base frequency of a channel number: 156.000 + 0.050 n below 60, 156.025 + 0.050 (n - 60) above.
long BaseKHz(int channel) {
    return channel < 60 ? 156000L + 50L * channel : 156025L + 50L * (channel - 60);
}

int ChannelNumber(const char* label) {
    int n = 0;
    for (const char* p = label; *p && std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        n = n * 10 + (*p - '0');
    }
    return n;
}

template <std::size_t N>
void BuildFixedPlan(PlanTable& table, const FixedPlanRow (&rows)[N]) {
    for (const FixedPlanRow& row : rows) {
        const long base = BaseKHz(ChannelNumber(row.label));
        long tx = 0;
        long rx = 0;
        switch (row.kind) {
            case 'S':
                tx = base;
                rx = base;
                break;
            case 'D':
                tx = base;
                rx = base + kDuplexOffsetKHz;
                break;
            case 'R':
                rx = base;
                break;
            default:
                break;
        }
        table.AddPlanEntry(row.index, row.label, KHzToMHz(tx), KHzToMHz(rx), row.duplexCapable,
                           row.lowPowerOnly, row.name, row.present);
    }
}

}  // namespace

void PlanTable::AddPlanEntry(int index, std::string label, double tx, double rx, bool duplexCapable,
                             bool lowPowerOnly, std::string name, bool exists) {
    if (!Contains(index)) throw std::out_of_range("plan index out of range");
    PlanEntry& e = entries_[static_cast<std::size_t>(index - lower_)];
    e.Exists = exists;
    e.Label = std::move(label);
    e.TxFreq = tx;
    e.RxFreq = rx;
    e.DuplexCapable = duplexCapable;
    e.LowPowerOnly = lowPowerOnly;
    e.Name = std::move(name);
}

const char* FixedPlanName(BankId bank) {
    switch (bank) {
        case BankId::USA:
            return RSE_TEXT("Core", "USA");
        case BankId::INT:
            return RSE_TEXT("Core", "International");
        case BankId::CAN:
            return RSE_TEXT("Core", "Canada");
        case BankId::WX:
        case BankId::EXP:
            break;
    }
    throw std::invalid_argument("WX and EXP are not fixed plans");
}

const PlanTable& ChannelPlans::For(BankId bank) const {
    switch (bank) {
        case BankId::USA:
            return PlanUSA;
        case BankId::INT:
            return PlanINT;
        case BankId::CAN:
            return PlanCAN;
        case BankId::WX:
            return PlanWX;
        case BankId::EXP:
            break;
    }
    return PlanEXP;
}

void BuildPlanUSA(PlanTable& table) {
    BuildFixedPlan(table, kPlanUSA);
}
void BuildPlanINT(PlanTable& table) {
    BuildFixedPlan(table, kPlanINT);
}
void BuildPlanCAN(PlanTable& table) {
    BuildFixedPlan(table, kPlanCAN);
}

void BuildPlanWX(PlanTable& table) {
    static constexpr long kRxKHz[kWxPlanRange.Count()] = {162550, 162400, 162475, 162425, 162450,
                                                          162500, 162525, 161650, 161775, 163275};
    for (int i = kWxPlanRange.first; i <= kWxPlanRange.last; ++i) {
        const long khz = kRxKHz[i - kWxPlanRange.first];
        char mhz[48];
        std::snprintf(mhz, sizeof mhz, "%ld.%03ld", khz / 1000, khz % 1000);
        char label[80];
        std::snprintf(label, sizeof label, "WX%02d[%sMHz]", i, mhz);
        table.AddPlanEntry(i, label, 0.0, KHzToMHz(khz), true, false, std::string(mhz) + "MHZ",
                           true);
    }
}

void BuildPlanEXP(PlanTable& table) {
    for (int i = kExpPlanRange.first; i <= kExpPlanRange.last; ++i) {
        long tx = 0;
        long rx = 0;
        bool duplexCapable = true;
        if (i <= 59) {
            tx = 156000L + 50L * i;
            rx = tx + kDuplexOffsetKHz;
        } else if (i <= 119) {
            tx = 156025L + 50L * (i - 60);
            rx = tx + kDuplexOffsetKHz;
        } else if (i <= 241) {
            tx = 159000L + 25L * (i - 120);
            rx = tx;
            duplexCapable = false;
        } else {
            tx = 155975L - 25L * (i - 242);
            rx = tx + kDuplexOffsetKHz;
        }
        const bool exists = !(i == 75 || i == 76 || i == 85 || i == 86);
        table.AddPlanEntry(i, "", KHzToMHz(tx), KHzToMHz(rx), duplexCapable, false, "", exists);
    }
}

const ChannelPlans& Plans() {
    static const ChannelPlans plans = [] {
        ChannelPlans p;
        BuildPlanUSA(p.PlanUSA);
        BuildPlanINT(p.PlanINT);
        BuildPlanCAN(p.PlanCAN);
        BuildPlanWX(p.PlanWX);
        BuildPlanEXP(p.PlanEXP);
        return p;
    }();
    return plans;
}

void FillFromPlan(ChannelRecord& r, int position, const PlanEntry& e) {
    r.Position = static_cast<std::int16_t>(position);
    r.Enable = true;
    r.LowPower = e.LowPowerOnly;
    r.PowUp = false;
    r.DuplexCapable = e.DuplexCapable;
    r.Duplex = false;
    if (e.TxFreq > 0) r.TxEnable = true;
    if (!e.Label.empty() && e.Label.back() == 'A') r.DispayA = true;
    r.ScanMemory = false;
    r.VsMemory = false;
    r.ChTag = e.Name;
}

void BuildBankFromPlan(std::vector<ChannelRecord>& bank, const PlanTable& plan) {
    bank.clear();
    for (int i = plan.Lower() < 1 ? 1 : plan.Lower(); i <= plan.Upper(); ++i) {
        const PlanEntry& e = *plan.Find(i);
        if (!e.Exists) continue;
        ChannelRecord r;
        FillFromPlan(r, i, e);
        bank.push_back(std::move(r));
    }
}

void InitExpBank(Configuration& config, const PlanTable& planExp) {
    for (ChannelRecord& r : config.CHEXP) {
        r = ChannelRecord{};
        FillFromPlan(r, 0, *planExp.Find(0));
    }
}

std::vector<ChannelRecord>& BankOf(Configuration& config, BankId bank) {
    switch (bank) {
        case BankId::USA:
            return config.CHUSA;
        case BankId::INT:
            return config.CHINT;
        case BankId::CAN:
            return config.CHCAN;
        case BankId::WX:
            return config.CHWX;
        case BankId::EXP:
            break;
    }
    throw std::invalid_argument("the EXP bank is a fixed array");
}

const std::vector<ChannelRecord>& BankOf(const Configuration& config, BankId bank) {
    return BankOf(const_cast<Configuration&>(config), bank);
}

}  // namespace rse
