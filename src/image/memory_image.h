// The radio's 4096-byte memory and the offsets of its areas.
#pragma once

#include <array>
#include <cstdint>

namespace rse {

inline constexpr std::size_t kImageSize = 4096;
using MemoryImage = std::array<std::uint8_t, kImageSize>;

inline constexpr std::uint16_t kModelCode = 0x0D48;

namespace addr {
inline constexpr int kModelCode = 0x000;
inline constexpr int kDimmer = 0x008;
inline constexpr int kContrast = 0x009;
inline constexpr int kKeyBeep = 0x00A;
inline constexpr int kWxAlert = 0x00B;
inline constexpr int kIndFlags = 0x00C;  // bit 7 IndReply, bit 6 IndACK, bit 5 POSRR
inline constexpr int kDscScan = 0x00F;
inline constexpr int kInd = 0x010;
inline constexpr int kOffsetTime = 0x012;
inline constexpr int kScanType = 0x013;
inline constexpr int kAtisOnOff = 0x014;
inline constexpr int kUsaEnable = 0x018;
inline constexpr int kIntEnable = 0x020;
inline constexpr int kCanEnable = 0x028;
inline constexpr int kUsaScan = 0x030;
inline constexpr int kIntScan = 0x038;
inline constexpr int kCanScan = 0x040;
inline constexpr int kWxEnable = 0x048;
inline constexpr int kWxScan = 0x04A;
inline constexpr int kExpScan = 0x04C;
inline constexpr int kExpRecords = 0x050;
inline constexpr int kUserMmsid = 0x190;
inline constexpr int kMmsiEntryCount = 0x195;
inline constexpr int kAtisNo = 0x19B;
inline constexpr int kUsaRecords = 0x1A0;
inline constexpr int kIntRecords = 0x5A0;
inline constexpr int kCanRecords = 0x9A0;
inline constexpr int kWxRecords = 0xDA0;
inline constexpr int kDirectory = 0xE40;
inline constexpr int kRecordSize = 16;
}  // namespace addr

inline std::uint16_t ModelCodeOf(const MemoryImage& image) {
    return static_cast<std::uint16_t>(image[0] << 8 | image[1]);
}
inline int MmsiEntryCount(const MemoryImage& image) {
    return image[addr::kMmsiEntryCount];
}

}  // namespace rse
