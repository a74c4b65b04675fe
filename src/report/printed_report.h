// The printed report: seven pages, each a list of lines whose cells stand at fixed horizontal
// positions in millimetres. A painter in the platform layer draws them.
#pragma once

#include <string>
#include <vector>

#include "image/memory_image.h"
#include "model/configuration.h"

namespace rse {

inline constexpr int kPrintedPages = 7;
// Cell positions count from this margin inside the printable area.
inline constexpr double kPrintLeftMarginMm = 10.0;
// The first line (the page header) starts this far below the top of the printable area.
inline constexpr double kPrintTopMm = 5.0;
inline constexpr double kTwipsPerMm = 56.7;

struct PrintCell {
    double xMm;  // position from the left margin
    std::string text;
    bool operator==(const PrintCell&) const = default;
};

// One printed line; a line without cells is an empty line.
using PrintLine = std::vector<PrintCell>;

struct PrintPage {
    std::vector<PrintLine> lines;  // lines[0] is the header line, lines[1] is empty
};

// "QM24 VH3400M Radio Setup Editor --- Page 3 of 7"
std::string PrintPageHeaderText(int page, int pageCount);

std::vector<PrintPage> LayoutPrintedReport(const Configuration& config, const MemoryImage& image);

}  // namespace rse
