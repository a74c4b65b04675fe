// What the command line and the editor's window share about each radio of a fleet: the note
// its backup gets, its log row with the warnings, and its programming record as a PDF page.
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "files/fleet_log.h"
#include "link/fleet.h"
#include "qt/print/report_painter.h"

namespace rse {

// Keeps the memory read from radio `number` with the note "before fleet NAME, radio N".
FleetSteps FleetKeepSteps(const QString& port, const QString& templateName, int number);

// The log row of radio `number` as it ended: the time now, the numbers it holds, the result,
// the message or the warnings (also returned in `warnings`), the backup and the SHA-256. The
// row is in English whatever the language: programs read the log.
FleetLogRow FleetRowFor(const FleetRadio& radio, int number, const FleetLog& log,
                        std::vector<Phrase>& warnings);

// The record's path: DIR/radio-N-MMSI.pdf ("radio-3-none.pdf" without an MMSI).
QString FleetRecordPath(const QString& folder, const FleetLogRow& row);
// Writes the one-page programming record of a radio that was programmed.
PaintResult WriteFleetRecord(const QString& folder, const FleetLogRow& row,
                             const MemoryImage& image);

}  // namespace rse
