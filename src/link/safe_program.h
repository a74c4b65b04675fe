// Programming with a safety net: read what the radio holds and keep it, ask before writing,
// program, then read the radio back and compare it with what was sent. One cancel flag and
// one progress display serve every step; a cancel or failure before the writing starts
// leaves the radio untouched. Every program guards the radio's identity: when the image would
// change the radio's own MMSI or ATIS number, nothing is written until the caller has chosen.
#pragma once

#include <functional>
#include <optional>

#include "image/identity.h"
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
    // The image to program over what the radio holds, when it was read whole first: the
    // configuration laid over the radio's own bytes. Without it the image given is programmed.
    std::function<MemoryImage(const MemoryImage& radio)> layOver;
    // Asked, when the radio was not read whole, after its identity block was read: the image
    // would change its numbers. Without an answer the radio's identity is kept.
    std::function<IdentityChoice(const IdentityChange& change)> identity;
    // Asked with what the radio holds now and what will be sent (its identity changed, when
    // `change` is set): Cancel to write nothing, else the choice about the identity (either
    // when there is no change to choose about).
    std::function<IdentityChoice(const MemoryImage& radio, const MemoryImage& image,
                                 const std::optional<IdentityChange>& change)>
        confirm;
};

struct ProgramResult {
    TransferOutcome outcome;
    // What was programmed (on success: what the radio holds now), else what would have been.
    MemoryImage image{};
    // The choice about the radio's identity, when there was one to make.
    std::optional<IdentityChoice> identity;
};

// Where two images differ: the first address and how many bytes.
struct ImageMismatch {
    int firstAddress = -1;  // -1: the images are equal
    int count = 0;
};
ImageMismatch FindMismatch(const MemoryImage& expected, const MemoryImage& actual);

// Runs the steps of `net` around programming `image`. Progress runs once from 0 to 100 over
// all steps. Without backup and verify this is the plain program behind the identity guard.
ProgramResult ProgramWithSafetyNet(const LinkEnvironment& env, const MemoryImage& image,
                                   SafetyNet net, const SafetyNetSteps& steps);

}  // namespace rse
