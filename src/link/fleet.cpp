#include "link/fleet.h"

#include <algorithm>

#include "image/codec.h"

namespace rse {

const char* FleetResultName(FleetResult result) {
    switch (result) {
        case FleetResult::Verified:
            return "verified";
        case FleetResult::Programmed:
            return "programmed";
        case FleetResult::Cancelled:
            return "cancelled";
        case FleetResult::Failed:
            break;
    }
    return "failed";
}

std::string FleetSummary(const std::vector<FleetResult>& results) {
    std::string text =
        std::to_string(results.size()) + (results.size() == 1 ? " radio" : " radios");
    const char* separator = ": ";
    for (FleetResult kind : {FleetResult::Verified, FleetResult::Programmed, FleetResult::Failed,
                             FleetResult::Cancelled}) {
        const auto n = std::count(results.begin(), results.end(), kind);
        if (n == 0) continue;
        text += separator + std::to_string(n) + " " + FleetResultName(kind);
        separator = ", ";
    }
    return text;
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
