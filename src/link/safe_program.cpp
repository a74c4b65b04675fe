#include "link/safe_program.h"

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

TransferOutcome Cancelled() {
    return {TransferStatus::Cancelled, std::nullopt};
}

TransferOutcome NothingToProgram() {
    return WithMessage(TransferStatus::Success,
                       {kNothingToProgramText, kProgramTitle, MessageIcon::Information, {}});
}

IdentityChoice AskIdentity(const SafetyNetSteps& steps, const IdentityChange& change) {
    return steps.identity ? steps.identity(change) : IdentityChoice::Keep;
}

// The model check, the identity block unless the radio was just read whole (`radio`), the
// question about the identity, then every block.
ProgramResult Write(const LinkEnvironment& env, const MemoryImage& image,
                    const SafetyNetSteps& steps, const MemoryImage* radio,
                    std::optional<IdentityChoice> chosen) {
    ProgramResult result{{}, image, chosen};
    CloneProtocol writer(env);
    result.outcome = writer.CheckModel();
    if (!result.outcome.Succeeded()) return result;
    if (radio == nullptr) {
        MemoryImage held = image;
        result.outcome = writer.ReadIdentity(held);
        if (!result.outcome.Succeeded()) return result;
        const IdentityBlock block = IdentityOf(held);
        if (const auto change = IdentityQuestion(block, image)) {
            const IdentityChoice choice = AskIdentity(steps, *change);
            result.identity = choice;
            if (choice == IdentityChoice::Cancel || env.cancel.load()) {
                result.outcome = Cancelled();
                return result;
            }
            result.image = ApplyIdentityChoice(image, block, choice);
        }
    }
    result.outcome = writer.WriteAll(result.image);
    if (result.outcome.Succeeded()) {
        result.outcome = WithMessage(TransferStatus::Success,
                                     {kCompleteText, kProgramTitle, MessageIcon::Information, {}});
    }
    return result;
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

ProgramResult ProgramWithSafetyNet(const LinkEnvironment& env, const MemoryImage& image,
                                   SafetyNet net, const SafetyNetSteps& steps) {
    const int total = (net.backup ? 1 : 0) + 1 + (net.verify ? 1 : 0);
    int step = 0;
    MemoryImage toWrite = image;
    std::optional<IdentityChoice> chosen;
    std::optional<MemoryImage> radio;
    if (net.backup) {
        CloneProtocol reader(StepEnvironment(env, step++, total));
        const ImageOutcome before = reader.ReadRadio(image);
        if (!before.outcome.Succeeded()) return {before.outcome, image, std::nullopt};
        radio = before.image;
        if (steps.keep) {
            std::optional<LinkMessage> problem = steps.keep(before.image);
            if (env.cancel.load()) return {Cancelled(), image, std::nullopt};
            if (problem) {
                return {WithMessage(TransferStatus::Failed, std::move(*problem)), image,
                        std::nullopt};
            }
        }
        const MemoryImage laid = steps.layOver ? steps.layOver(before.image) : image;
        const IdentityBlock block = IdentityOf(before.image);
        const std::optional<IdentityChange> change = IdentityQuestion(block, laid);
        if (!change && laid == before.image) return {NothingToProgram(), laid, std::nullopt};
        IdentityChoice choice = IdentityChoice::Change;
        if (steps.confirm) {
            choice = steps.confirm(before.image, laid, change);
        } else if (change) {
            choice = AskIdentity(steps, *change);
        }
        if (change) chosen = choice;
        toWrite = ApplyIdentityChoice(laid, block, choice);
        if (choice == IdentityChoice::Cancel || env.cancel.load()) {
            return {Cancelled(), toWrite, chosen};
        }
        if (toWrite == before.image) return {NothingToProgram(), toWrite, chosen};
    }

    ProgramResult programmed = Write(StepEnvironment(env, step++, total), toWrite, steps,
                                     radio ? &*radio : nullptr, chosen);
    if (!net.verify || !programmed.outcome.Succeeded()) return programmed;

    CloneProtocol checker(StepEnvironment(env, step++, total));
    const ImageOutcome after = checker.ReadRadio(programmed.image);
    if (!after.outcome.Succeeded()) return {after.outcome, programmed.image, programmed.identity};
    const ImageMismatch m = FindMismatch(programmed.image, after.image);
    if (m.count == 0) return programmed;
    const std::string address = Hex4(static_cast<unsigned>(m.firstAddress));
    const Phrase detail =
        m.count == 1 ? Phrase(RSE_TEXT("Core",
                                       "The radio does not hold what was sent: 1 byte differs, "
                                       "the first at address %1."),
                              {address})
                     : Phrase(RSE_TEXT("Core",
                                       "The radio does not hold what was sent: %1 bytes differ, "
                                       "the first at address %2."),
                              {std::to_string(m.count), address});
    programmed.outcome = WithMessage(
        TransferStatus::Failed,
        {kVerifyErrorText, kProgramTitle, MessageIcon::Critical, detail.English(), detail});
    return programmed;
}

}  // namespace rse
