// Whole-file reads and atomic whole-file writes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rse {

// Outcome of a file operation: the system's error number and description on failure.
struct IoResult {
    bool ok = true;
    int errorNumber = 0;
    std::string description;

    static IoResult Failure(int number, std::string text) {
        return {false, number, std::move(text)};
    }
    // The error log form: the number directly followed by the description.
    std::string LogText() const { return std::to_string(errorNumber) + description; }
};

// Largest file the program reads; anything bigger is refused rather than loaded.
inline constexpr std::size_t kMaxReadSize = 256u * 1024u * 1024u;

// Reads a whole regular file into `out` (left unchanged on failure). Files larger than
// `maxSize` are refused.
IoResult ReadWholeFile(const std::string& path, std::string& out,
                       std::size_t maxSize = kMaxReadSize);

// Writes `data` to a temporary file in the target's folder, flushes it to disk and renames it
// over the target, so the target is either the old file or the complete new one. A symbolic
// link is followed and its target replaced; an existing file's permissions are kept.
IoResult WriteFileAtomic(const std::string& path, std::string_view data);
// The same for a file that must not exist yet: fails with EEXIST, and changes nothing, when
// the name is taken (also when another program takes it at the same moment).
IoResult WriteNewFileAtomic(const std::string& path, std::string_view data);

}  // namespace rse
