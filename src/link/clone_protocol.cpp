#include "link/clone_protocol.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "image/identity.h"
#include "link/clone_frames.h"

namespace rse {

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFF);
    return text;
}

namespace {

TransferOutcome Success() {
    return {TransferStatus::Success, std::nullopt};
}
TransferOutcome Cancelled() {
    return {TransferStatus::Cancelled, std::nullopt};
}

TransferOutcome Complete(const char* title) {
    return {TransferStatus::Success,
            LinkMessage{kCompleteText, title, MessageIcon::Information, {}}};
}

// What the wait for an answer says about the exchange.
ExchangeResult AnswerOf(WaitResult wait) {
    switch (wait) {
        case WaitResult::Came:
            return ExchangeResult::Answered;
        case WaitResult::Cancelled:
            return ExchangeResult::Cancelled;
        case WaitResult::LinkLost:
            return ExchangeResult::LinkLost;
        case WaitResult::NoCR:
        case WaitResult::TimedOut:
            break;
    }
    return ExchangeResult::NoAnswer;
}

}  // namespace

int BlockProgress(int address) {
    return static_cast<int>(std::lround(address / 4095.0 * 100.0));
}

void CloneProtocol::Progress(int percent) {
    if (env_.showProgress) env_.showProgress(std::min(percent, 100));
}

TransferOutcome CloneProtocol::Failure(const char* text, const char* title, Phrase detail) {
    return {TransferStatus::Failed,
            LinkMessage{text, title, MessageIcon::Critical, detail.English(), detail}};
}

TransferOutcome CloneProtocol::OpenFailure(const char* title, const LinkOpenError& error) {
    Phrase detail(RSE_TEXT("Core", "Cannot open the serial port %1: %2"),
                  {env_.link.Name(), error.reason});
    if (error.permissionDenied) {
        detail.Add(RSE_TEXT("Core",
                            "\nThe user must be a member of the group that owns the device, "
                            "usually dialout (then log in again)."));
    }
    return Failure(kCommunicationErrorText, title, detail);
}

TransferOutcome CloneProtocol::LinkFailure(const char* title, const char* procedure) {
    const std::string reason = env_.link.LastError();
    if (env_.writeErrorLog) env_.writeErrorLog(procedure, "0" + reason);
    return Failure(kCommunicationErrorText, title,
                   reason.empty()
                       ? Phrase(RSE_TEXT("Core", "The connection to the radio on %1 was lost."),
                                {env_.link.Name()})
                       : Phrase(RSE_TEXT("Core", "The connection to the radio on %1 was lost: %2."),
                                {env_.link.Name(), reason}));
}

Phrase CloneProtocol::NoAnswerDetail() const {
    const int attempts = std::max(0, env_.settings.LinkRetries) + 1;
    if (attempts == 1) {
        return Phrase(
            RSE_TEXT("Core", "No valid answer from the radio for address %1 after 1 attempt."),
            {Hex4(static_cast<unsigned>(lastAddress_))});
    }
    return Phrase(
        RSE_TEXT("Core", "No valid answer from the radio for address %1 after %2 attempts."),
        {Hex4(static_cast<unsigned>(lastAddress_)), std::to_string(attempts)});
}

std::optional<TransferOutcome> CloneProtocol::Ended(ExchangeResult result, const char* title,
                                                    const char* procedure, const char* more) {
    if (serial_.CancelRequested()) return Cancelled();
    if (result == ExchangeResult::LinkLost) return LinkFailure(title, procedure);
    if (result != ExchangeResult::Answered) {
        Phrase detail = NoAnswerDetail();
        if (more && *more) detail.Add(more);
        return Failure(kCommunicationErrorText, title, detail);
    }
    return std::nullopt;
}

ExchangeResult CloneProtocol::Attempt(bool repeat, const Frame& frame, Millis echoTimeout,
                                      std::uint8_t replyCode, std::span<std::uint8_t> replyData) {
    serial_.FlushInput();
    if (repeat) {
        const std::array<std::uint8_t, 1> can{kCAN};
        if (!serial_.SendBytes(can)) return ExchangeResult::LinkLost;
        env_.clock.Sleep(kRetryPause);
    }
    if (!serial_.SendBytes(frame)) return ExchangeResult::LinkLost;
    // An echo that did not come whole does not end the attempt: the answer may still come.
    const WaitResult echo = serial_.DrainEcho(static_cast<int>(frame.size()) - 1, echoTimeout);
    if (echo == WaitResult::Cancelled || echo == WaitResult::LinkLost) return AnswerOf(echo);
    if (replyCode == 0) return AnswerOf(serial_.WaitForByte(kACK, kAckTimeout));
    const WaitResult start = serial_.WaitForByte(kSOH, kReplyStartTimeout);
    if (start != WaitResult::Came) return AnswerOf(start);
    std::vector<std::uint8_t> reply(replyData.size() == 1 ? kReadByteReplyLength
                                                          : kReadBlockReplyLength);
    const WaitResult rest = serial_.ReceiveFrame(reply, kReplyRestTimeout);
    if (rest != WaitResult::Came) return AnswerOf(rest);
    // Only a reply that ends with CR, carries the right checksum and code and holds hex digits
    // counts; anything else leads to the next attempt.
    return ParseReply(reply) == replyCode && DecodeReplyData(reply, replyData)
               ? ExchangeResult::Answered
               : ExchangeResult::NoAnswer;
}

ExchangeResult CloneProtocol::Exchange(const Frame& frame, Millis echoTimeout,
                                       std::uint8_t replyCode, std::span<std::uint8_t> replyData) {
    const int attempts = std::max(0, env_.settings.LinkRetries) + 1;
    ExchangeResult result = ExchangeResult::NoAnswer;
    for (int n = 0; n < attempts && result == ExchangeResult::NoAnswer; ++n) {
        if (serial_.CancelRequested()) return ExchangeResult::Cancelled;
        result = Attempt(n > 0, frame, echoTimeout, replyCode, replyData);
    }
    return result;
}

ExchangeResult CloneProtocol::ReadByteCommand(int address, MemoryImage& target) {
    lastAddress_ = address;
    std::uint8_t data = 0;
    const ExchangeResult result = Exchange(ReadByteFrame(address), kReadByteEchoTimeout,
                                           kReadByteCode, std::span<std::uint8_t>(&data, 1));
    if (result == ExchangeResult::Answered) target.at(static_cast<std::size_t>(address)) = data;
    return result;
}

ExchangeResult CloneProtocol::ReadModelCode(MemoryImage& target) {
    ExchangeResult result = ExchangeResult::Answered;
    for (int address = mem::kModelCode.address;
         address < mem::kModelCode.End() && result == ExchangeResult::Answered; ++address) {
        result = ReadByteCommand(address, target);
    }
    return result;
}

ExchangeResult CloneProtocol::ReadBlockCommand(int address, MemoryImage& target) {
    lastAddress_ = address;
    std::array<std::uint8_t, kBlockSize> data{};
    const ExchangeResult result =
        Exchange(ReadBlockFrame(address), kEchoTimeout, kReadBlockCode, data);
    if (result == ExchangeResult::Answered)
        std::copy(data.begin(), data.end(), target.begin() + address);
    return result;
}

ExchangeResult CloneProtocol::WriteByteCommand(int address, const MemoryImage& source) {
    lastAddress_ = address;
    return Exchange(WriteByteFrame(address, source.at(static_cast<std::size_t>(address))),
                    kEchoTimeout, 0, {});
}

ExchangeResult CloneProtocol::WriteBlockCommand(int address, const MemoryImage& source) {
    lastAddress_ = address;
    const std::span<const std::uint8_t, kBlockSize> block(source.data() + address, kBlockSize);
    return Exchange(WriteBlockFrame(address, block), kEchoTimeout, 0, {});
}

TransferOutcome CloneProtocol::CheckModel() {
    if (const auto error = serial_.OpenPort()) return OpenFailure(kModelCheckTitle, *error);
    MemoryImage answer{};
    const ExchangeResult result = ReadModelCode(answer);
    serial_.ClosePort();
    if (auto failed = Ended(result, kModelCheckTitle, "frmRadio.ReadDataChkModel")) return *failed;
    const std::uint16_t code = ModelCodeOf(answer);
    if (code != kSupportedModelCode) {
        return Failure(kModelNameErrorText, kReadTitle,
                       Phrase(RSE_TEXT("Core",
                                       "The radio reports the model code %1, this program "
                                       "edits %2."),
                              {Hex4(code), Hex4(kSupportedModelCode)}));
    }
    return Success();
}

ExchangeResult CloneProtocol::EachBlock(const std::function<ExchangeResult(int)>& block) {
    Progress(0);
    ExchangeResult result = ExchangeResult::Answered;
    for (int address = 0; address < static_cast<int>(kImageSize); address += kBlockSize) {
        Progress(BlockProgress(address));
        result = block(address);
        if (result != ExchangeResult::Answered || serial_.CancelRequested()) break;
    }
    return result;
}

TransferOutcome CloneProtocol::ReadAll(MemoryImage& target) {
    if (const auto error = serial_.OpenPort()) return OpenFailure(kReadTitle, *error);
    const ExchangeResult result =
        EachBlock([&](int address) { return ReadBlockCommand(address, target); });
    serial_.ClosePort();
    if (auto failed = Ended(result, kReadTitle, "frmRadio.ReadData")) return *failed;
    env_.clock.Sleep(kSuccessPause);
    return Success();
}

static_assert(kIdentitySize == kBlockSize && kIdentityAddress % kBlockSize == 0,
              "the identity is one block");

TransferOutcome CloneProtocol::ReadIdentity(MemoryImage& target) {
    if (const auto error = serial_.OpenPort()) return OpenFailure(kReadTitle, *error);
    const ExchangeResult result = ReadBlockCommand(kIdentityAddress, target);
    serial_.ClosePort();
    if (auto failed = Ended(result, kReadTitle, "frmRadio.ReadData")) return *failed;
    return Success();
}

TransferOutcome CloneProtocol::WriteAll(const MemoryImage& source) {
    if (const auto error = serial_.OpenPort()) return OpenFailure(kProgramTitle, *error);
    const ExchangeResult result =
        EachBlock([&](int address) { return WriteBlockCommand(address, source); });
    serial_.ClosePort();
    if (auto failed = Ended(result, kProgramTitle, "frmRadio.WriteData",
                            RSE_TEXT("Core", " The radio holds the blocks written before it."))) {
        return *failed;
    }
    env_.clock.Sleep(kSuccessPause);
    return Success();
}

ImageOutcome CloneProtocol::ReadRadio(const MemoryImage& current) {
    ImageOutcome result{CheckModel(), current};
    if (!result.outcome.Succeeded()) return result;
    MemoryImage working = current;
    result.outcome = ReadAll(working);
    if (!result.outcome.Succeeded()) return result;
    result.image = working;
    result.outcome = Complete(kReadTitle);
    return result;
}

TransferOutcome CloneProtocol::ProgramRadio(const MemoryImage& image) {
    TransferOutcome outcome = CheckModel();
    if (!outcome.Succeeded()) return outcome;
    outcome = WriteAll(image);
    if (!outcome.Succeeded()) return outcome;
    return Complete(kProgramTitle);
}

ImageOutcome CloneProtocol::ClearCount(const MemoryImage& current) {
    ImageOutcome result{CheckModel(), current};
    if (!result.outcome.Succeeded()) return result;
    MemoryImage cleared = current;
    cleared[mem::kMmsiEntryCount.address] = 0;
    if (const auto error = serial_.OpenPort()) {
        result.outcome = OpenFailure(kClearTitle, *error);
        return result;
    }
    Progress(0);
    const ExchangeResult written = WriteByteCommand(mem::kMmsiEntryCount.address, cleared);
    serial_.ClosePort();
    if (auto failed = Ended(written, kClearTitle, "frmRadio.ClearData")) {
        result.outcome = *failed;
        return result;
    }
    Progress(100);
    env_.clock.Sleep(kSuccessPause);
    result.image = cleared;
    result.outcome = Complete(kClearTitle);
    return result;
}

}  // namespace rse
