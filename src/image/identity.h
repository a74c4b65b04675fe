// The radio's identity: its own MMSI, the count of MMSI entries it has accepted and its ATIS
// number, kept together in one 16-byte block. What programming writes into that block is a
// pure function of what the radio holds, the image to program and the user's choice, shared by
// the editor, rse-cli program and the fleet.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/memory_image.h"
#include "model/texts.h"

namespace rse {

inline constexpr int kIdentityAddress = mem::kIdentity.address;
inline constexpr int kIdentitySize = mem::kIdentity.size;
using IdentityBlock = std::array<std::uint8_t, kIdentitySize>;

IdentityBlock IdentityOf(const MemoryImage& image);
void PutIdentity(MemoryImage& image, const IdentityBlock& block);

// The two numbers of a block as the editor shows them: nine MMSI digits, ten ATIS digits.
struct IdentityNumbers {
    std::string userMmsi;
    std::string atisNo;
    bool operator==(const IdentityNumbers&) const = default;
};
IdentityNumbers NumbersOf(const IdentityBlock& block);

// What programming an image would do to the numbers the radio holds.
struct IdentityChange {
    IdentityNumbers radio;
    IdentityNumbers image;
    bool mmsi = false;  // the radio holds a user MMSI and the image has another one, or none
    bool atis = false;  // the same for the ATIS number
};

// The change to ask about; nothing when the radio holds neither number (all 0xFF) or the
// image keeps both.
std::optional<IdentityChange> IdentityQuestion(const IdentityBlock& radio,
                                               const MemoryImage& image);

// The sentences that name both numbers of each number that would change, e.g.
// "This radio's own MMSI is 366123456. The configuration would change it to 366999001."
std::vector<std::string> IdentitySentences(const IdentityChange& change);
// The same sentences as marked source texts with their numbers, for the programs to translate.
std::vector<Phrase> IdentityPhrases(const IdentityChange& change);

enum class IdentityChoice { Keep, Change, Cancel };

// The image to write: Keep puts the radio's 16 bytes back exactly as the radio holds them,
// Change (and Cancel, which writes nothing) leaves the image as it is.
MemoryImage ApplyIdentityChoice(const MemoryImage& image, const IdentityBlock& radio,
                                IdentityChoice choice);

}  // namespace rse
