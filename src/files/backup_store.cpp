#include "files/backup_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "files/ini_reader.h"
#include "model/configuration.h"

namespace rse {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSidecarExtension = ".info";
constexpr const char* kSidecarSection = "BACKUP";

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The parts of a backup name: "YYYYMMDD-HHMMSS[-N].hex|.dat".
struct NameParts {
    std::string stamp;
    int sequence = 1;
    BackupKind kind = BackupKind::Image;
};

bool ParseName(std::string_view name, NameParts& out) {
    if (name.size() < 19) return false;
    const std::string_view ext = name.substr(name.size() - 4);
    if (ext == ".hex") {
        out.kind = BackupKind::Image;
    } else if (ext == ".dat") {
        out.kind = BackupKind::Configuration;
    } else {
        return false;
    }
    const std::string_view base = name.substr(0, name.size() - 4);
    if (!AllDigits(base.substr(0, 8)) || base[8] != '-' || !AllDigits(base.substr(9, 6))) {
        return false;
    }
    out.stamp = std::string(base.substr(0, 15));
    out.sequence = 1;
    if (base.size() == 15) return true;
    const std::string_view rest = base.substr(15);
    if (rest.size() < 2 || rest.size() > 5 || rest[0] != '-' || !AllDigits(rest.substr(1))) {
        return false;
    }
    out.sequence = std::stoi(std::string(rest.substr(1)));
    return out.sequence >= 2;
}

// "20240501-101500" -> "2024-05-01 10:15:00".
std::string TimeOfStamp(const std::string& s) {
    return s.substr(0, 4) + "-" + s.substr(4, 2) + "-" + s.substr(6, 2) + " " + s.substr(9, 2) +
           ":" + s.substr(11, 2) + ":" + s.substr(13, 2);
}

// A sidecar value on one line.
std::string OneLine(std::string_view text) {
    std::string s(text);
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return s;
}

std::string ModelText(std::string_view code) {
    char own[8];
    std::snprintf(own, sizeof own, "%04X", kSupportedModelCode);
    if (code.empty()) return {};
    return AsciiLower(code) == AsciiLower(own) ? kModelName : "model 0x" + std::string(code);
}

IoResult ErrorCodeFailure(const std::error_code& ec) {
    return IoResult::Failure(ec.value(), ec.message());
}

}  // namespace

BackupStore::BackupStore(std::string folder, HashFunction sha256)
    : folder_(std::move(folder)), sha256_(std::move(sha256)) {}

KeepResult BackupStore::Keep(std::string_view data, const char* extension,
                             const std::string& modelCode, const BackupFacts& facts) const {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) return {ErrorCodeFailure(ec), folder_};
    const std::string sidecar =
        "[" + std::string(kSidecarSection) + "]\n" + "ModelCode=" + modelCode + "\n" +
        "Port=" + OneLine(facts.port) + "\n" + "Program=" + OneLine(facts.program) + "\n" +
        "SHA256=" + sha256_(data) + "\n" + "Note=" + OneLine(facts.note) + "\n";
    for (int n = 1; n <= 9999; ++n) {
        const std::string base =
            folder_ + "/" + facts.stamp + (n == 1 ? std::string() : "-" + std::to_string(n));
        // A name whose sidecar or other kind exists is taken as well.
        if (fs::exists(base + kSidecarExtension, ec) || fs::exists(base + ".hex", ec) ||
            fs::exists(base + ".dat", ec)) {
            continue;
        }
        const std::string path = base + extension;
        IoResult written = WriteNewFileAtomic(path, data);
        if (!written.ok && written.errorNumber == EEXIST) continue;
        if (!written.ok) return {written, folder_};
        written = WriteFileAtomic(base + kSidecarExtension, sidecar);
        if (!written.ok) {
            ::unlink(path.c_str());
            return {written, folder_};
        }
        return {{}, path};
    }
    return {IoResult::Failure(EEXIST, "Too many backups in the same second"), folder_};
}

KeepResult BackupStore::KeepImage(const MemoryImage& image, const BackupFacts& facts) const {
    char code[8];
    std::snprintf(code, sizeof code, "%04X", ModelCodeOf(image));
    return Keep(std::string_view(reinterpret_cast<const char*>(image.data()), image.size()), ".hex",
                code, facts);
}

KeepResult BackupStore::KeepConfiguration(std::string_view configText,
                                          const BackupFacts& facts) const {
    char code[8];
    std::snprintf(code, sizeof code, "%04X", kSupportedModelCode);
    return Keep(configText, ".dat", code, facts);
}

std::vector<BackupEntry> BackupStore::List() const {
    struct Found {
        NameParts parts;
        BackupEntry entry;
    };
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        NameParts parts;
        if (!ParseName(name, parts)) continue;
        BackupEntry e;
        e.name = name;
        e.path = it->path().string();
        e.kind = parts.kind;
        e.time = TimeOfStamp(parts.stamp);
        std::string data;
        const bool readable = ReadWholeFile(e.path, data).ok;
        if (readable) e.sha256 = sha256_(data);
        std::string sidecar;
        const std::string sidecarPath = e.path.substr(0, e.path.size() - 4) + kSidecarExtension;
        std::string storedHash;
        if (ReadWholeFile(sidecarPath, sidecar, 64 * 1024).ok) {
            const IniDocument doc(sidecar);
            auto value = [&](std::string_view key) {
                return std::string(doc.Get(kSidecarSection, key).value_or(""));
            };
            e.model = ModelText(value("ModelCode"));
            e.port = value("Port");
            e.program = value("Program");
            e.note = value("Note");
            storedHash = value("SHA256");
        }
        e.intact = readable && (storedHash.empty() || AsciiLower(storedHash) == e.sha256);
        found.push_back({parts, std::move(e)});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.parts.stamp != b.parts.stamp) return a.parts.stamp > b.parts.stamp;
        return a.parts.sequence > b.parts.sequence;
    });
    std::vector<BackupEntry> out;
    out.reserve(found.size());
    for (Found& f : found)
        out.push_back(std::move(f.entry));
    return out;
}

IoResult BackupStore::Delete(const std::string& name) const {
    NameParts parts;
    if (!ParseName(name, parts)) return IoResult::Failure(EINVAL, "Not a backup: " + name);
    const std::string path = folder_ + "/" + name;
    std::error_code ec;
    if (!fs::remove(path, ec))
        return ErrorCodeFailure(ec ? ec
                                   : std::make_error_code(std::errc::no_such_file_or_directory));
    fs::remove(path.substr(0, path.size() - 4) + kSidecarExtension, ec);
    return {};
}

}  // namespace rse
