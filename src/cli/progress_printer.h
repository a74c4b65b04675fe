// A transfer's progress on standard error (see link/progress_text.h for what is shown).
#pragma once

#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "link/progress_text.h"

namespace rse::cli {

class ProgressPrinter {
  public:
    // `requested`: --progress, lines even when standard error is not a terminal.
    explicit ProgressPrinter(bool requested)
        : text_(ProgressModeFor(::isatty(STDERR_FILENO) == 1, requested), Columns()) {}
    ~ProgressPrinter() { Finish(); }
    ProgressPrinter(const ProgressPrinter&) = delete;
    ProgressPrinter& operator=(const ProgressPrinter&) = delete;

    void Show(int percent) {
        Write(text_.Update(percent, std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - start_)));
    }
    // Ends the display before a message is printed.
    void Finish() { Write(text_.Finish()); }

  private:
    static int Columns() {
        winsize size{};
        if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
        const char* env = std::getenv("COLUMNS");
        const int columns = env ? std::atoi(env) : 0;
        return columns > 0 ? columns : 80;
    }
    static void Write(const std::string& text) {
        if (text.empty()) return;
        std::fputs(text.c_str(), stderr);
        std::fflush(stderr);
    }

    ProgressText text_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace rse::cli
