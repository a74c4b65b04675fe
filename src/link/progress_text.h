// The progress of a transfer as text on standard error. On a terminal one line is redrawn in
// place: a bar, the percentage, the time taken and the time still needed. Elsewhere (a log, a
// pipe) there is nothing, unless asked for: then one line for each tenth of the way.
#pragma once

#include <chrono>
#include <string>

namespace rse {

enum class ProgressMode {
    Silent,    // not a terminal and not asked for
    Lines,     // "progress 10%" ... "progress 100%"
    Terminal,  // one line redrawn in place
};

// The mode for standard error: a terminal draws the line, else lines only when requested.
ProgressMode ProgressModeFor(bool terminal, bool requested);

// The line drawn on a terminal `columns` wide at `percent` (0..100) after `elapsed`, without
// carriage return or line end. It never reaches the last column, and at one width it has the
// same length at every percentage while the times fit their five places. Narrow terminals get
// the bar and percentage without the times, very narrow ones the percentage alone.
std::string ProgressBarLine(int percent, std::chrono::milliseconds elapsed, int columns);

// What to write as a transfer goes on.
class ProgressText {
  public:
    ProgressText(ProgressMode mode, int columns) : mode_(mode), columns_(columns) {}

    // The text for `percent` reached after `elapsed`; empty when nothing is to be written.
    std::string Update(int percent, std::chrono::milliseconds elapsed);
    // The text that ends the display before anything else is written (the outcome's message,
    // success or failure): the terminal's line is ended, so the message starts a line of its
    // own. A later Update starts a new line.
    std::string Finish();

  private:
    ProgressMode mode_;
    int columns_;
    bool lineOpen_ = false;
    int lastPercent_ = -1;
    int lastTenth_ = -1;
};

}  // namespace rse
