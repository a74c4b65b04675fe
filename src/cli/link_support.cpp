#include "cli/link_support.h"

#include "qt/translations.h"

namespace rse::cli {

namespace {

std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
    g_interrupted.store(true);
}

}  // namespace

std::atomic<bool>& InterruptFlag() {
    return g_interrupted;
}

InterruptGuard::InterruptGuard() {
    g_interrupted.store(false);
    struct sigaction sa {};
    sa.sa_handler = OnInterrupt;
    sa.sa_flags = SA_RESETHAND;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, &oldInt_);
    sigaction(SIGTERM, &sa, &oldTerm_);
}

InterruptGuard::~InterruptGuard() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
}

void AddLinkOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(QStringLiteral("port"), QString(), QStringLiteral("DEV")));
    parser.addOption(QCommandLineOption(QStringLiteral("no-echo")));
    parser.addOption(QCommandLineOption(QStringLiteral("progress")));
}

bool TakeLinkOptions(const QCommandLineParser& parser, const QString& cmd, LinkOptions& out) {
    out.port = parser.value(QStringLiteral("port"));
    out.noEcho = parser.isSet(QStringLiteral("no-echo"));
    out.progress = parser.isSet(QStringLiteral("progress"));
    if (out.port.isEmpty()) {
        UsageError(cmd, Cli::tr("--port DEV is required (a device path or COM1..COM4)"));
        return false;
    }
    return true;
}

void PrintMessage(const LinkMessage& m) {
    PrintError(QStringLiteral("%1: %2").arg(LinkMessageTitle(m), CoreText(m.text.c_str())));
    if (!m.detail.empty()) PrintError(Translated(m.detailPhrase, m.detail));
}

int Report(const TransferOutcome& outcome) {
    if (outcome.message) PrintMessage(*outcome.message);
    if (outcome.status == TransferStatus::Cancelled) PrintError(Cli::tr("Interrupted."));
    return outcome.Succeeded() ? kOk : kFailed;
}

}  // namespace rse::cli
