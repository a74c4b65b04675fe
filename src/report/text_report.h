// The text report: the whole configuration as fixed-width plain text with CR LF line ends.
#pragma once

#include <string>
#include <string_view>

#include "image/memory_image.h"
#include "model/configuration.h"

namespace rse {

// The text followed by spaces, cut to exactly `width` characters.
std::string PadText(std::string_view text, int width);
// The label padded to width - 1 characters, then ": ".
std::string LabelText(std::string_view label, int width);

// The composed report: the first line has nothing before it, the last nothing after it.
std::string MakeTextImage(const Configuration& config, const MemoryImage& image);
// What a saved report file holds: the composed text and one final CR LF.
std::string TextReportFile(const Configuration& config, const MemoryImage& image);

}  // namespace rse
