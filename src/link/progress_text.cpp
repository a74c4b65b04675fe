#include "link/progress_text.h"

#include <algorithm>
#include <cstdio>

namespace rse {

namespace {

constexpr int kMaxBar = 40;
constexpr int kMinBar = 10;

// "m:ss" in five places (more after 99 minutes); "--:--" when unknown.
std::string Clock(std::chrono::milliseconds t, bool known = true) {
    if (!known) return "--:--";
    const long long s = std::max<long long>(0, t.count() / 1000);
    char text[32];
    std::snprintf(text, sizeof text, "%2lld:%02lld", s / 60, s % 60);
    return text;
}

std::string Bar(int percent, int width) {
    const int filled = percent * width / 100;
    return "[" + std::string(filled, '#') + std::string(width - filled, '.') + "]";
}

}  // namespace

ProgressMode ProgressModeFor(bool terminal, bool requested) {
    if (terminal) return ProgressMode::Terminal;
    return requested ? ProgressMode::Lines : ProgressMode::Silent;
}

std::string ProgressBarLine(int percent, std::chrono::milliseconds elapsed, int columns) {
    percent = std::clamp(percent, 0, 100);
    char pct[8];
    std::snprintf(pct, sizeof pct, "%3d%%", percent);
    const int usable = columns - 1;  // a character in the last column wraps on some terminals
    const std::string left =
        Clock(percent == 0 ? elapsed : elapsed * (100 - percent) / percent, percent > 0);
    const std::string times = "  " + Clock(elapsed) + " elapsed  " + left + " left";
    const int full = usable - 3 - 4 - static_cast<int>(times.size());  // "[]", " ", "100%"
    if (full >= kMinBar) return Bar(percent, std::min(full, kMaxBar)) + " " + pct + times;
    const int shortBar = usable - 3 - 4;
    if (shortBar >= kMinBar) return Bar(percent, std::min(shortBar, kMaxBar)) + " " + pct;
    return pct;
}

std::string ProgressText::Update(int percent, std::chrono::milliseconds elapsed) {
    percent = std::clamp(percent, 0, 100);
    switch (mode_) {
        case ProgressMode::Silent:
            return {};
        case ProgressMode::Lines: {
            const int tenth = percent / 10;
            if (tenth == lastTenth_) return {};
            lastTenth_ = tenth;
            return "progress " + std::to_string(tenth * 10) + "%\n";
        }
        case ProgressMode::Terminal:
            if (percent == lastPercent_ && lineOpen_) return {};
            lastPercent_ = percent;
            lineOpen_ = true;
            // Erase what a longer earlier line left behind.
            return "\r" + ProgressBarLine(percent, elapsed, columns_) + "\x1b[K";
    }
    return {};
}

std::string ProgressText::Finish() {
    if (!lineOpen_) return {};
    lineOpen_ = false;
    return "\n";
}

}  // namespace rse
