#include <gtest/gtest.h>

#include "fake_link.h"
#include "image/codec.h"
#include "image/identity.h"
#include "link/clone_protocol.h"
#include "link/safe_program.h"
#include "sim/radio_device.h"
#include "support.h"

namespace rse::test {
namespace {

// A silent or bad answer is followed by the next attempt for the same address: the input
// flushed, CAN, a pause and the same frame again, whose reply is taken after junk.
TEST(CloneProtocol, EveryFailedAttemptIsRepeatedAfterCanAndAPause) {
    const Frame good = ReplyFrame(kReadBlockCode, std::vector<std::uint8_t>(16, 0xAB));
    Frame wrongSum = good;
    wrongSum[wrongSum.size() - 2] = wrongSum[wrongSum.size() - 2] == '0' ? '1' : '0';
    Frame noCr = good;
    noCr.back() = 0x0A;
    const std::pair<const char*, Frame> firsts[] = {
        {"silence", {}},
        {"wrong checksum", wrongSum},
        {"wrong code", ReplyFrame(kReadByteCode, std::vector<std::uint8_t>(16, 0xAB))},
        {"no CR", noCr},
        {"too long", Concat(good, {0x00})},
        {"not hex", BuildFrame(kReadBlockCode, Bytes("ZZABABABABABABABABABABABABABABAB"))},
    };
    for (const auto& [name, first] : firsts) {
        SCOPED_TRACE(name);
        Rig r;
        r.Script({first, Concat(Bytes("\xFF?"), good)});
        MemoryImage target{};
        ASSERT_EQ(r.protocol().ReadBlockCommand(0x0100, target), ExchangeResult::Answered);
        EXPECT_EQ(target[0x10F], 0xAB);  // where the block goes is the transfers' test
        EXPECT_EQ(r.link.log,
                  (std::vector<std::string>{"flush", "frame", "flush", "byte", "frame"}));
        EXPECT_EQ(r.link.writes[1], (std::vector<std::uint8_t>{kCAN}));
        EXPECT_EQ(r.Frames(), (std::vector<Frame>{ReadBlockFrame(0x0100), ReadBlockFrame(0x0100)}));
        // The repeat comes after the full SOH wait and the pause after CAN.
        EXPECT_EQ(r.link.writeTimes[2] - r.link.writeTimes[1], 50ms);
        EXPECT_EQ(r.clock.sleeps, (std::vector<Millis>{50ms}));
    }
}

// A command the radio does not answer waits its own time-outs (the repeats, after CAN and a
// pause, are the table above and the transfers' below).
TEST(CloneProtocol, UnansweredCommandsWaitTheirOwnTimeOutsInEveryAttempt) {
    enum Command { ReadByte, ReadBlock, WriteBlock };
    const struct {
        const char* name;
        Command command;
        bool echo;  // else nothing at all comes back
        std::vector<std::vector<std::uint8_t>> answers;
        Millis elapsed;
    } cases[] = {
        // clang-format off
        {"no echo to a read-byte frame: 10 s, then 10 s for SOH", ReadByte, false, {}, 20002ms},
        {"any other frame: 1 s for the echo", ReadBlock, false, {}, 11002ms},
        {"SOH comes, the rest does not: 1 s for the rest", ReadBlock, true, {Bytes("\x01" "14")}, 1003ms},
        {"echo at once, then 10 s for the ACK", WriteBlock, true, {}, 10002ms},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.env.settings.LinkRetries = 0;  // one attempt
        if (c.echo) r.Script(c.answers);
        MemoryImage target{};
        CloneProtocol protocol = r.protocol();
        EXPECT_EQ(c.command == ReadByte    ? protocol.ReadByteCommand(0, target)
                  : c.command == ReadBlock ? protocol.ReadBlockCommand(0, target)
                                           : protocol.WriteBlockCommand(0, target),
                  ExchangeResult::NoAnswer);
        EXPECT_EQ(r.Frames().size(), 1u);
        EXPECT_EQ(r.clock.Elapsed(), c.elapsed);
    }
}

// Whole transfers against the virtual radio, which starts with the pattern image and a count
// of 7; the editor holds the image of New.
TEST(CloneProtocol, TransfersAndTheirFaults) {
    enum Op { Read, Program, Clear };
    struct Case {
        const char* name;
        Op op;
        sim::RadioFaults faults;
        TransferStatus status;
        std::string text, title, detail;
        std::size_t frames;  // the command frames written
        std::size_t steps;   // progress reports, the last of them 100 when all went well
        bool echo = true, skipReceive = false;
        std::optional<std::uint16_t> model = std::nullopt;
        std::optional<LinkOpenError> openError = std::nullopt;
        int cancelAt = -1;  // the user cancels when this progress is shown
    };
    using R = sim::RadioFaults;
    const auto fault = [](std::map<int, int> R::*kind, int address, int times) {
        R f;
        (f.*kind)[address] = times;
        return f;
    };
    R cut;
    cut.cutAfterBlocks = 100;
    R ackAndJunk = fault(&R::noAck, 0x7F0, 1);
    ackAndJunk.junkBytes = 3;
    const auto S = TransferStatus::Success;
    const auto F = TransferStatus::Failed;
    const std::string kComm = "CommunicatiOn Error!!";
    const std::string kLost =
        "The connection to the radio on /dev/fake0 was lost: Input/output error.";
    const std::string kNoAnswer = "No valid answer from the radio for address ";
    // clang-format off
    const Case cases[] = {
        {"read", Read, {}, S, "Complete!!", "Read from Radio", "", 258, 257},
        {"read, cable pulled at block 100", Read, cut, F, kComm, "Read from Radio", kLost, 103, 102},
        {"read, block 100 unanswered twice", Read, fault(&R::noReply, 0x640, 2), F, kComm, "Read from Radio", kNoAnswer + "0x0640 after 2 attempts.", 104, 102},
        {"read, the radio is silent", Read, fault(&R::noReply, 0, 2), F, kComm, "Model Check", kNoAnswer + "0x0000 after 2 attempts.", 2, 0},
        {"read, another model", Read, {}, F, "ModelName Error !!", "Read from Radio", "The radio reports the model code 0x0D49, this program edits 0x0D48.", 2, 0, true, false, 0x0D49},
        {"read, a cable without echo", Read, {}, S, "Complete!!", "Read from Radio", "", 258, 257, false, true},
        {"read, cancelled between two blocks", Read, {}, TransferStatus::Cancelled, "", "", "", 129, 129, true, false, {}, {}, 50},
        {"read, port denied", Read, {}, F, kComm, "Model Check", "Cannot open the serial port /dev/fake0: Permission denied\nThe user must be a member of the group that owns the device, usually dialout (then log in again).", 0, 0, true, false, {}, LinkOpenError{"Permission denied", 13, true}},
        {"program, a missing ACK and junk", Program, ackAndJunk, S, "Complete!!", "Program to Radio", "", 259, 257},
        {"program, another model", Program, {}, F, "ModelName Error !!", "Read from Radio", "The radio reports the model code 0x0D49, this program edits 0x0D48.", 2, 0, true, false, 0x0D49},
        {"program, block 1 never acknowledged", Program, fault(&R::noAck, 0x010, 2), F, kComm, "Program to Radio", kNoAnswer + "0x0010 after 2 attempts. The radio holds the blocks written before it.", 5, 3},
        {"clear", Clear, {}, S, "Complete!!", "Clear Data", "", 3, 2},
        {"clear, never acknowledged", Clear, fault(&R::noAck, 0x195, 2), F, kComm, "Clear Data", kNoAnswer + "0x0195 after 2 attempts.", 4, 1},
        {"clear, no such port", Clear, {}, F, kComm, "Model Check", "Cannot open the serial port /dev/fake0: No such file or directory", 0, 0, true, false, {}, LinkOpenError{"No such file or directory", 2, false}},
    };
    // clang-format on
    MemoryImage radioImage = PatternImage();
    radioImage[mem::kMmsiEntryCount.address] = 7;
    const MemoryImage before = DefaultImage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.env.settings.SkipReceive = c.skipReceive;
        r.link.openError = c.openError;
        sim::RadioDevice radio(c.op == Program ? before : radioImage, c.faults, c.echo, c.model);
        AttachRadio(r.link, radio);
        r.env.showProgress = [&r, &c](int percent) {
            r.progress.push_back(percent);
            if (percent == c.cancelAt) r.cancel = true;
        };
        const bool ok = c.status == S;

        TransferOutcome outcome;
        if (c.op == Read) {
            const ImageOutcome result = r.protocol().ReadRadio(before);
            outcome = result.outcome;
            EXPECT_EQ(result.image, ok ? radioImage : before);
        } else if (c.op == Program) {
            outcome = r.protocol().ProgramRadio(radioImage);
            EXPECT_EQ(radio.Memory() == radioImage, ok);
        } else {
            const ImageOutcome result = r.protocol().ClearCount(radioImage);
            outcome = result.outcome;
            EXPECT_EQ(result.image[mem::kMmsiEntryCount.address], ok ? 0 : 7);
            EXPECT_TRUE(!ok || radio.Memory()[mem::kMmsiEntryCount.address] == 0);
            EXPECT_TRUE(!ok || r.Frames().back() == WriteByteFrame(0x195, 0));
        }
        EXPECT_EQ(outcome.status, c.status);
        // A message for all but a cancel.
        EXPECT_EQ(outcome.message.has_value(), c.status != TransferStatus::Cancelled);
        const LinkMessage m = outcome.message.value_or(LinkMessage{});
        EXPECT_EQ(m.text, c.text);
        EXPECT_EQ(m.title, c.title);
        EXPECT_EQ(m.detail, c.detail);
        EXPECT_TRUE(!outcome.message ||
                    m.icon == (ok ? MessageIcon::Information : MessageIcon::Critical));
        EXPECT_EQ(r.Frames().size(), c.frames);
        // Progress 0 on opening, then once before each block; 100 at the end of a success.
        EXPECT_EQ(r.progress.size(), c.steps);
        EXPECT_TRUE(std::is_sorted(r.progress.begin(), r.progress.end()));
        EXPECT_TRUE(r.progress.empty() || r.progress.front() == 0);
        EXPECT_TRUE(!ok || r.progress.back() == 100);
        // A pause of half a second after a success; a lost line or an unopenable port logged.
        EXPECT_EQ(std::count(r.clock.sleeps.begin(), r.clock.sleeps.end(), 500ms), ok ? 1 : 0);
        decltype(r.errorLog) logged;
        if (c.openError)
            logged = {
                {"frmRadio.PortOpen", std::to_string(c.openError->code) + c.openError->reason}};
        if (c.detail == kLost) logged = {{"frmRadio.ReadData", "0Input/output error"}};
        EXPECT_EQ(r.errorLog, logged);
        // A vanished line ends the transfer at once, without further attempts.
        EXPECT_TRUE(c.detail != kLost || r.clock.Elapsed() < 2s);
        // Every opening of the port is matched by a closing.
        EXPECT_EQ(
            std::count(r.link.log.begin(), r.link.log.end(), "open"),
            std::count(r.link.log.begin(), r.link.log.end(), "close") + (c.openError ? 1 : 0));
        EXPECT_FALSE(r.link.IsOpen());
    }
}

TEST(CloneProtocol, CancelDuringAnyWaitStopsQuietlyAndClosesThePort) {
    // Cancel while the echo drains and while an ACK is awaited (the other waits end as the
    // ACK's does; the serial layer's test proves each wait sees a cancel).
    for (const bool write : {false, true}) {  // a read gets no echo, a write no ACK
        SCOPED_TRACE(write ? "ack" : "echo");
        Rig r;
        r.link.onWrite = [&r, write, n = 0](std::span<const std::uint8_t> bytes) mutable {
            ++n;
            if (n <= 2 || write) r.link.Arrive(1ms, {bytes.begin(), bytes.end()});
            if (n == 1) r.link.Arrive(2ms, ReplyFrame(kReadByteCode, Bytes("\x0D")));
            if (n == 2) r.link.Arrive(2ms, ReplyFrame(kReadByteCode, Bytes("\x48")));
            if (n != 3) return;
            r.link.Arrive(400ms, {}, [&r] { r.cancel = true; });
        };
        const TransferOutcome outcome = write ? r.protocol().ProgramRadio(DefaultImage())
                                              : r.protocol().ReadRadio(DefaultImage()).outcome;
        EXPECT_EQ(outcome.status, TransferStatus::Cancelled);
        EXPECT_FALSE(outcome.message);
        EXPECT_EQ(r.Frames().size(), 3u);  // no repeat after a cancel
        EXPECT_FALSE(r.link.IsOpen());
        EXPECT_LT(r.clock.Elapsed(), 1s);
    }
}

// Programming with backup and verify, and the guard of the radio's own numbers: what is read,
// asked and written. The fleet's radio is this sequence with a fixed choice.
TEST(SafeProgram, StepsAnswersAndFaults) {
    enum class Step { Never, Keep, Ask };
    const auto withMmsi = [](const std::string& mmsi) {
        MemoryImage m = DefaultImage();
        PutDigits(m, mem::kUserMmsid.address, mmsi, DigitForm::Mmsi);
        return m;
    };
    const MemoryImage fresh = DefaultImage(), owned = withMmsi("366123456");
    MemoryImage image = withMmsi("366999001");  // another boat's number
    image[0x1A5] = 'Q';                         // a tag letter of the first USA channel
    image[0xFA0] = 0x5A;                        // a byte the editor does not own
    const auto K = IdentityChoice::Keep, C = IdentityChoice::Change, X = IdentityChoice::Cancel;
    struct Case {
        const char* name;
        SafetyNet net;
        IdentityChoice answer;     // to the numbers or to "Program these N changes?" (C: yes)
        const MemoryImage* radio;  // what the radio holds: owned numbers are asked about
        sim::RadioFaults faults;
        Step cancelAt;   // where the user presses Cancel
        bool keepFails;  // the backup cannot be kept (a full disk)
        TransferStatus status;
        std::string text;    // of the final message, "" for none
        std::string detail;  // part of its detail
        bool written;        // the radio's memory is the image, with the numbers chosen
    };
    sim::RadioFaults lose;
    lose.loseWrite[0x1A0] = 1;
    sim::RadioFaults cutInFirstRead;
    cutInFirstRead.cutAfterBlocks = 50;
    sim::RadioFaults silentIdentity;
    silentIdentity.noReply[kIdentityAddress] = 2;
    const auto S = TransferStatus::Success, Cancelled = TransferStatus::Cancelled;
    // clang-format off
    const Case cases[] = {
        {"backup, no", {true, false}, X, &fresh, {}, Step::Never, false, Cancelled, "", "", false},
        {"cancel while asked", {true, true}, C, &fresh, {}, Step::Ask, false, Cancelled, "", "", false},
        {"nothing to change", {true, true}, C, &image, {}, Step::Never, false, S, "Nothing to program: the radio already holds this configuration.", "", true},
        {"first read fails", {true, true}, C, &fresh, cutInFirstRead, Step::Never, false, TransferStatus::Failed, "CommunicatiOn Error!!", "lost", false},
        {"the identity's read unanswered", {false, false}, C, &fresh, silentIdentity, Step::Never, false, TransferStatus::Failed, "CommunicatiOn Error!!", "after 2 attempts", false},
        {"verify, block lost", {false, true}, C, &fresh, lose, Step::Never, false, TransferStatus::Failed, "Verify Error!!", "1 byte differs, the first at address 0x01A5", false},
        {"backup and verify", {true, true}, C, &fresh, {}, Step::Never, false, S, "Complete!!", "", true},
        {"backup cannot be kept", {true, false}, C, &fresh, {}, Step::Never, true, TransferStatus::Failed, "FileSave Error!!", "full", false},
        {"cancel while keeping", {true, true}, C, &fresh, {}, Step::Keep, false, Cancelled, "", "", false},
        {"cancel while keeping fails", {true, false}, C, &fresh, {}, Step::Keep, true, Cancelled, "", "", false},
        // The image would change the radio's own numbers: asked before anything is written,
        // with a backup in the preview.
        {"numbers, keep", {false, false}, K, &owned, {}, Step::Never, false, S, "Complete!!", "", true},
        {"numbers, change", {false, false}, C, &owned, {}, Step::Never, false, S, "Complete!!", "", true},
        {"numbers, cancel", {false, false}, X, &owned, {}, Step::Never, false, Cancelled, "", "", false},
        {"backup, numbers, keep", {true, false}, K, &owned, {}, Step::Never, false, S, "Complete!!", "", true},
        {"backup, numbers, change", {true, false}, C, &owned, {}, Step::Never, false, S, "Complete!!", "", true},
        {"backup, numbers, cancel", {true, false}, X, &owned, {}, Step::Never, false, Cancelled, "", "", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        const MemoryImage& before = *c.radio;
        const bool numbers = c.radio == &owned;
        sim::RadioDevice radio(before, c.faults, true);
        AttachRadio(r.link, radio);
        std::vector<MemoryImage> kept;
        int asked = 0, askedNumbers = 0;
        SafetyNetSteps steps;
        steps.keep = [&](const MemoryImage& m) -> std::optional<LinkMessage> {
            kept.push_back(m);
            if (c.cancelAt == Step::Keep) r.cancel = true;
            if (!c.keepFails) return std::nullopt;
            return LinkMessage{"FileSave Error!!", "Program to Radio", MessageIcon::Critical,
                               "full"};
        };
        steps.identity = [&](const IdentityChange& change) {
            ++askedNumbers;
            EXPECT_FALSE(IdentitySentences(change).empty());
            EXPECT_EQ(r.BlockWrites(), 0);
            return c.answer;
        };
        steps.confirm = [&](const MemoryImage& radioNow, const MemoryImage& sent,
                            const std::optional<IdentityChange>& change) {
            ++asked;
            EXPECT_EQ(radioNow, before);
            EXPECT_EQ(sent, image);
            EXPECT_EQ(change.has_value(), numbers);
            if (c.cancelAt == Step::Ask) r.cancel = true;
            return c.answer;
        };
        const ProgramResult result = ProgramWithSafetyNet(r.env, image, c.net, steps);
        const TransferOutcome& out = result.outcome;
        EXPECT_EQ(out.status, c.status);
        EXPECT_EQ(out.message ? out.message->text : "", c.text);
        if (!c.detail.empty()) {
            ASSERT_TRUE(out.message);
            EXPECT_NE(out.message->detail.find(c.detail), std::string::npos) << out.message->detail;
        }
        // A failed read, of the backup or of the radio's identity, stops before any write.
        if (c.text == "CommunicatiOn Error!!") {
            EXPECT_EQ(out.message->title, "Read from Radio");
            EXPECT_EQ(r.BlockWrites(), 0);
        }
        EXPECT_EQ(radio.Memory() == ApplyIdentityChoice(image, IdentityOf(before), c.answer),
                  c.written);
        EXPECT_EQ(result.identity.has_value(), numbers);
        EXPECT_EQ(askedNumbers, numbers && !c.net.backup ? 1 : 0);
        const bool readFirst = c.net.backup && c.faults.cutAfterBlocks == std::nullopt;
        EXPECT_EQ(kept, readFirst ? std::vector<MemoryImage>{before} : std::vector<MemoryImage>{});
        EXPECT_EQ(asked, readFirst && c.radio != &image && !c.keepFails && c.cancelAt != Step::Keep
                             ? 1
                             : 0);
        // Nothing is written after a refusal, a failed backup, or to a radio that holds it all.
        if (c.answer == X || c.cancelAt != Step::Never || c.keepFails || c.radio == &image) {
            EXPECT_EQ(r.BlockWrites(), 0);
        }
        if (numbers && !c.net.backup) {  // the model check, the identity's block, the blocks
            const auto frames = r.Frames();
            ASSERT_GE(frames.size(), 3u);
            EXPECT_EQ(frames[2], ReadBlockFrame(kIdentityAddress));
            EXPECT_EQ(frames.size(), c.written ? 3u + 256u : 3u);
        }
        EXPECT_TRUE(std::is_sorted(r.progress.begin(), r.progress.end()));
        EXPECT_TRUE(!out.Succeeded() || c.radio == &image || r.progress.back() == 100);
        EXPECT_FALSE(r.link.IsOpen());
    }
}

}  // namespace
}  // namespace rse::test
