// The radio configuration held in memory: common settings, the channel banks and the
// individual directory. Field names are the key names of the configuration file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>
#include "model/texts.h"

namespace rse {

inline constexpr const char* kModelName = "QM24 VH3400M";
inline constexpr const char* kProductTitle = RSE_TEXT("Core", "Radio Setup Editor");

struct CommonSettings {
    std::int16_t Contrast = 0;
    std::int16_t Dimmer = 0;
    bool KeyBeep = false;
    bool AtisOnOff = false;
    std::string AtisNo;
    std::int16_t ScanType = 0;
    std::int16_t Ind = 0;
    bool IndReply = false;
    bool IndACK = false;
    bool POSRR = false;
    bool DscScan = false;
    bool WxAlert = false;
    std::int16_t OffsetTime = 0;  // 0..24, value v means v - 12 hours
    std::string UserMmsid;

    bool operator==(const CommonSettings&) const = default;
};

struct ChannelRecord {
    std::int16_t Position = 0;  // index into the bank's plan
    bool Enable = false;
    bool LowPower = false;
    bool PowUp = false;
    bool Duplex = false;
    bool DuplexCapable = false;  // copied from the plan, never stored in files
    bool TxEnable = false;
    bool DispayA = false;
    bool ScanMemory = false;
    bool VsMemory = false;
    std::string ChTag;

    bool operator==(const ChannelRecord&) const = default;
};

struct DirectoryEntry {
    bool Enable = false;
    std::string TagName;
    std::string Mmsid;

    bool operator==(const DirectoryEntry&) const = default;
};

inline constexpr int kExpCount = 20;
inline constexpr int kDirectoryCount = 20;

// The banks. CHUSA, CHINT, CHCAN and CHWX are indexed from 0 (element k is the k-th present
// plan entry); CHEXP and CHMMSID are indexed 1..20, use Exp(i) and Dir(i) for those.
struct Configuration {
    CommonSettings SETCOM;
    std::vector<ChannelRecord> CHUSA;
    std::vector<ChannelRecord> CHINT;
    std::vector<ChannelRecord> CHCAN;
    std::vector<ChannelRecord> CHWX;
    std::array<ChannelRecord, kExpCount> CHEXP;
    std::array<DirectoryEntry, kDirectoryCount> CHMMSID;

    ChannelRecord& Exp(int i) { return CHEXP.at(static_cast<std::size_t>(i - 1)); }
    const ChannelRecord& Exp(int i) const { return CHEXP.at(static_cast<std::size_t>(i - 1)); }
    DirectoryEntry& Dir(int i) { return CHMMSID.at(static_cast<std::size_t>(i - 1)); }
    const DirectoryEntry& Dir(int i) const { return CHMMSID.at(static_cast<std::size_t>(i - 1)); }

    bool operator==(const Configuration&) const = default;
};

// Number of leading directory entries that are enabled (0..20).
int DirectoryCount(const Configuration& config);

// Empties every directory entry.
void ClearDirectory(Configuration& config);

}  // namespace rse
