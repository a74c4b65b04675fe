// The frames of the clone protocol: ASCII-hex characters between SOH and CR with a one's
// complement checksum. Shared by the program's side and the virtual radio.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rse {

inline constexpr std::uint8_t kSOH = 0x01;
inline constexpr std::uint8_t kCR = 0x0D;
inline constexpr std::uint8_t kACK = 0x06;
inline constexpr std::uint8_t kCAN = 0x18;

// Command and reply codes.
inline constexpr std::uint8_t kWriteByteCode = 0x11;
inline constexpr std::uint8_t kReadByteCode = 0x12;
inline constexpr std::uint8_t kWriteBlockCode = 0x13;
inline constexpr std::uint8_t kReadBlockCode = 0x14;

inline constexpr int kBlockSize = 16;
inline constexpr int kBlockCount = 256;

// Frame lengths on the line, SOH and CR included.
inline constexpr int kReadCommandLength = 10;
inline constexpr int kWriteByteCommandLength = 12;
inline constexpr int kWriteBlockCommandLength = 42;
// Reply lengths after the SOH, CR included.
inline constexpr int kReadByteReplyLength = 7;
inline constexpr int kReadBlockReplyLength = 37;

using Frame = std::vector<std::uint8_t>;

// Two upper-case hex characters, high nibble first.
std::array<std::uint8_t, 2> ByteToHexChars(std::uint8_t value);
// The byte two hex characters stand for; nullopt when either is not a hex digit.
std::optional<std::uint8_t> HexCharsToByte(std::uint8_t high, std::uint8_t low);

// 255 minus the low byte of the sum of the characters.
std::uint8_t FrameChecksum(std::span<const std::uint8_t> chars);

// SOH, the code, the payload characters, the checksum over code and payload, CR.
Frame BuildFrame(std::uint8_t code, std::span<const std::uint8_t> payloadChars);

Frame ReadByteFrame(int address);
Frame ReadBlockFrame(int address);
Frame WriteByteFrame(int address, std::uint8_t data);
Frame WriteBlockFrame(int address, std::span<const std::uint8_t, kBlockSize> data);
// A radio's reply: code and data bytes as hex characters.
Frame ReplyFrame(std::uint8_t code, std::span<const std::uint8_t> data);

// A received frame without its SOH, bytes 0..n where n is the place of the CR: the code when
// the checksum in bytes n-2, n-1 matches and the code is one of the four, else 0.
std::uint8_t ParseReply(std::span<const std::uint8_t> frame);

// Decodes count data bytes from the hex characters after the two code characters; false
// when one of them is not a hex digit or the frame is too short.
bool DecodeReplyData(std::span<const std::uint8_t> frame, std::span<std::uint8_t> out);

}  // namespace rse
