// What the rse-cli radio commands share: the port options, Ctrl+C as the cancel flag, the
// progress on standard error and the messages of an outcome.
#pragma once

#include <QCommandLineParser>
#include <QString>

#include <atomic>
#include <csignal>

#include "cli/cli_support.h"
#include "cli/progress_printer.h"
#include "link/byte_link.h"
#include "link/transfer_outcome.h"
#include "qt/serial_link.h"

namespace rse::cli {

// Set by Ctrl+C (or SIGTERM) while a transfer runs; the engine stops at its next wait.
std::atomic<bool>& InterruptFlag();

// Routes SIGINT and SIGTERM to the cancel flag for its lifetime. A second signal takes the
// default action, so a stuck program can still be stopped.
class InterruptGuard {
  public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

  private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

struct LinkOptions {
    QString port;
    bool noEcho = false;
    bool progress = false;  // progress lines even when standard error is not a terminal
};

void AddLinkOptions(QCommandLineParser& parser);
bool TakeLinkOptions(const QCommandLineParser& parser, const QString& cmd, LinkOptions& out);

// "TITLE: TEXT" and the detail, on standard error.
void PrintMessage(const LinkMessage& m);
// Prints the outcome's message ("Interrupted." after a cancel); the exit status.
int Report(const TransferOutcome& outcome);

// Runs one operation on the port with progress and Ctrl+C; the operation gets the environment
// and the progress printer.
template <typename Operation>
auto RunOnPort(const LinkOptions& options, Operation operation) {
    QtSerialLink link(PortPathFor(options.port));
    SteadyClock clock;
    ProgressPrinter progress(options.progress);
    InterruptGuard guard;
    LinkEnvironment env{link, clock, InterruptFlag()};
    env.settings.SkipReceive = options.noEcho;
    env.showProgress = [&progress](int percent) { progress.Show(percent); };
    auto result = operation(env, progress);
    progress.Finish();
    return result;
}

}  // namespace rse::cli
