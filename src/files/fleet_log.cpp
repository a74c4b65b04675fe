#include "files/fleet_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <system_error>

#include "files/csv.h"
#include "model/mmsi.h"

namespace rse {

namespace {

IoResult ErrnoFailure(int err) {
    return IoResult::Failure(err, std::error_code(err, std::generic_category()).message());
}

int NumberOf(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

FleetLogRow RowOf(std::vector<std::string> fields) {
    fields.resize(kFleetLogColumns.size());
    return {fields[0], NumberOf(fields[1]), fields[2], fields[3], fields[4],
            fields[5], fields[6],           fields[7], fields[8], fields[9]};
}

}  // namespace

std::vector<std::string> FleetLogRow::Fields() const {
    return {time,  std::to_string(radio), model, userMmsi, mmsiKind, atisNo, result, detail, backup,
            sha256};
}

FleetLog::~FleetLog() {
    if (fd_ >= 0) ::close(fd_);
}

IoResult FleetLog::Open() {
    std::string text;
    if (IoResult r = ReadWholeFile(path_, text); !r.ok && r.errorNumber != ENOENT) return r;
    rows_.clear();
    if (!text.empty()) {
        CsvReader reader(text);
        CsvRecord record;
        if (!reader.Next(record) || record.fields != kFleetLogColumns) {
            return IoResult::Failure(EINVAL, "not a fleet log (its first line is not the header)");
        }
        while (reader.Next(record))
            rows_.push_back(RowOf(std::move(record.fields)));
    }
    fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return ErrnoFailure(errno);
    if (text.empty()) {
        std::string header;
        AppendCsvRecord(header, kFleetLogColumns);
        return WriteAll(header);
    }
    // A row cut short by a power failure ends here, so that the next row starts a line.
    if (text.back() != '\n') return WriteAll("\r\n");
    return {};
}

IoResult FleetLog::WriteAll(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return ErrnoFailure(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (::fdatasync(fd_) != 0) return ErrnoFailure(errno);
    return {};
}

IoResult FleetLog::Append(const FleetLogRow& row) {
    if (fd_ < 0) return ErrnoFailure(EBADF);
    std::string line;
    AppendCsvRecord(line, row.Fields());
    if (IoResult r = WriteAll(line); !r.ok) return r;
    rows_.push_back(row);
    return {};
}

int FleetLog::NextRadio() const {
    int highest = 0;
    for (const FleetLogRow& row : rows_)
        highest = std::max(highest, row.radio);
    return highest + 1;
}

std::vector<Phrase> FleetWarningPhrases(const IdentityNumbers& numbers, const FleetLog& log) {
    std::vector<Phrase> warnings;
    if (numbers.userMmsi.empty()) {
        warnings.emplace_back(RSE_TEXT("Core", "no MMSI: enter it at the radio"));
        return warnings;
    }
    const Phrase kind = UserMmsiKindPhrase(numbers.userMmsi);
    if (!kind.Empty()) warnings.push_back(kind);
    for (const FleetLogRow& row : log.Rows()) {
        if (row.userMmsi != numbers.userMmsi) continue;
        warnings.emplace_back(
            RSE_TEXT("Core", "%1 is also radio %2 of this log"),
            std::vector<std::string>{numbers.userMmsi, std::to_string(row.radio)});
        break;
    }
    return warnings;
}

std::vector<std::string> FleetWarnings(const IdentityNumbers& numbers, const FleetLog& log) {
    std::vector<std::string> warnings;
    for (const Phrase& phrase : FleetWarningPhrases(numbers, log))
        warnings.push_back(phrase.English());
    return warnings;
}

}  // namespace rse
