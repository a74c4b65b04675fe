// The log of a fleet: one CSV row per radio programmed, appended and flushed to disk as soon
// as the radio is done, so that a crash or Ctrl+C loses no row that was written before it.
#pragma once

#include <string>
#include <vector>

#include "files/disk_io.h"
#include "image/identity.h"
#include "model/texts.h"

namespace rse {

// The columns, in order; the first line of every log.
inline const std::vector<std::string> kFleetLogColumns = {
    "time",    "radio",  "model",  "user_mmsi", "mmsi_kind",
    "atis_no", "result", "detail", "backup",    "sha256"};

struct FleetLogRow {
    std::string time;  // ISO 8601 with the offset from UTC
    int radio = 0;     // counts from 1 over the whole log
    std::string model;
    std::string userMmsi;
    std::string mmsiKind;  // "Ship, MID 366 (United States of America)"
    std::string atisNo;
    std::string result;  // "verified", "programmed", "failed", "cancelled"
    std::string detail;  // the message, or the warnings
    std::string backup;  // the file name of the memory kept before programming
    std::string sha256;  // of the image now in the radio

    std::vector<std::string> Fields() const;
};

class FleetLog {
  public:
    explicit FleetLog(std::string path) : path_(std::move(path)) {}
    ~FleetLog();
    FleetLog(const FleetLog&) = delete;
    FleetLog& operator=(const FleetLog&) = delete;

    // Reads the rows already there and opens the file for appending; a missing or empty file
    // gets the header line. A file that does not start with the header is not touched.
    IoResult Open();
    // Writes one row in one piece and flushes it to disk.
    IoResult Append(const FleetLogRow& row);

    const std::string& Path() const { return path_; }
    const std::vector<FleetLogRow>& Rows() const { return rows_; }
    // The number of the next radio: one more than the highest in the log.
    int NextRadio() const;

  private:
    IoResult WriteAll(const std::string& text);

    std::string path_;
    int fd_ = -1;
    std::vector<FleetLogRow> rows_;
};

// The warnings a programmed radio deserves, each a short sentence: no user MMSI, an MMSI that
// is not a ship station's, an MMSI that an earlier radio of the log already has.
std::vector<std::string> FleetWarnings(const IdentityNumbers& numbers, const FleetLog& log);
// The same warnings as marked source texts, for the programs to translate (the log keeps the
// English ones).
std::vector<Phrase> FleetWarningPhrases(const IdentityNumbers& numbers, const FleetLog& log);

}  // namespace rse
