// The clone protocol with the radio: the model check, reading the whole memory, programming
// it, and clearing the MMSI entry count. A plain blocking procedure over the serial layer;
// it works only on the images it is given, so it can run on a worker thread.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "image/memory_image.h"
#include "link/byte_link.h"
#include "link/clone_frames.h"
#include "link/serial_layer.h"
#include "link/transfer_outcome.h"

namespace rse {

inline constexpr const char* kCompleteText = RSE_TEXT("Core", "Complete!!");
inline constexpr const char* kCommunicationErrorText = RSE_TEXT("Core", "CommunicatiOn Error!!");
inline constexpr const char* kModelNameErrorText = RSE_TEXT("Core", "ModelName Error !!");
inline constexpr const char* kReadTitle = RSE_TEXT("Core", "Read from Radio");
inline constexpr const char* kProgramTitle = RSE_TEXT("Core", "Program to Radio");
inline constexpr const char* kClearTitle = RSE_TEXT("Core", "Clear Data");
inline constexpr const char* kModelCheckTitle = RSE_TEXT("Core", "Model Check");

// Waits and pauses of the protocol.
inline constexpr Millis kReadByteEchoTimeout{10000};
inline constexpr Millis kEchoTimeout{1000};
inline constexpr Millis kReplyStartTimeout{10000};
inline constexpr Millis kReplyRestTimeout{1000};
inline constexpr Millis kAckTimeout{10000};
inline constexpr Millis kRetryPause{50};
inline constexpr Millis kSuccessPause{500};

// An address or model code as messages write it: "0x0D48".
std::string Hex4(unsigned value);

// Progress shown before the block at this address: address / 4095 x 100, rounded.
int BlockProgress(int address);

// What one exchange with the radio came to after all its attempts.
enum class ExchangeResult {
    Answered,   // the radio answered as it should
    NoAnswer,   // no valid answer in any attempt
    Cancelled,  // the user asked to stop
    LinkLost,   // the line broke; ByteLink::LastError says why
};

class CloneProtocol {
  public:
    explicit CloneProtocol(const LinkEnvironment& env) : env_(env), serial_(env_) {}
    CloneProtocol(const CloneProtocol&) = delete;
    CloneProtocol& operator=(const CloneProtocol&) = delete;

    // Operations. Each opens and closes the port itself and never leaves it open.
    ImageOutcome ReadRadio(const MemoryImage& current);
    TransferOutcome ProgramRadio(const MemoryImage& image);
    ImageOutcome ClearCount(const MemoryImage& current);

    // Steps. CheckModel succeeds when the radio answered and reports the model code.
    TransferOutcome CheckModel();
    TransferOutcome ReadAll(MemoryImage& target);
    TransferOutcome WriteAll(const MemoryImage& source);
    // Reads the one block that holds the radio's identity into target (one frame).
    TransferOutcome ReadIdentity(MemoryImage& target);

    // Exchanges, each with up to LinkRetries + 1 attempts. A read files the data into
    // target only when the radio answered.
    ExchangeResult ReadByteCommand(int address, MemoryImage& target);
    ExchangeResult ReadBlockCommand(int address, MemoryImage& target);
    ExchangeResult WriteByteCommand(int address, const MemoryImage& source);
    ExchangeResult WriteBlockCommand(int address, const MemoryImage& source);
    // Reads the bytes of the model code area one by one into target, as long as they come.
    ExchangeResult ReadModelCode(MemoryImage& target);

    SerialLayer& Serial() { return serial_; }

  private:
    ExchangeResult Exchange(const Frame& frame, Millis echoTimeout, std::uint8_t replyCode,
                            std::span<std::uint8_t> replyData);
    ExchangeResult Attempt(bool repeat, const Frame& frame, Millis echoTimeout,
                           std::uint8_t replyCode, std::span<std::uint8_t> replyData);
    // Runs `block` for every block address in order with its progress, until one fails.
    ExchangeResult EachBlock(const std::function<ExchangeResult(int address)>& block);
    // A step's failure once its port is closed again: a cancel first, then a lost line, then
    // no answer (its detail followed by `more`); nothing when the exchanges were answered.
    std::optional<TransferOutcome> Ended(ExchangeResult result, const char* title,
                                         const char* procedure, const char* more = "");
    void Progress(int percent);
    TransferOutcome Failure(const char* text, const char* title, Phrase detail);
    TransferOutcome OpenFailure(const char* title, const LinkOpenError& error);
    TransferOutcome LinkFailure(const char* title, const char* procedure);
    Phrase NoAnswerDetail() const;

    LinkEnvironment env_;
    SerialLayer serial_;
    int lastAddress_ = 0;  // the address of the last exchange, for messages
};

}  // namespace rse
