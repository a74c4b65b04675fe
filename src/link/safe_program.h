// Programming with a safety net: read what the radio holds and keep it, ask before writing,
// program, then read the radio back and compare it with what was sent. One cancel flag and
// one progress display serve every step; a cancel or failure before the writing starts
// leaves the radio untouched.
#pragma once

#include <functional>
#include <optional>

#include "image/memory_image.h"
#include "link/byte_link.h"
#include "link/transfer_outcome.h"

namespace rse {

inline constexpr const char* kVerifyErrorText = RSE_TEXT("Core", "Verify Error!!");
inline constexpr const char* kNothingToProgramText =
    "Nothing to program: the radio already holds this configuration.";

struct SafetyNet {
    bool backup = false;  // read and keep the radio's memory first, then ask
    bool verify = false;  // read the radio back after programming and compare
};

// What the caller does between the steps, on the thread that runs the sequence.
struct SafetyNetSteps {
    // Keeps the memory read before programming; a message when it could not be kept, and
    // then nothing is written.
    std::function<std::optional<LinkMessage>(const MemoryImage& radio)> keep;
    // Asked with what the radio holds now and what will be sent: true to program.
    std::function<bool(const MemoryImage& radio, const MemoryImage& image)> confirm;
};

// Where two images differ: the first address and how many bytes.
struct ImageMismatch {
    int firstAddress = -1;  // -1: the images are equal
    int count = 0;
};
ImageMismatch FindMismatch(const MemoryImage& expected, const MemoryImage& actual);

// Runs the steps of `net` around programming `image`. Progress runs once from 0 to 100 over
// all steps. Without backup and verify this is the plain program.
TransferOutcome ProgramWithSafetyNet(const LinkEnvironment& env, const MemoryImage& image,
                                     SafetyNet net, const SafetyNetSteps& steps);

}  // namespace rse
