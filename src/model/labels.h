// Display texts of values, shared by the editors and both reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rse {

// "000.000" (at least three integer digits, three decimals), or "---.---" for no frequency.
std::string FreqText(double mhz);
// The 25 UTC offset texts "-12:00" .. "+0:00" .. "+12:00", index = OffsetTime.
const std::vector<std::string>& OffsetTimeTexts();
void OffsetTimeTexts(std::vector<std::string>& list);
// The offset text of an OffsetTime value, or nullptr outside 0..24.
const std::string* OffsetTimeText(int offsetTime);

inline int FlagBit(bool flag) {
    return flag ? 1 : 0;
}

std::string DimmerText(int dimmer);
std::string ScanTypeText(int scanType);
std::string RingerText(int ind);
inline std::string YesNoText(bool f) {
    return f ? "Yes" : "No";
}
inline std::string MarkEnable(bool f) {
    return f ? "ENABLE" : "------";
}
inline std::string MarkTx(bool f) {
    return f ? "TX" : "--";
}
inline std::string MarkLow(bool f) {
    return f ? "LOW" : "---";
}
inline std::string MarkUp(bool f) {
    return f ? "UP" : "--";
}
inline std::string MarkDup(bool f) {
    return f ? "DUP" : "---";
}
inline std::string MarkScan(bool f) {
    return f ? "SCAN" : "----";
}
inline std::string MarkVs(bool f) {
    return f ? "VS" : "--";
}

}  // namespace rse
