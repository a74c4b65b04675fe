#include <gtest/gtest.h>

#include <algorithm>

#include "model/channel_plans.h"
#include "test_support.h"

namespace rse {
namespace {

TEST(ChannelPlans, TablesHoldTheRadiosChannelSets) {
    const ChannelPlans& p = Plans();
    // Empty tail entries, hence 55, 55 and 56 channels.
    EXPECT_FALSE(p.PlanUSA.Find(64)->Exists);
    for (int i = 60; i <= 64; ++i)
        EXPECT_FALSE(p.PlanINT.Find(i)->Exists) << i;
    for (int i = 61; i <= 64; ++i)
        EXPECT_FALSE(p.PlanCAN.Find(i)->Exists) << i;

    // Channel 70 is receive only everywhere; USA 15 too, while INT/CAN 15 transmit at low power.
    for (auto [plan, index] : {std::pair{&p.PlanUSA, 40}, {&p.PlanINT, 41}, {&p.PlanCAN, 41}}) {
        const PlanEntry* e = plan->Find(index);
        EXPECT_EQ(e->Label, "70");
        EXPECT_EQ(e->TxFreq, 0.0);
        EXPECT_EQ(e->RxFreq, 156.525);
    }
    EXPECT_EQ(p.PlanUSA.Find(15)->TxFreq, 0.0);
    EXPECT_EQ(p.PlanINT.Find(15)->TxFreq, 156.750);
    EXPECT_TRUE(p.PlanINT.Find(15)->LowPowerOnly);
    EXPECT_TRUE(p.PlanCAN.Find(15)->LowPowerOnly);

    // Duplex pairs and the exceptions to "duplex capable exactly when duplex".
    EXPECT_EQ(p.PlanCAN.Find(2)->TxFreq, 156.100);
    EXPECT_EQ(p.PlanCAN.Find(2)->RxFreq, 160.700);
    EXPECT_EQ(p.PlanUSA.Find(62)->Label, "88");
    EXPECT_EQ(p.PlanUSA.Find(62)->RxFreq, 162.025);
    EXPECT_FALSE(p.PlanUSA.Find(62)->DuplexCapable);
    EXPECT_TRUE(p.PlanINT.Find(18)->DuplexCapable);
    EXPECT_EQ(p.PlanINT.Find(18)->RxFreq, p.PlanINT.Find(18)->TxFreq);
    EXPECT_EQ(p.PlanUSA.Find(29)->RxFreq, 162.000);  // "28" duplex
    EXPECT_EQ(p.PlanINT.Find(29)->TxFreq, 156.025);  // "60"

    // USA "84A" has frequencies but is not present.
    EXPECT_FALSE(p.PlanUSA.Find(55)->Exists);
    EXPECT_EQ(p.PlanUSA.Find(55)->TxFreq, 157.225);

    EXPECT_EQ(p.PlanWX.Find(1)->Label, "WX01[162.550MHz]");
    EXPECT_EQ(p.PlanWX.Find(10)->Name, "163.275MHZ");
    EXPECT_EQ(p.PlanWX.Find(8)->RxFreq, 161.650);
    EXPECT_EQ(p.PlanWX.Find(8)->TxFreq, 0.0);
}

TEST(ChannelPlans, ExpRangesEqualTheirDecimalFigures) {
    const PlanTable& e = Plans().PlanEXP;
    struct Row {
        int index;
        double tx, rx;
        bool duplexCapable;
    };
    for (const Row& r : {Row{0, 156.000, 160.600, true}, Row{9, 156.450, 161.050, true},
                         Row{16, 156.800, 161.400, true}, Row{87, 157.375, 161.975, true},
                         Row{88, 157.425, 162.025, true}, Row{120, 159.000, 159.000, false},
                         Row{241, 162.025, 162.025, false}, Row{242, 155.975, 160.575, true},
                         Row{281, 155.000, 159.600, true}}) {
        EXPECT_EQ(e.Find(r.index)->TxFreq, r.tx) << r.index;
        EXPECT_EQ(e.Find(r.index)->RxFreq, r.rx) << r.index;
        EXPECT_EQ(e.Find(r.index)->DuplexCapable, r.duplexCapable) << r.index;
    }
    int missing = 0;
    for (int i = 0; i <= 281; ++i)
        missing += e.Find(i)->Exists ? 0 : 1;
    EXPECT_EQ(missing, 4);
    for (int i : {75, 76, 85, 86})
        EXPECT_FALSE(e.Find(i)->Exists) << i;
    EXPECT_EQ(e.Find(282), nullptr);
    EXPECT_EQ(e.Find(-1), nullptr);
}

TEST(NewConfiguration, HoldsTheDefaults) {
    test::NewDocument doc;
    const Configuration& c = doc.config;
    ASSERT_EQ(c.CHUSA.size(), 55u);
    EXPECT_EQ(c.CHINT.size(), 55u);
    EXPECT_EQ(c.CHCAN.size(), 56u);
    EXPECT_EQ(c.CHWX.size(), 10u);
    EXPECT_EQ(c.CHUSA[0].Position, 1);
    EXPECT_EQ(c.CHUSA[1].Position, 3);
    EXPECT_EQ(c.CHUSA[2].Position, 5);
    EXPECT_EQ(c.CHUSA[3].Position, 6);
    EXPECT_TRUE(std::is_sorted(c.CHUSA.begin(), c.CHUSA.end(),
                               [](auto& a, auto& b) { return a.Position <= b.Position; }));

    auto usa = [&](int position) {
        return *std::find_if(c.CHUSA.begin(), c.CHUSA.end(),
                             [&](const ChannelRecord& r) { return r.Position == position; });
    };
    const ChannelRecord ch16 = usa(16);
    EXPECT_TRUE(ch16.Enable);
    EXPECT_TRUE(ch16.TxEnable);
    EXPECT_FALSE(ch16.LowPower);
    EXPECT_EQ(ch16.ChTag, "DISTRESS");
    EXPECT_FALSE(usa(40).TxEnable);  // channel 70
    EXPECT_FALSE(usa(15).TxEnable);
    EXPECT_TRUE(usa(13).LowPower);
    EXPECT_TRUE(usa(1).DispayA);
    EXPECT_FALSE(usa(6).DispayA);
    EXPECT_TRUE(usa(20).DuplexCapable);
    for (const ChannelRecord& r : c.CHWX) {
        EXPECT_TRUE(r.Enable);
        EXPECT_FALSE(r.TxEnable);
    }
    EXPECT_EQ(c.CHWX[0].ChTag, "162.550MHZ");

    const CommonSettings& s = c.SETCOM;
    CommonSettings expected;
    expected.Contrast = 4;
    expected.KeyBeep = true;
    expected.IndReply = expected.IndACK = expected.POSRR = expected.DscScan = expected.WxAlert =
        true;
    expected.OffsetTime = 12;
    EXPECT_EQ(s, expected);

    for (int i = 1; i <= 20; ++i) {
        const ChannelRecord& e = c.Exp(i);
        EXPECT_EQ(e.Position, 0);
        EXPECT_TRUE(e.DuplexCapable);
        EXPECT_FALSE(e.Enable || e.TxEnable || e.Duplex || e.DispayA || e.PowUp || e.LowPower ||
                     e.ScanMemory);
        EXPECT_EQ(e.ChTag, "");
        EXPECT_EQ(c.Dir(i), DirectoryEntry{});
    }
    EXPECT_EQ(DirectoryCount(c), 0);
}

TEST(NewConfiguration, DirectoryCountCountsLeadingEnabledEntries) {
    Configuration c;
    for (int i = 1; i <= 20; ++i)
        c.Dir(i).Enable = true;
    EXPECT_EQ(DirectoryCount(c), 20);
    ClearDirectory(c);
    for (int i : {1, 2, 4})
        c.Dir(i).Enable = true;
    EXPECT_EQ(DirectoryCount(c), 2);
}

}  // namespace
}  // namespace rse
