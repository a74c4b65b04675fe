#include "link/fleet.h"

#include <algorithm>

#include "image/codec.h"

namespace rse {

const char* FleetResultName(FleetResult result) {
    switch (result) {
        case FleetResult::Verified:
            return RSE_TEXT("Core", "verified");
        case FleetResult::Programmed:
            return RSE_TEXT("Core", "programmed");
        case FleetResult::Cancelled:
            return RSE_TEXT("Core", "cancelled");
        case FleetResult::Failed:
            break;
    }
    return RSE_TEXT("Core", "failed");
}

namespace {

// "1 verified", "2 failed": one source text for one radio and one for more, per result.
const char* CountSource(FleetResult result, bool one) {
    switch (result) {
        case FleetResult::Verified:
            return one ? RSE_TEXT("Core", "1 verified") : RSE_TEXT("Core", "%1 verified");
        case FleetResult::Programmed:
            return one ? RSE_TEXT("Core", "1 programmed") : RSE_TEXT("Core", "%1 programmed");
        case FleetResult::Cancelled:
            return one ? RSE_TEXT("Core", "1 cancelled") : RSE_TEXT("Core", "%1 cancelled");
        case FleetResult::Failed:
            break;
    }
    return one ? RSE_TEXT("Core", "1 failed") : RSE_TEXT("Core", "%1 failed");
}

}  // namespace

Phrase FleetSummaryPhrase(const std::vector<FleetResult>& results) {
    Phrase text = results.size() == 1
                      ? Phrase(RSE_TEXT("Core", "1 radio"))
                      : Phrase(RSE_TEXT("Core", "%1 radios"), {std::to_string(results.size())});
    // Between the count of radios and the first result (French puts a space before the colon).
    const char* separator = RSE_TEXT("Core", ": ");
    for (FleetResult kind : {FleetResult::Verified, FleetResult::Programmed, FleetResult::Failed,
                             FleetResult::Cancelled}) {
        const auto n = std::count(results.begin(), results.end(), kind);
        if (n == 0) continue;
        text.Add(separator);
        text.Add(CountSource(kind, n == 1), {std::to_string(n)});
        separator = ", ";
    }
    return text;
}

std::string FleetSummary(const std::vector<FleetResult>& results) {
    return FleetSummaryPhrase(results).English();
}

MemoryImage LayOverKeepingIdentity(const Configuration& config, const MemoryImage& radio) {
    MemoryImage image = radio;
    EncodeImage(config, image);
    PutIdentity(image, IdentityOf(radio));
    return image;
}

FleetRadio ProgramFleetRadio(const LinkEnvironment& env, const Configuration& config, bool verify,
                             const FleetSteps& steps) {
    FleetRadio radio;
    SafetyNetSteps net;
    net.keep = [&](const MemoryImage& before) -> std::optional<LinkMessage> {
        radio.read = true;
        radio.before = before;
        if (!steps.keep) return std::nullopt;
        return steps.keep(before, radio.backup);
    };
    net.layOver = [&config](const MemoryImage& before) {
        return LayOverKeepingIdentity(config, before);
    };
    // The identity is the radio's own by construction; nothing is asked.
    net.identity = [](const IdentityChange&) { return IdentityChoice::Keep; };
    const ProgramResult r = ProgramWithSafetyNet(env, MemoryImage{}, {true, verify}, net);
    radio.image = r.image;
    switch (r.outcome.status) {
        case TransferStatus::Success:
            radio.result = verify ? FleetResult::Verified : FleetResult::Programmed;
            break;
        case TransferStatus::Cancelled:
            radio.result = FleetResult::Cancelled;
            break;
        case TransferStatus::Failed:
            radio.result = FleetResult::Failed;
            radio.message = r.outcome.message;
            break;
    }
    if (!radio.read) radio.image = {};
    return radio;
}

}  // namespace rse
