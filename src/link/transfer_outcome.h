// What a radio operation ends with, as data: the caller turns it into its flags and shows
// the message, so the editor and the command line say the same words.
#pragma once

#include <optional>
#include <string>

#include "image/memory_image.h"
#include "model/texts.h"

namespace rse {

enum class MessageIcon { Information, Critical };

struct LinkMessage {
    std::string text;   // "Complete!!", "CommunicatiOn Error!!", "ModelName Error !!"
    std::string title;  // "Read from Radio", "Program to Radio", "Clear Data", "Model Check"
    MessageIcon icon = MessageIcon::Information;
    std::string detail;     // what went wrong, for the user; empty on success
    Phrase detailPhrase{};  // the detail as marked source texts, for the programs to translate

    // The text followed by the detail, separated by an empty line.
    std::string FullText() const { return detail.empty() ? text : text + "\n\n" + detail; }
};

enum class TransferStatus { Success, Failed, Cancelled };

struct TransferOutcome {
    TransferStatus status = TransferStatus::Failed;
    // Shown to the user; none after a cancel.
    std::optional<LinkMessage> message;

    bool Succeeded() const { return status == TransferStatus::Success; }
};

// An operation that ends with an image (read, clear): on success the image as the radio
// holds it now, else the image it was given.
struct ImageOutcome {
    TransferOutcome outcome;
    MemoryImage image{};
};

}  // namespace rse
