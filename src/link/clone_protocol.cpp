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

TransferOutcome CloneProtocol::OpenFailure(const char* title) {
    const LinkOpenError& error = serial_.OpenError();
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
    const std::string reason = serial_.LinkLostReason();
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

bool CloneProtocol::Exchange(const Frame& frame, Millis echoTimeout, std::uint8_t replyCode,
                             std::span<std::uint8_t> replyData) {
    const int attempts = std::max(0, env_.settings.LinkRetries) + 1;
    const std::array<std::uint8_t, 1> can{kCAN};
    for (int n = 0; n < attempts; ++n) {
        serial_.SetErrorFlag(true);
        if (serial_.CancelRequested() || serial_.LinkLost()) break;
        serial_.FlushInput();
        if (n > 0) {
            serial_.SendBytes(can);
            env_.clock.Sleep(kRetryPause);
        }
        serial_.SendBytes(frame);
        serial_.DrainEcho(static_cast<int>(frame.size()) - 1, echoTimeout);
        bool ok = false;
        if (replyCode != 0) {
            if (serial_.WaitForByte(kSOH, kReplyStartTimeout) == WaitResult::Came) {
                const std::size_t length =
                    replyData.size() == 1 ? kReadByteReplyLength : kReadBlockReplyLength;
                std::vector<std::uint8_t> reply(length);
                // Only a reply that ends with CR, carries the right checksum and code and
                // holds hex digits counts; anything else leads to the next attempt.
                ok = serial_.ReceiveFrame(reply, kReplyRestTimeout) == FrameResult::Complete &&
                     ParseReply(reply) == replyCode && DecodeReplyData(reply, replyData);
            }
        } else {
            ok = serial_.WaitForByte(kACK, kAckTimeout) == WaitResult::Came;
        }
        serial_.SetErrorFlag(!ok);
        if (ok || serial_.CancelRequested()) break;
    }
    return !serial_.ErrorFlag();
}

bool CloneProtocol::ReadByteCommand(int address, MemoryImage& target) {
    lastAddress_ = address;
    std::uint8_t data = 0;
    if (!Exchange(ReadByteFrame(address), kReadByteEchoTimeout, kReadByteCode,
                  std::span<std::uint8_t>(&data, 1))) {
        return false;
    }
    target.at(static_cast<std::size_t>(address)) = data;
    return true;
}

bool CloneProtocol::ReadModelCode(MemoryImage& target) {
    for (int address = mem::kModelCode.address; address < mem::kModelCode.End(); ++address) {
        if (!ReadByteCommand(address, target)) return false;
    }
    return true;
}

bool CloneProtocol::ReadBlockCommand(int address, MemoryImage& target) {
    lastAddress_ = address;
    std::array<std::uint8_t, kBlockSize> data{};
    if (!Exchange(ReadBlockFrame(address), kEchoTimeout, kReadBlockCode, data)) return false;
    std::copy(data.begin(), data.end(), target.begin() + address);
    return true;
}

bool CloneProtocol::WriteByteCommand(int address, const MemoryImage& source) {
    lastAddress_ = address;
    return Exchange(WriteByteFrame(address, source.at(static_cast<std::size_t>(address))),
                    kEchoTimeout, 0, {});
}

bool CloneProtocol::WriteBlockCommand(int address, const MemoryImage& source) {
    lastAddress_ = address;
    const std::span<const std::uint8_t, kBlockSize> block(source.data() + address, kBlockSize);
    return Exchange(WriteBlockFrame(address, block), kEchoTimeout, 0, {});
}

TransferOutcome CloneProtocol::CheckModel() {
    if (!serial_.OpenPort()) return OpenFailure(kModelCheckTitle);
    serial_.SetErrorFlag(false);
    MemoryImage answer{};
    const bool ok = ReadModelCode(answer);
    serial_.ClosePort();
    if (serial_.CancelRequested()) return Cancelled();
    if (serial_.LinkLost()) return LinkFailure(kModelCheckTitle, "frmRadio.ReadDataChkModel");
    if (!ok) return Failure(kCommunicationErrorText, kModelCheckTitle, NoAnswerDetail());
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

TransferOutcome CloneProtocol::ReadAll(MemoryImage& target) {
    if (!serial_.OpenPort()) return OpenFailure(kReadTitle);
    Progress(0);
    bool ok = true;
    for (int address = 0; address < static_cast<int>(kImageSize) && ok; address += kBlockSize) {
        Progress(BlockProgress(address));
        ok = ReadBlockCommand(address, target) && !serial_.CancelRequested();
    }
    serial_.ClosePort();
    if (serial_.CancelRequested()) return Cancelled();
    if (serial_.LinkLost()) return LinkFailure(kReadTitle, "frmRadio.ReadData");
    if (!ok) return Failure(kCommunicationErrorText, kReadTitle, NoAnswerDetail());
    env_.clock.Sleep(kSuccessPause);
    return Success();
}

static_assert(kIdentitySize == kBlockSize && kIdentityAddress % kBlockSize == 0,
              "the identity is one block");

TransferOutcome CloneProtocol::ReadIdentity(MemoryImage& target) {
    if (!serial_.OpenPort()) return OpenFailure(kReadTitle);
    MemoryImage working = target;
    const bool ok = ReadBlockCommand(kIdentityAddress, working);
    serial_.ClosePort();
    if (serial_.CancelRequested()) return Cancelled();
    if (serial_.LinkLost()) return LinkFailure(kReadTitle, "frmRadio.ReadData");
    if (!ok) return Failure(kCommunicationErrorText, kReadTitle, NoAnswerDetail());
    target = working;
    return Success();
}

TransferOutcome CloneProtocol::WriteAll(const MemoryImage& source) {
    if (!serial_.OpenPort()) return OpenFailure(kProgramTitle);
    Progress(0);
    bool ok = true;
    for (int address = 0; address < static_cast<int>(kImageSize) && ok; address += kBlockSize) {
        Progress(BlockProgress(address));
        ok = WriteBlockCommand(address, source) && !serial_.CancelRequested();
    }
    serial_.ClosePort();
    if (serial_.CancelRequested()) return Cancelled();
    if (serial_.LinkLost()) return LinkFailure(kProgramTitle, "frmRadio.WriteData");
    if (!ok) {
        return Failure(kCommunicationErrorText, kProgramTitle,
                       NoAnswerDetail().Add(
                           RSE_TEXT("Core", " The radio holds the blocks written before it.")));
    }
    env_.clock.Sleep(kSuccessPause);
    return Success();
}

ReadRadioResult CloneProtocol::ReadRadio(const MemoryImage& current) {
    ReadRadioResult result{{}, current};
    MemoryImage working = current;
    result.outcome = CheckModel();
    if (!result.outcome.Succeeded()) return result;
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

ClearCountResult CloneProtocol::ClearCount(const MemoryImage& current) {
    ClearCountResult result{CheckModel(), current};
    if (!result.outcome.Succeeded()) return result;
    MemoryImage cleared = current;
    cleared[mem::kMmsiEntryCount.address] = 0;
    if (!serial_.OpenPort()) {
        result.outcome = OpenFailure(kClearTitle);
        return result;
    }
    Progress(0);
    const bool ok = WriteByteCommand(mem::kMmsiEntryCount.address, cleared);
    serial_.ClosePort();
    if (serial_.CancelRequested()) {
        result.outcome = Cancelled();
    } else if (serial_.LinkLost()) {
        result.outcome = LinkFailure(kClearTitle, "frmRadio.ClearData");
    } else if (!ok) {
        result.outcome = Failure(kCommunicationErrorText, kClearTitle, NoAnswerDetail());
    } else {
        Progress(100);
        env_.clock.Sleep(kSuccessPause);
        result.image = cleared;
        result.outcome = Complete(kClearTitle);
    }
    return result;
}

}  // namespace rse
