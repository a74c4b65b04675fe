#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/channel_plans.h"
#include "support.h"

namespace rse {
namespace {

// Facts of the radio's channel sets, written down apart from the plan tables: the channels
// limited to low power, and the few whose duplex capability is not "receive differs from
// transmit".
TEST(ChannelPlans, LowPowerAndDuplexFollowTheRadiosChannelFacts) {
    const ChannelPlans& p = Plans();
    struct Facts {
        const PlanTable* plan;
        std::set<std::string> lowPower, duplexExceptions;
        int present;
    };
    for (const Facts& f : {Facts{&p.PlanUSA, {"13", "17", "67", "77"}, {"88"}, 55},
                           Facts{&p.PlanINT, {"15", "17", "28"}, {"18", "19"}, 55},
                           Facts{&p.PlanCAN, {"13", "15", "17", "66A", "77"}, {}, 56}}) {
        int present = 0;
        for (int i = 1; i <= 64; ++i) {
            const PlanEntry& e = *f.plan->Find(i);
            present += e.Exists;
            if (!e.Exists) continue;
            EXPECT_EQ(e.LowPowerOnly, f.lowPower.count(e.Label) == 1) << e.Label;
            const bool pair = e.TxFreq != 0.0 && e.RxFreq != e.TxFreq;
            EXPECT_EQ(e.DuplexCapable, pair != (f.duplexExceptions.count(e.Label) == 1)) << e.Label;
        }
        EXPECT_EQ(present, f.present);
    }
}

TEST(ChannelPlans, FrequenciesOfTheChannelSets) {
    const ChannelPlans& p = Plans();
    struct Row {
        const PlanTable* plan;
        int index;
        const char* label;
        double tx, rx;
        bool exists;
    };
    for (const Row& r : {Row{&p.PlanUSA, 40, "70", 0.0, 156.525, true},
                         Row{&p.PlanINT, 41, "70", 0.0, 156.525, true},
                         Row{&p.PlanCAN, 41, "70", 0.0, 156.525, true},
                         Row{&p.PlanUSA, 15, "15", 0.0, 156.750, true},
                         Row{&p.PlanINT, 15, "15", 156.750, 156.750, true},
                         Row{&p.PlanCAN, 2, "02", 156.100, 160.700, true},
                         Row{&p.PlanUSA, 62, "88", 157.425, 162.025, true},
                         Row{&p.PlanCAN, 60, "88", 157.425, 162.025, true},
                         Row{&p.PlanUSA, 29, "28", 157.400, 162.000, true},
                         Row{&p.PlanINT, 29, "60", 156.025, 160.625, true},
                         Row{&p.PlanUSA, 55, "84A", 157.225, 157.225, false},
                         Row{&p.PlanUSA, 64, "", 0.0, 0.0, false},
                         Row{&p.PlanWX, 1, "WX01[162.550MHz]", 0.0, 162.550, true}}) {
        const PlanEntry& e = *r.plan->Find(r.index);
        EXPECT_EQ(e.Label, r.label) << r.index;
        EXPECT_EQ(e.TxFreq, r.tx) << r.label;
        EXPECT_EQ(e.RxFreq, r.rx) << r.label;
        EXPECT_EQ(e.Exists, r.exists) << r.label;
    }
    EXPECT_EQ(p.PlanWX.Find(10)->Name, "163.275MHZ");
    for (int i : {60, 61, 62, 63, 64})
        EXPECT_FALSE(p.PlanINT.Find(i)->Exists) << i;
}

TEST(ChannelPlans, ExpRangesEqualTheirDecimalFigures) {
    const PlanTable& e = Plans().PlanEXP;
    struct Row {
        int index;
        double tx, rx;
        bool duplexCapable;
    };
    for (const Row& r : {Row{0, 156.000, 160.600, true}, Row{87, 157.375, 161.975, true},
                         Row{88, 157.425, 162.025, true}, Row{120, 159.000, 159.000, false},
                         Row{241, 162.025, 162.025, false}, Row{242, 155.975, 160.575, true},
                         Row{281, 155.000, 159.600, true}}) {
        EXPECT_EQ(e.Find(r.index)->TxFreq, r.tx) << r.index;
        EXPECT_EQ(e.Find(r.index)->RxFreq, r.rx) << r.index;
        EXPECT_EQ(e.Find(r.index)->DuplexCapable, r.duplexCapable) << r.index;
    }
    std::vector<int> missing;
    for (int i = 0; i <= 281; ++i)
        if (!e.Find(i)->Exists) missing.push_back(i);
    EXPECT_EQ(missing, (std::vector<int>{75, 76, 85, 86}));
    EXPECT_EQ(e.Find(282), nullptr);
    EXPECT_EQ(e.Find(-1), nullptr);
}

TEST(NewConfiguration, HoldsTheDefaults) {
    const Configuration c = test::NewDocument().config;
    ASSERT_EQ(c.CHUSA.size(), 55u);
    EXPECT_EQ(c.CHUSA[1].Position, 3);
    EXPECT_TRUE(std::is_sorted(c.CHUSA.begin(), c.CHUSA.end(),
                               [](auto& a, auto& b) { return a.Position <= b.Position; }));
    auto usa = [&](int position) {
        return *std::find_if(c.CHUSA.begin(), c.CHUSA.end(),
                             [&](const ChannelRecord& r) { return r.Position == position; });
    };
    // Channels 16, 15 and 13 are proven by the channel list's rows.
    EXPECT_FALSE(usa(40).TxEnable);  // channel 70
    EXPECT_TRUE(usa(1).DispayA);
    EXPECT_FALSE(usa(6).DispayA);
    EXPECT_TRUE(usa(20).DuplexCapable);
    for (const ChannelRecord& r : c.CHWX)
        EXPECT_TRUE(r.Enable && !r.TxEnable);

    for (int i = 1; i <= 20; ++i) {
        ChannelRecord blank{};
        blank.DuplexCapable = true;
        EXPECT_EQ(c.Exp(i), blank) << i;
        EXPECT_EQ(c.Dir(i), DirectoryEntry{});
    }
}

TEST(NewConfiguration, DirectoryCountCountsLeadingEnabledEntries) {
    Configuration c;
    for (int i = 1; i <= 20; ++i)
        c.Dir(i).Enable = true;
    EXPECT_EQ(DirectoryCount(c), 20);
    ClearDirectory(c);
    EXPECT_EQ(DirectoryCount(c), 0);
    for (int i : {1, 2, 4})
        c.Dir(i).Enable = true;
    EXPECT_EQ(DirectoryCount(c), 2);
}

}  // namespace
}  // namespace rse
