// Programming with backup and verify against the virtual radio over the fake link.
#include <gtest/gtest.h>

#include "fake_link.h"
#include "image/codec.h"
#include "link/safe_program.h"
#include "sim/radio_device.h"

namespace rse::test {
namespace {

bool WroteAnyBlock(const Rig& r) {
    const auto frames = r.Frames();
    return std::any_of(frames.begin(), frames.end(),
                       [](const Frame& f) { return f.size() > 2 && f[1] == '1' && f[2] == '3'; });
}

TEST(SafeProgram, StepsAnswersAndFaults) {
    MemoryImage image = DefaultImage();
    image[0x1A5] = 'Q';   // a tag letter of the first USA channel
    image[0xFA0] = 0x5A;  // a byte the editor does not own
    struct Case {
        const char* name;
        SafetyNet net;
        bool answer;           // to "Program these N changes?"
        bool radioHoldsImage;  // the radio already holds what is sent
        sim::RadioFaults faults;
        bool cancelOnAsk;
        bool keepFails;  // the backup cannot be kept (a full disk)
        TransferStatus status;
        std::string text;    // of the final message, "" for none
        std::string detail;  // part of its detail
        bool written;        // the radio's memory is the image afterwards
    };
    sim::RadioFaults lose;
    lose.loseWrite[0x1A0] = 1;
    sim::RadioFaults cutInFirstRead;
    cutInFirstRead.cutAfterBlocks = 50;
    // clang-format off
    const Case cases[] = {
        {"backup, yes", {true, false}, true, false, {}, false, false, TransferStatus::Success, "Complete!!", "", true},
        {"backup, no", {true, false}, false, false, {}, false, false, TransferStatus::Cancelled, "", "", false},
        {"cancel while asked", {true, true}, true, false, {}, true, false, TransferStatus::Cancelled, "", "", false},
        {"nothing to change", {true, true}, true, true, {}, false, false, TransferStatus::Success, kNothingToProgramText, "", true},
        {"first read fails", {true, true}, true, false, cutInFirstRead, false, false, TransferStatus::Failed, "CommunicatiOn Error!!", "lost", false},
        {"verify, block lost", {false, true}, true, false, lose, false, false, TransferStatus::Failed, "Verify Error!!", "1 byte differs, the first at address 0x01A5", false},
        {"backup and verify", {true, true}, true, false, {}, false, false, TransferStatus::Success, "Complete!!", "", true},
        {"backup cannot be kept", {true, false}, true, false, {}, false, true, TransferStatus::Failed, "FileSave Error!!", "full", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        const MemoryImage before = c.radioHoldsImage ? image : DefaultImage();
        sim::RadioDevice radio(before, c.faults, true);
        AttachRadio(r.link, radio);
        std::vector<MemoryImage> kept;
        int asked = 0;
        SafetyNetSteps steps;
        steps.keep = [&](const MemoryImage& m) -> std::optional<LinkMessage> {
            kept.push_back(m);
            if (!c.keepFails) return std::nullopt;
            return LinkMessage{"FileSave Error!!", "Program to Radio", MessageIcon::Critical,
                               "full"};
        };
        steps.confirm = [&](const MemoryImage& radioNow, const MemoryImage& sent) {
            ++asked;
            EXPECT_EQ(radioNow, before);
            EXPECT_EQ(sent, image);
            if (c.cancelOnAsk) r.cancel = true;
            return c.answer;
        };
        const TransferOutcome out = ProgramWithSafetyNet(r.env, image, c.net, steps);
        EXPECT_EQ(out.status, c.status);
        EXPECT_EQ(out.message ? out.message->text : "", c.text);
        if (!c.detail.empty()) {
            ASSERT_TRUE(out.message);
            EXPECT_NE(out.message->detail.find(c.detail), std::string::npos) << out.message->detail;
        }
        EXPECT_EQ(radio.Memory() == image, c.written);
        const bool readFirst = c.net.backup && c.faults.cutAfterBlocks == std::nullopt;
        EXPECT_EQ(kept, readFirst ? std::vector<MemoryImage>{before} : std::vector<MemoryImage>{});
        EXPECT_EQ(asked, readFirst && !c.radioHoldsImage && !c.keepFails ? 1 : 0);
        // Nothing is written unless the user said yes (or there was no question).
        EXPECT_FALSE(c.net.backup && (asked == 0 || !c.answer || c.cancelOnAsk) &&
                     WroteAnyBlock(r));
        EXPECT_TRUE(std::is_sorted(r.progress.begin(), r.progress.end()));
        EXPECT_TRUE(!out.Succeeded() || c.radioHoldsImage || r.progress.back() == 100);
        EXPECT_FALSE(r.link.IsOpen());
    }
}

}  // namespace
}  // namespace rse::test
