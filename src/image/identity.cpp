#include "image/identity.h"

#include <algorithm>
#include <string_view>

#include "image/codec.h"

namespace rse {

namespace {

constexpr int kNumberSize = 5;
constexpr int kMmsiOffset = mem::kUserMmsid.address - kIdentityAddress;
constexpr int kAtisOffset = mem::kAtisNo.address - kIdentityAddress;
constexpr std::size_t kMmsiDigits = 9;

constexpr const char* kMmsiChangeText =
    RSE_TEXT("Core", "This radio's own MMSI is %1. The configuration would change it to %2.");
constexpr const char* kMmsiEraseText =
    RSE_TEXT("Core", "This radio's own MMSI is %1. The configuration would erase it.");
constexpr const char* kAtisChangeText = RSE_TEXT(
    "Core", "This radio's own ATIS number is %1. The configuration would change it to %2.");
constexpr const char* kAtisEraseText =
    RSE_TEXT("Core", "This radio's own ATIS number is %1. The configuration would erase it.");

bool Holds(const IdentityBlock& block, int offset) {
    return std::any_of(block.begin() + offset, block.begin() + offset + kNumberSize,
                       [](std::uint8_t b) { return b != 0xFF; });
}

Phrase Sentence(const char* change, const char* erase, const std::string& radio,
                const std::string& image) {
    return image.empty() ? Phrase(erase, {radio}) : Phrase(change, {radio, image});
}

}  // namespace

IdentityBlock IdentityOf(const MemoryImage& image) {
    IdentityBlock block{};
    std::copy_n(image.begin() + kIdentityAddress, kIdentitySize, block.begin());
    return block;
}

void PutIdentity(MemoryImage& image, const IdentityBlock& block) {
    std::copy(block.begin(), block.end(), image.begin() + kIdentityAddress);
}

IdentityNumbers NumbersOf(const IdentityBlock& block) {
    MemoryImage image{};
    PutIdentity(image, block);
    return {GetDigits(image, mem::kUserMmsid.address).substr(0, kMmsiDigits),
            GetDigits(image, mem::kAtisNo.address)};
}

std::optional<IdentityChange> IdentityQuestion(const IdentityBlock& radio,
                                               const MemoryImage& image) {
    IdentityChange change{NumbersOf(radio), NumbersOf(IdentityOf(image))};
    change.mmsi = Holds(radio, kMmsiOffset) && change.radio.userMmsi != change.image.userMmsi;
    change.atis = Holds(radio, kAtisOffset) && change.radio.atisNo != change.image.atisNo;
    if (!change.mmsi && !change.atis) return std::nullopt;
    return change;
}

std::vector<Phrase> IdentityPhrases(const IdentityChange& change) {
    std::vector<Phrase> sentences;
    if (change.mmsi) {
        sentences.push_back(Sentence(kMmsiChangeText, kMmsiEraseText, change.radio.userMmsi,
                                     change.image.userMmsi));
    }
    if (change.atis) {
        sentences.push_back(
            Sentence(kAtisChangeText, kAtisEraseText, change.radio.atisNo, change.image.atisNo));
    }
    return sentences;
}

std::vector<std::string> IdentitySentences(const IdentityChange& change) {
    std::vector<std::string> sentences;
    for (const Phrase& phrase : IdentityPhrases(change))
        sentences.push_back(phrase.English());
    return sentences;
}

MemoryImage ApplyIdentityChoice(const MemoryImage& image, const IdentityBlock& radio,
                                IdentityChoice choice) {
    MemoryImage out = image;
    if (choice == IdentityChoice::Keep) PutIdentity(out, radio);
    return out;
}

}  // namespace rse
