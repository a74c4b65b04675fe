// rse-cli's progress display: the terminal's line at each width, and what a whole transfer
// writes on a terminal, with --progress elsewhere and without it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/progress_text.h"

namespace rse {
namespace {

using std::chrono::milliseconds;

std::string Bar(int hashes, int dots) {
    return "[" + std::string(hashes, '#') + std::string(dots, '.') + "]";
}

TEST(ProgressText, TheTerminalLineAtEachWidth) {
    struct Case {
        int percent;
        long ms;
        int columns;
        std::string line;
    };
    const Case cases[] = {
        // Nothing done yet: the time left is unknown.
        {0, 0, 80, Bar(0, 40) + "   0%   0:00 elapsed  --:-- left"},
        {100, 65'000, 80, Bar(40, 0) + " 100%   1:05 elapsed   0:00 left"},
        {25, 150'000, 120, Bar(10, 30) + "  25%   2:30 elapsed   7:30 left"},  // at most 40
        // Narrower terminals: a shorter bar, then no times, then the percentage alone.
        {42, 10'000, 50, Bar(6, 9) + "  42%   0:10 elapsed   0:13 left"},
        {42, 10'000, 30, Bar(9, 13) + "  42%"},
        {42, 10'000, 17, " 42%"},
        // Out of range values are drawn as their bounds.
        {130, 1'000, 17, "100%"},
        {-5, 1'000, 17, "  0%"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressBarLine(c.percent, milliseconds(c.ms), c.columns), c.line)
            << c.percent << "% at " << c.columns << " columns";
    }
}

TEST(ProgressText, TheLineKeepsItsLengthAndStaysOffTheLastColumn) {
    for (int columns : {10, 17, 18, 30, 44, 45, 50, 80, 200}) {
        const std::size_t first = ProgressBarLine(0, milliseconds(0), columns).size();
        EXPECT_LT(first, static_cast<std::size_t>(columns)) << columns;
        for (int percent = 1; percent <= 100; ++percent) {
            EXPECT_EQ(ProgressBarLine(percent, milliseconds(percent * 97), columns).size(), first)
                << percent << "% at " << columns << " columns";
        }
    }
}

TEST(ProgressText, TheModeFollowsTheTerminalAndTheRequest) {
    EXPECT_EQ(ProgressModeFor(true, false), ProgressMode::Terminal);
    EXPECT_EQ(ProgressModeFor(true, true), ProgressMode::Terminal);
    EXPECT_EQ(ProgressModeFor(false, true), ProgressMode::Lines);
    EXPECT_EQ(ProgressModeFor(false, false), ProgressMode::Silent);
}

TEST(ProgressText, WhatATransferWrites) {
    constexpr int kFinish = -1;  // a step that ends the display (the outcome is printed next)
    const std::string erase = "\x1b[K";
    struct Case {
        const char* name;
        ProgressMode mode;
        std::vector<int> steps;  // percentages shown, or kFinish
        std::string written;
    };
    const auto L = ProgressMode::Lines, T = ProgressMode::Terminal;
    // clang-format off
    const Case cases[] = {
        {"not a terminal, not asked", ProgressMode::Silent, {0, 50, 100, kFinish}, ""},
        {"asked: one line per tenth", L, {0, 5, 9, 10, 37, 99, 100, kFinish},
         "progress 0%\nprogress 10%\nprogress 30%\nprogress 90%\nprogress 100%\n"},
        {"terminal: redrawn in place, ended once", T, {0, 0, 42, 100, kFinish, kFinish},
         "\r  0%" + erase + "\r 42%" + erase + "\r100%" + erase + "\n"},
        {"terminal, a failure before any progress writes nothing", T, {kFinish}, ""},
        {"terminal, progress after a message starts a new line", T, {42, kFinish, 42, kFinish},
         "\r 42%" + erase + "\n\r 42%" + erase + "\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        ProgressText text(c.mode, 17);  // the narrowest line: the percentage alone
        std::string written;
        for (int step : c.steps)
            written += step == kFinish ? text.Finish() : text.Update(step, milliseconds(500));
        EXPECT_EQ(written, c.written) << c.name;
    }
}

}  // namespace
}  // namespace rse
