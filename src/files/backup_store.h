// The folder of backups: every memory image read from a radio and every configuration that a
// command replaced with unsaved edits, each beside a small sidecar file. Names begin with the
// date and time ("20240501-101500.hex"), so they sort by time; an existing backup is never
// overwritten (a second one in the same second becomes "20240501-101500-2.hex").
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/disk_io.h"
#include "image/memory_image.h"

namespace rse {

// The SHA-256 of the data as 64 lower-case hex digits.
using HashFunction = std::function<std::string(std::string_view data)>;

// What is known about a backup when it is kept.
struct BackupFacts {
    std::string stamp;    // local date and time as YYYYMMDD-HHMMSS: the start of the name
    std::string port;     // the device the image came from; empty for kept edits
    std::string program;  // the program and its version, "rse-cli 1.0.0"
    std::string note;     // "edits before New"; empty for a read
};

enum class BackupKind { Image, Configuration };

struct BackupEntry {
    std::string name;  // "20240501-101500.hex"
    std::string path;
    BackupKind kind = BackupKind::Image;
    std::string time;  // "2024-05-01 10:15:00", from the name
    std::string model;
    std::string port;
    std::string program;
    std::string sha256;  // of the file as it is now
    std::string note;
    bool intact = true;  // the file is readable and matches the hash its sidecar holds
};

struct KeepResult {
    IoResult io;
    std::string path;  // the backup's path on success; the folder on failure
};

class BackupStore {
  public:
    BackupStore(std::string folder, HashFunction sha256);

    const std::string& Folder() const { return folder_; }

    // Creates the folder when needed and writes the file and its sidecar, each atomically.
    KeepResult KeepImage(const MemoryImage& image, const BackupFacts& facts) const;
    KeepResult KeepConfiguration(std::string_view configText, const BackupFacts& facts) const;

    // The backups, newest first. A missing folder has none.
    std::vector<BackupEntry> List() const;
    // Removes a backup (by its file name) and its sidecar.
    IoResult Delete(const std::string& name) const;

  private:
    KeepResult Keep(std::string_view data, const char* extension, const std::string& modelCode,
                    const BackupFacts& facts) const;

    std::string folder_;
    HashFunction sha256_;
};

}  // namespace rse
