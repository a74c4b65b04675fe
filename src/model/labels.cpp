#include "model/labels.h"

#include <cmath>
#include <cstdio>

namespace rse {

std::string FreqText(double mhz) {
    if (!(mhz > 0.0) || !std::isfinite(mhz)) return "---.---";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%07.3f", mhz);
    return buf;
}

void OffsetTimeTexts(std::vector<std::string>& list) {
    list.clear();
    for (int h = -12; h <= 12; ++h) {
        char buf[16];
        std::snprintf(buf, sizeof buf, h < 0 ? "%d:00" : "+%d:00", h);
        list.emplace_back(buf);
    }
}

const std::vector<std::string>& OffsetTimeTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> v;
        OffsetTimeTexts(v);
        return v;
    }();
    return texts;
}

const std::string* OffsetTimeText(int offsetTime) {
    const auto& texts = OffsetTimeTexts();
    if (offsetTime < 0 || offsetTime >= static_cast<int>(texts.size())) return nullptr;
    return &texts[static_cast<std::size_t>(offsetTime)];
}

namespace {
std::string Pick(int value, std::initializer_list<const char*> texts) {
    if (value < 0 || value >= static_cast<int>(texts.size())) return {};
    return *(texts.begin() + value);
}
}  // namespace

std::string DimmerText(int dimmer) {
    return Pick(dimmer, {"HI", "MID", "LO", "OFF"});
}
std::string ScanTypeText(int scanType) {
    return Pick(scanType, {"Memory", "Priority"});
}
std::string RingerText(int ind) {
    return Pick(ind, {"3 min", "15 times", "10 times", "5 times"});
}

}  // namespace rse
