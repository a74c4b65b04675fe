#include <gtest/gtest.h>

#include "fake_link.h"
#include "image/codec.h"
#include "link/clone_protocol.h"
#include "sim/radio_device.h"
#include "support.h"

namespace rse::test {
namespace {

Frame Answer(std::uint8_t code, std::vector<std::uint8_t> data) {
    return ReplyFrame(code, data);
}

// Exactly what one attempt sends: the command frame, preceded by CAN on a repeat.
TEST(CloneProtocol, RepeatedAttemptFlushesSendsCanAndPausesAtMostRetriesPlusOne) {
    Rig r;
    // First attempt: silence. Second: junk, then the reply.
    r.Script(
        {{}, Concat(Bytes("\xFF?"), Answer(kReadBlockCode, std::vector<std::uint8_t>(16, 0xAB)))});
    MemoryImage target{};
    ASSERT_TRUE(r.protocol().ReadBlockCommand(0x0100, target));
    EXPECT_EQ(target[0x100], 0xAB);
    EXPECT_EQ(target[0x10F], 0xAB);
    EXPECT_EQ(target[0x110], 0x00);
    EXPECT_EQ(r.link.log, (std::vector<std::string>{"flush", "frame", "flush", "byte", "frame"}));
    EXPECT_EQ(r.link.writes[1], (std::vector<std::uint8_t>{kCAN}));
    EXPECT_EQ(r.link.writes[0], r.link.writes[2]);
    // The repeat comes after the full SOH wait and the pause after CAN.
    EXPECT_EQ(r.link.writeTimes[2] - r.link.writeTimes[1], 50ms);
    EXPECT_EQ(r.clock.sleeps, (std::vector<Millis>{50ms}));

    // A radio that never answers gets LinkRetries + 1 attempts.
    for (int retries : {0, 1, 3}) {
        Rig silent;
        silent.env.settings.LinkRetries = retries;
        silent.Script({});
        EXPECT_FALSE(silent.protocol().WriteBlockCommand(0x0000, target));
        EXPECT_EQ(silent.Frames().size(), static_cast<std::size_t>(retries + 1));
        // Echo at once, then ten seconds for the ACK each time, plus the pauses.
        EXPECT_EQ(silent.clock.Elapsed(), (retries + 1) * 10002ms + retries * 50ms);
    }
}

TEST(CloneProtocol, BadRepliesLeadToTheNextAttemptForTheSameAddress) {
    const auto data = std::vector<std::uint8_t>(16, 0x5A);
    const Frame good = Answer(kReadBlockCode, data);
    Frame wrongSum = good;
    wrongSum[wrongSum.size() - 2] = wrongSum[wrongSum.size() - 2] == '0' ? '1' : '0';
    const Frame wrongCode = Answer(kReadByteCode, std::vector<std::uint8_t>(16, 0x5A));
    Frame noCr = good;
    noCr.back() = 0x0A;
    const Frame tooLong = Concat(good, {0x00});
    Frame notHex = BuildFrame(kReadBlockCode, Bytes("ZZ5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A"));

    for (const Frame& bad : {wrongSum, wrongCode, noCr, tooLong, notHex}) {
        Rig r;
        r.Script({bad, good});
        MemoryImage target{};
        EXPECT_TRUE(r.protocol().ReadBlockCommand(0x0230, target));
        ASSERT_EQ(r.Frames().size(), 2u);
        EXPECT_EQ(r.Frames()[1], ReadBlockFrame(0x0230));
        EXPECT_EQ(target[0x230], 0x5A);

        Rig twice;
        twice.Script({bad, bad});
        MemoryImage untouched{};
        EXPECT_FALSE(twice.protocol().ReadBlockCommand(0x0230, untouched));
        EXPECT_EQ(untouched, MemoryImage{});
    }
}

TEST(CloneProtocol, WaitsUseTheirOwnTimeOuts) {
    // No echo and no answer to a read-byte frame: 10 s for the echo, 10 s for SOH.
    Rig byte;
    byte.env.settings.LinkRetries = 0;
    MemoryImage target{};
    EXPECT_FALSE(byte.protocol().ReadByteCommand(0, target));
    EXPECT_EQ(byte.clock.Elapsed(), 20002ms);

    // Any other frame: 1 s for the echo.
    Rig block;
    block.env.settings.LinkRetries = 0;
    EXPECT_FALSE(block.protocol().ReadBlockCommand(0, target));
    EXPECT_EQ(block.clock.Elapsed(), 11002ms);

    // SOH comes, the rest does not: 1 s for the rest.
    Rig rest;
    rest.env.settings.LinkRetries = 0;
    rest.Script(
        {Bytes("\x01"
               "14")});
    EXPECT_FALSE(rest.protocol().ReadBlockCommand(0, target));
    EXPECT_EQ(rest.clock.Elapsed(), 2ms + 1001ms);
}

TEST(CloneProtocol, ModelCheckReadsAddressOneOnlyAfterAddressZero) {
    Rig r;
    r.Script({Answer(kReadByteCode, {0x0D}), Answer(kReadByteCode, {0x48})});
    EXPECT_TRUE(r.protocol().CheckModel().Succeeded());
    EXPECT_EQ(r.Frames(), (std::vector<Frame>{ReadByteFrame(0), ReadByteFrame(1)}));
    EXPECT_EQ(r.link.log.front(), "open");
    EXPECT_EQ(r.link.log.back(), "close");

    Rig dead;
    dead.Script({});
    const TransferOutcome noAnswer = dead.protocol().CheckModel();
    EXPECT_EQ(noAnswer.status, TransferStatus::Failed);
    EXPECT_EQ(dead.Frames(), (std::vector<Frame>{ReadByteFrame(0), ReadByteFrame(0)}));
    ASSERT_TRUE(noAnswer.message);
    EXPECT_EQ(noAnswer.message->text, "CommunicatiOn Error!!");
    EXPECT_EQ(noAnswer.message->title, "Model Check");
    EXPECT_EQ(noAnswer.message->icon, MessageIcon::Critical);

    Rig other;
    other.Script({Answer(kReadByteCode, {0x0D}), Answer(kReadByteCode, {0x49})});
    const TransferOutcome wrong = other.protocol().ProgramRadio(DefaultImage());
    ASSERT_TRUE(wrong.message);
    EXPECT_EQ(wrong.message->text, "ModelName Error !!");
    EXPECT_EQ(wrong.message->title, "Read from Radio");
    EXPECT_EQ(other.Frames().size(), 2u);  // nothing written
    EXPECT_EQ(other.link.log.back(), "close");
}

TEST(CloneProtocol, ReadRadioBringsTheWholeMemoryWithProgress) {
    Rig r;
    sim::RadioDevice radio(PatternImage(), {}, true);
    AttachRadio(r.link, radio);
    const MemoryImage before = DefaultImage();
    const ReadRadioResult result = r.protocol().ReadRadio(before);
    ASSERT_TRUE(result.outcome.Succeeded());
    EXPECT_EQ(result.image, PatternImage());
    ASSERT_TRUE(result.outcome.message);
    EXPECT_EQ(result.outcome.message->text, "Complete!!");
    EXPECT_EQ(result.outcome.message->title, "Read from Radio");
    EXPECT_EQ(result.outcome.message->icon, MessageIcon::Information);
    EXPECT_TRUE(result.outcome.TransferResult());

    // Progress 0 on opening, then once before each block; 100 before the last one.
    ASSERT_EQ(r.progress.size(), 257u);
    EXPECT_EQ(r.progress.front(), 0);
    EXPECT_EQ(r.progress[255], 99);
    EXPECT_EQ(r.progress[256], 100);
    EXPECT_TRUE(std::is_sorted(r.progress.begin(), r.progress.end()));
    // Model check and read-all each open and close the port; 500 ms pause at the end.
    EXPECT_EQ(std::count(r.link.log.begin(), r.link.log.end(), "open"), 2);
    EXPECT_EQ(std::count(r.link.log.begin(), r.link.log.end(), "close"), 2);
    EXPECT_EQ(r.clock.sleeps, (std::vector<Millis>{500ms}));
    EXPECT_FALSE(r.link.IsOpen());
}

TEST(CloneProtocol, FailedReadAtBlock100LeavesTheImageAsItWas) {
    const MemoryImage before = DefaultImage();
    for (bool cutCable : {false, true}) {
        Rig r;
        sim::RadioFaults faults;
        if (cutCable) {
            faults.cutAfterBlocks = 100;
        } else {
            faults.noReply[0x640] = 2;
        }
        sim::RadioDevice radio(PatternImage(), faults, true);
        AttachRadio(r.link, radio);
        const ReadRadioResult result = r.protocol().ReadRadio(before);
        EXPECT_EQ(result.outcome.status, TransferStatus::Failed);
        EXPECT_EQ(result.image, before);
        ASSERT_TRUE(result.outcome.message);
        EXPECT_EQ(result.outcome.message->text, "CommunicatiOn Error!!");
        EXPECT_EQ(result.outcome.message->title, "Read from Radio");
        EXPECT_EQ(result.outcome.message->detail,
                  cutCable
                      ? "The connection to the radio on /dev/fake0 was lost: Input/output error."
                      : "No valid answer from the radio for address 0x0640 after 2 attempts.");
        EXPECT_EQ(r.Frames().back(), ReadBlockFrame(0x640));
        EXPECT_FALSE(r.link.IsOpen());
        EXPECT_TRUE(r.clock.sleeps.empty() || r.clock.sleeps == std::vector<Millis>{50ms});
        if (cutCable) {
            // A vanished line ends the transfer at once, without further attempts.
            EXPECT_LT(r.clock.Elapsed(), 2s);
            EXPECT_EQ(r.errorLog.size(), 1u);
        }
    }
}

TEST(CloneProtocol, ProgramRadioWritesEveryBlockAndRetriesAMissingAck) {
    Rig r;
    sim::RadioFaults faults;
    faults.noAck[0x7F0] = 1;
    faults.junkBytes = 3;
    sim::RadioDevice radio(DefaultImage(), faults, true);
    AttachRadio(r.link, radio);
    const MemoryImage image = PatternImage();
    const TransferOutcome outcome = r.protocol().ProgramRadio(image);
    ASSERT_TRUE(outcome.Succeeded());
    EXPECT_EQ(outcome.message->title, "Program to Radio");
    EXPECT_EQ(radio.Memory(), image);
    EXPECT_EQ(std::count(r.link.log.begin(), r.link.log.end(), "byte"), 1);  // one CAN
    EXPECT_EQ(r.progress.size(), 257u);

    Rig failing;
    sim::RadioFaults stubborn;
    stubborn.noAck[0x010] = 2;
    sim::RadioDevice radio2(DefaultImage(), stubborn, true);
    AttachRadio(failing.link, radio2);
    const TransferOutcome failed = failing.protocol().ProgramRadio(image);
    EXPECT_EQ(failed.status, TransferStatus::Failed);
    EXPECT_EQ(failed.message->title, "Program to Radio");
    EXPECT_EQ(failing.Frames().back(),
              WriteBlockFrame(0x010, std::span<const std::uint8_t, 16>(image.data() + 0x10, 16)));
}

TEST(CloneProtocol, ClearCountWritesOneByteAndRestoresItOnFailure) {
    MemoryImage image = DefaultImage();
    image[addr::kMmsiEntryCount] = 7;
    MemoryImage radioMemory = image;

    Rig r;
    sim::RadioDevice radio(radioMemory, {}, true);
    AttachRadio(r.link, radio);
    const ClearCountResult done = r.protocol().ClearCount(image);
    ASSERT_TRUE(done.outcome.Succeeded());
    EXPECT_EQ(done.outcome.message->title, "Clear Data");
    EXPECT_EQ(done.image[addr::kMmsiEntryCount], 0);
    EXPECT_EQ(radio.Memory()[addr::kMmsiEntryCount], 0);
    EXPECT_EQ(r.Frames().back(), WriteByteFrame(0x195, 0));
    EXPECT_EQ(r.progress, (std::vector<int>{0, 100}));

    Rig failing;
    sim::RadioFaults faults;
    faults.noAck[addr::kMmsiEntryCount] = 2;
    sim::RadioDevice radio2(radioMemory, faults, true);
    AttachRadio(failing.link, radio2);
    const ClearCountResult failed = failing.protocol().ClearCount(image);
    EXPECT_EQ(failed.outcome.status, TransferStatus::Failed);
    EXPECT_EQ(failed.outcome.message->title, "Clear Data");
    EXPECT_EQ(failed.image, image);
    EXPECT_EQ(failing.progress, (std::vector<int>{0}));
}

TEST(CloneProtocol, CancelDuringAnyWaitStopsQuietlyAndClosesThePort) {
    // Cancel while: the echo drains, SOH is awaited, the rest of a reply, an ACK.
    struct Case {
        const char* name;
        bool write;
        std::vector<std::uint8_t> answer;
        bool echo;
    };
    const std::vector<Case> cases = {
        {"echo", false, {}, false},
        {"soh", false, {}, true},
        {"rest", false,
         Bytes("\x01"
               "14"),
         true},
        {"ack", true, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.link.onWrite = [&r, &c, n = 0](std::span<const std::uint8_t> bytes) mutable {
            ++n;
            if (n <= 2 || c.echo) r.link.ArriveIn(1ms, {bytes.begin(), bytes.end()});
            if (n == 1) r.link.ArriveIn(2ms, Answer(kReadByteCode, {0x0D}));
            if (n == 2) r.link.ArriveIn(2ms, Answer(kReadByteCode, {0x48}));
            if (n == 3) {
                if (!c.answer.empty()) r.link.ArriveIn(2ms, c.answer);
                r.link.At(r.link.Elapsed() + 400ms, [&r] { r.cancel = true; });
            }
        };
        const TransferOutcome outcome = c.write ? r.protocol().ProgramRadio(DefaultImage())
                                                : r.protocol().ReadRadio(DefaultImage()).outcome;
        EXPECT_EQ(outcome.status, TransferStatus::Cancelled);
        EXPECT_FALSE(outcome.message);
        EXPECT_TRUE(outcome.ErrorFlag());
        EXPECT_TRUE(outcome.CancelFlag());
        EXPECT_EQ(r.Frames().size(), 3u);  // no repeat after a cancel
        EXPECT_FALSE(r.link.IsOpen());
        EXPECT_LT(r.clock.Elapsed(), 1s);
    }

    // A cancel given between two blocks is not forgotten by the next wait.
    Rig between;
    sim::RadioDevice radio(DefaultImage(), {}, true);
    AttachRadio(between.link, radio);
    between.env.showProgress = [&](int p) {
        if (p == 50) between.cancel = true;
    };
    const ReadRadioResult result = between.protocol().ReadRadio(PatternImage());
    EXPECT_EQ(result.outcome.status, TransferStatus::Cancelled);
    EXPECT_EQ(result.image, PatternImage());
    EXPECT_EQ(between.Frames().back(), ReadBlockFrame(0x7E0));
}

TEST(CloneProtocol, SkipReceiveServesACableWithoutEcho) {
    Rig r;
    r.env.settings.SkipReceive = true;
    sim::RadioDevice radio(PatternImage(), {}, false);
    AttachRadio(r.link, radio);
    const ReadRadioResult result = r.protocol().ReadRadio(DefaultImage());
    ASSERT_TRUE(result.outcome.Succeeded());
    EXPECT_EQ(result.image, PatternImage());

    // Without the switch the drain swallows the answers and the model check fails.
    Rig plain;
    sim::RadioDevice radio2(PatternImage(), {}, false);
    AttachRadio(plain.link, radio2);
    const ReadRadioResult failed = plain.protocol().ReadRadio(DefaultImage());
    EXPECT_EQ(failed.outcome.message->title, "Model Check");
}

TEST(CloneProtocol, UnopenablePortIsAFailureThatSaysWhyAndSendsNothing) {
    Rig r;
    r.link.openError = LinkOpenError{"Permission denied", 13, true};
    const MemoryImage before = PatternImage();
    const ReadRadioResult result = r.protocol().ReadRadio(before);
    EXPECT_EQ(result.outcome.status, TransferStatus::Failed);
    EXPECT_TRUE(result.outcome.ErrorFlag());
    EXPECT_FALSE(result.outcome.TransferResult());
    EXPECT_EQ(result.image, before);
    EXPECT_TRUE(r.link.writes.empty());
    ASSERT_TRUE(result.outcome.message);
    EXPECT_EQ(result.outcome.message->text, "CommunicatiOn Error!!");
    const std::string full = result.outcome.message->FullText();
    EXPECT_NE(full.find("/dev/fake0"), std::string::npos);
    EXPECT_NE(full.find("Permission denied"), std::string::npos);
    EXPECT_NE(full.find("dialout"), std::string::npos);

    Rig missing;
    missing.link.openError = LinkOpenError{"No such file or directory", 2, false};
    const ClearCountResult cleared = missing.protocol().ClearCount(before);
    EXPECT_EQ(cleared.outcome.status, TransferStatus::Failed);
    EXPECT_EQ(cleared.outcome.message->FullText().find("dialout"), std::string::npos);
    EXPECT_EQ(cleared.image, before);
}

}  // namespace
}  // namespace rse::test
