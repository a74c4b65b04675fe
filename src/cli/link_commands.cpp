#include "cli/link_commands.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>

#include "cli/backup_commands.h"
#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "cli/progress_printer.h"
#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "link/clone_protocol.h"
#include "link/safe_program.h"
#include "qt/serial_link.h"
#include "qt/translations.h"

namespace rse::cli {

namespace {

// Set by Ctrl+C (or SIGTERM) while a transfer runs; the engine stops at its next wait.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
    g_interrupted.store(true);
}

// Routes SIGINT and SIGTERM to the cancel flag for its lifetime. A second signal takes the
// default action, so a stuck program can still be stopped.
class InterruptGuard {
  public:
    InterruptGuard() {
        g_interrupted.store(false);
        struct sigaction sa {};
        sa.sa_handler = OnInterrupt;
        sa.sa_flags = SA_RESETHAND;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGINT, &sa, &oldInt_);
        sigaction(SIGTERM, &sa, &oldTerm_);
    }
    ~InterruptGuard() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
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

// Runs one operation on the port with progress and Ctrl+C; the operation gets the environment
// and the progress printer.
template <typename Operation>
auto RunOnPort(const LinkOptions& options, Operation operation) {
    QtSerialLink link(PortPathFor(options.port));
    SteadyClock clock;
    ProgressPrinter progress(options.progress);
    InterruptGuard guard;
    LinkEnvironment env{link, clock, g_interrupted};
    env.settings.SkipReceive = options.noEcho;
    env.showProgress = [&progress](int percent) { progress.Show(percent); };
    auto result = operation(env, progress);
    progress.Finish();
    return result;
}

int Report(const TransferOutcome& outcome) {
    if (outcome.message) PrintMessage(*outcome.message);
    if (outcome.status == TransferStatus::Cancelled) PrintError(QStringLiteral("Interrupted."));
    return outcome.Succeeded() ? kOk : kFailed;
}

int RunRead(const QStringList& args) {
    const QString cmd = QStringLiteral("read");
    QCommandLineParser parser;
    AddLinkOptions(parser);
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QStringLiteral("OUT"));
    parser.addOption(output);
    const QCommandLineOption noBackup(QStringLiteral("no-backup"));
    parser.addOption(noBackup);
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    LinkOptions options;
    if (!TakeLinkOptions(parser, cmd, options)) return kUsage;
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(
            cmd, Cli::tr("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    const QString out = parser.value(output);
    const FileKind kind = KindOf(out);
    if (out.isEmpty() || kind == FileKind::Other) {
        return UsageError(cmd, Cli::tr("-o OUT is required and must end in .hex or .dat"));
    }

    Configuration config;
    MemoryImage current{};
    InitialiseConfiguration(config, current);
    const ReadRadioResult result = RunOnPort(options, [&](const LinkEnvironment& env, auto&) {
        return CloneProtocol(env).ReadRadio(current);
    });
    if (!result.outcome.Succeeded()) return Report(result.outcome);
    if (!parser.isSet(noBackup)) KeepReadBackup(result.image, PortPathFor(options.port));

    // The whole image is here: only now is the output written, atomically.
    IoResult saved;
    if (kind == FileKind::Hex) {
        saved = SaveImageFile(LocalPath(out), result.image);
    } else {
        DecodeImage(result.image, config);
        saved = SaveFileAs(LocalPath(out), config);
    }
    if (!saved.ok) return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileSave Error!!"), saved, out);
    return Report(result.outcome);
}

int RunProgram(const QStringList& args) {
    const QString cmd = QStringLiteral("program");
    QCommandLineParser parser;
    AddLinkOptions(parser);
    const QCommandLineOption base(QStringLiteral("base"), QString(), QStringLiteral("BASE.hex"));
    parser.addOption(base);
    const QCommandLineOption backup(QStringLiteral("backup"));
    const QCommandLineOption verify(QStringLiteral("verify"));
    parser.addOptions({backup, verify});
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    LinkOptions options;
    if (!TakeLinkOptions(parser, cmd, options)) return kUsage;
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != 1) return UsageError(cmd, Cli::tr("expects one input file"));
    const QString& in = pos[0];
    const FileKind kind = KindOf(in);
    if (kind == FileKind::Other) {
        return UsageError(cmd, Cli::tr("the input must be a .dat or .hex file"));
    }
    if (parser.isSet(base) &&
        (kind != FileKind::Dat || KindOf(parser.value(base)) != FileKind::Hex)) {
        return UsageError(cmd, Cli::tr("--base BASE.hex applies only to a .dat input"));
    }

    // Everything is read before the port is touched.
    Document doc;
    if (int rc = LoadRadioImage(in, parser.value(base), doc); rc != kOk) return rc;
    const SafetyNet net{parser.isSet(backup), parser.isSet(verify)};
    // The changes are printed and programmed without a question: scripts cannot answer one.
    return Report(RunOnPort(options, [&](const LinkEnvironment& env, ProgressPrinter& progress) {
        SafetyNetSteps steps;
        steps.keep = [&](const MemoryImage& radio) {
            progress.Finish();
            return KeepBeforeProgram(radio, PortPathFor(options.port));
        };
        steps.confirm = [](const MemoryImage& radio, const MemoryImage& image) {
            PrintChanges(radio, image);
            return true;
        };
        return ProgramWithSafetyNet(env, doc.image, net, steps);
    }));
}

int RunClearCount(const QStringList& args) {
    const QString cmd = QStringLiteral("clear-count");
    QCommandLineParser parser;
    AddLinkOptions(parser);
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    LinkOptions options;
    if (!TakeLinkOptions(parser, cmd, options)) return kUsage;
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(
            cmd, Cli::tr("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    const MemoryImage image = DefaultImage();
    return Report(RunOnPort(options, [&](const LinkEnvironment& env, auto&) {
                      return CloneProtocol(env).ClearCount(image);
                  }).outcome);
}

}  // namespace

bool IsLinkCommand(const QString& name) {
    return name == QLatin1String("read") || name == QLatin1String("program") ||
           name == QLatin1String("clear-count");
}

int RunLinkCommand(const QString& name, const QStringList& args) {
    if (name == QLatin1String("read")) return RunRead(args);
    if (name == QLatin1String("program")) return RunProgram(args);
    if (name == QLatin1String("clear-count")) return RunClearCount(args);
    return UsageError(name, Cli::tr("not a radio command"));
}

QString LinkCommandsUsage() {
    return Cli::tr(
        "  rse-cli read --port DEV -o OUT [--no-backup]\n"
        "                                            read the radio into OUT: .hex (the memory\n"
        "                                            image) or .dat (the configuration); a copy\n"
        "                                            is kept in the backups unless --no-backup\n"
        "  rse-cli program --port DEV IN [--base BASE.hex] [--backup] [--verify]\n"
        "                                            program IN into the radio: .hex as it is,\n"
        "                                            .dat laid over BASE.hex (else a new image);\n"
        "                                            --backup: read and keep the radio first and\n"
        "                                            print the changes; --verify: read back and\n"
        "                                            compare\n"
        "  rse-cli clear-count --port DEV            reset the radio's MMSI entry count\n"
        "     --port DEV: a device path or COM1..COM4 (/dev/ttyUSB0..3)\n"
        "     --no-echo: the cable does not echo what is sent\n"
        "     --progress: progress lines (one per 10 %) when standard error is not a\n"
        "                 terminal; a terminal always shows a progress bar\n");
}

}  // namespace rse::cli
