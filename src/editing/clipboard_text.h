// Lists as text for the clipboard, and rows of stations pasted into the directory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/directory_exchange.h"
#include "model/configuration.h"

namespace rse {

// Rows as a spreadsheet takes them from the clipboard: one line per row (the first is the
// header), fields separated by tabs; a field holding a tab, a line break or a quote is put in
// quotes with its quotes doubled.
std::string TabSeparatedRows(const std::vector<std::vector<std::string>>& rows);

struct DirectoryPaste {
    int firstSlot = 1;                    // the slot the first row goes into
    std::vector<DirectoryEntry> entries;  // the accepted rows, enabled
    std::vector<RowMessage> refused;      // any entry here refuses the whole paste
    std::vector<RowMessage> warnings;     // rows taken all the same

    bool Ok() const { return refused.empty(); }
};

// Texts larger than this are refused whole (a directory of 20 stations is a few hundred bytes).
inline constexpr std::size_t kMaxPasteBytes = 1 << 20;

// Checks pasted rows of Name and MMSI: separated by tabs (a spreadsheet) or by commas or
// semicolons, with or without a header line naming the columns ("Name" or "Station Name", and
// "MMSI", in any order); without one the first two fields are the name and the MMSI. The rows
// follow the directory import's rules and go into the slots from `selectedSlot` on (never
// after the first free slot); line N is line N of the pasted text. Rows may not run past slot
// 20 nor repeat an MMSI the directory keeps in another slot.
DirectoryPaste ReadDirectoryPaste(std::string_view text, const Configuration& config,
                                  int selectedSlot);

// Puts the accepted rows into their slots; the other slots stay as they are.
void ApplyDirectoryPaste(Configuration& config, const DirectoryPaste& paste);

}  // namespace rse
