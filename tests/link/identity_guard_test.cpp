// The identity guard inside every program, against the virtual radio behind the fake link:
// what is read, asked and written. The fleet's radio is this sequence with a fixed choice
// (tests/unit/fleet_test.cpp proves its lay-over, the command line's test the whole run; a
// failed read of the identity is a row of the safety net's table).
#include <gtest/gtest.h>

#include "fake_link.h"
#include "image/codec.h"
#include "link/safe_program.h"
#include "sim/radio_device.h"
#include "support.h"

namespace rse::test {
namespace {

TEST(IdentityGuard, ReadsOneFrameAfterTheModelCheckAsksAndWritesTheChoice) {
    const MemoryImage owned = ImageWithNumbers("366123456", "9366123456");
    const MemoryImage empty = ImageWithNumbers("", "");
    MemoryImage other = ImageWithNumbers("366999001", "9366123456");
    other[0x1A5] = 'Q';
    const auto K = IdentityChoice::Keep, C = IdentityChoice::Change, X = IdentityChoice::Cancel;
    struct Case {
        const char* name;
        MemoryImage radio, image;
        bool backup;
        IdentityChoice answer;
        bool asked;
        TransferStatus status;
        const MemoryImage* identityAfter;  // whose 16 bytes the radio holds afterwards
    };
    const auto S = TransferStatus::Success;
    // clang-format off
    const Case cases[] = {
        {"new radio: no question", empty, other, false, X, false, S, &other},
        {"another boat's file, keep", owned, other, false, K, true, S, &owned},
        {"another boat's file, change", owned, other, false, C, true, S, &other},
        {"another boat's file, cancel: nothing written", owned, other, false, X, true, TransferStatus::Cancelled, &owned},
        {"with backup: asked in the preview, keep", owned, other, true, K, true, S, &owned},
        {"with backup: change", owned, other, true, C, true, S, &other},
        {"with backup: cancel", owned, other, true, X, true, TransferStatus::Cancelled, &owned},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        sim::RadioDevice radio(c.radio, {}, true);
        AttachRadio(r.link, radio);
        int asked = 0;
        SafetyNetSteps steps;
        steps.identity = [&](const IdentityChange& change) {
            ++asked;
            EXPECT_FALSE(c.backup);
            EXPECT_FALSE(IdentitySentences(change).empty());
            // Nothing was written before the question.
            EXPECT_EQ(r.BlockWrites(), 0);
            return c.answer;
        };
        steps.confirm = [&](const MemoryImage& held, const MemoryImage& image,
                            const std::optional<IdentityChange>& change) {
            EXPECT_EQ(held, c.radio);
            EXPECT_EQ(image, c.image);
            asked += change ? 1 : 0;
            return change ? c.answer : C;
        };
        const ProgramResult result = ProgramWithSafetyNet(r.env, c.image, {c.backup, false}, steps);
        EXPECT_EQ(result.outcome.status, c.status);
        EXPECT_EQ(asked, c.asked ? 1 : 0);
        EXPECT_EQ(IdentityOf(radio.Memory()), IdentityOf(*c.identityAfter));
        EXPECT_EQ(result.identity.has_value(), c.asked);
        const bool written = c.status == S;
        EXPECT_EQ(radio.Memory()[0x1A5] == 'Q', written && c.image[0x1A5] == 'Q');
        EXPECT_TRUE(!written || radio.Memory() == result.image);
        if (!c.backup) {
            // Model check (two bytes), the identity block, then the blocks.
            const auto frames = r.Frames();
            ASSERT_GE(frames.size(), 3u);
            EXPECT_EQ(frames[2], ReadBlockFrame(kIdentityAddress));
            EXPECT_EQ(frames.size(), written ? 3u + 256u : 3u);
        }
        EXPECT_FALSE(r.link.IsOpen());
    }
}

}  // namespace
}  // namespace rse::test
