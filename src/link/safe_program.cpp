#include "link/safe_program.h"

#include <cstdio>

#include "link/clone_protocol.h"

namespace rse {

namespace {

// Progress of one step mapped onto its share of the whole sequence.
LinkEnvironment StepEnvironment(const LinkEnvironment& env, int step, int steps) {
    LinkEnvironment e = env;
    if (env.showProgress) {
        e.showProgress = [show = env.showProgress, step, steps](int percent) {
            show((step * 100 + percent) / steps);
        };
    }
    return e;
}

TransferOutcome WithMessage(TransferStatus status, LinkMessage message) {
    return {status, std::move(message)};
}

}  // namespace

ImageMismatch FindMismatch(const MemoryImage& expected, const MemoryImage& actual) {
    ImageMismatch m;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (expected[i] == actual[i]) continue;
        if (m.count++ == 0) m.firstAddress = static_cast<int>(i);
    }
    return m;
}

TransferOutcome ProgramWithSafetyNet(const LinkEnvironment& env, const MemoryImage& image,
                                     SafetyNet net, const SafetyNetSteps& steps) {
    const int total = (net.backup ? 1 : 0) + 1 + (net.verify ? 1 : 0);
    int step = 0;
    if (net.backup) {
        CloneProtocol reader(StepEnvironment(env, step++, total));
        const ReadRadioResult before = reader.ReadRadio(image);
        if (!before.outcome.Succeeded()) return before.outcome;
        if (steps.keep) {
            std::optional<LinkMessage> problem = steps.keep(before.image);
            if (env.cancel.load()) return {TransferStatus::Cancelled, std::nullopt};
            if (problem) return WithMessage(TransferStatus::Failed, std::move(*problem));
        }
        if (before.image == image) {
            return WithMessage(
                TransferStatus::Success,
                {kNothingToProgramText, kProgramTitle, MessageIcon::Information, {}});
        }
        if (steps.confirm && !steps.confirm(before.image, image)) {
            return {TransferStatus::Cancelled, std::nullopt};
        }
        if (env.cancel.load()) return {TransferStatus::Cancelled, std::nullopt};
    }

    CloneProtocol writer(StepEnvironment(env, step++, total));
    TransferOutcome programmed = writer.ProgramRadio(image);
    if (!net.verify || !programmed.Succeeded()) return programmed;

    CloneProtocol checker(StepEnvironment(env, step++, total));
    const ReadRadioResult after = checker.ReadRadio(image);
    if (!after.outcome.Succeeded()) return after.outcome;
    const ImageMismatch m = FindMismatch(image, after.image);
    if (m.count == 0) return programmed;
    char address[8];
    std::snprintf(address, sizeof address, "0x%04X", static_cast<unsigned>(m.firstAddress));
    const Phrase detail =
        m.count == 1 ? Phrase(RSE_TEXT("Core",
                                       "The radio does not hold what was sent: 1 byte differs, "
                                       "the first at address %1."),
                              {address})
                     : Phrase(RSE_TEXT("Core",
                                       "The radio does not hold what was sent: %1 bytes differ, "
                                       "the first at address %2."),
                              {std::to_string(m.count), address});
    return WithMessage(TransferStatus::Failed, {kVerifyErrorText, kProgramTitle,
                                                MessageIcon::Critical, detail.English(), detail});
}

}  // namespace rse
