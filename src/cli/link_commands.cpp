#include "cli/link_commands.h"

#include <cstdio>

#include "cli/backup_commands.h"
#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "cli/fleet_command.h"
#include "cli/link_support.h"
#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "link/clone_protocol.h"
#include "link/safe_program.h"
#include "model/mmsi.h"
#include "qt/serial_link.h"
#include "qt/translations.h"

namespace rse::cli {

namespace {

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
    if (!NoExtraArguments(cmd, parser.positionalArguments())) return kUsage;
    const QString out = parser.value(output);
    const FileKind kind = KindOf(out);
    if (out.isEmpty() || kind == FileKind::Other) {
        return UsageError(cmd, Cli::tr("-o OUT is required and must end in .hex or .dat"));
    }

    Configuration config;
    MemoryImage current{};
    InitialiseConfiguration(config, current);
    const ImageOutcome result = RunOnPort(options, [&](const LinkEnvironment& env, auto&) {
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

// The identity the command line asked for; prints why it refuses when it asked for none.
IdentityChoice ChooseIdentity(const IdentityChange& change, std::optional<IdentityChoice> asked,
                              bool& refused) {
    for (const Phrase& sentence : IdentityPhrases(change))
        PrintError(Translated(sentence));
    if (!asked) {
        PrintError(
            Cli::tr("rse-cli program: nothing was written; give --keep-identity or "
                    "--change-identity."));
        refused = true;
        return IdentityChoice::Cancel;
    }
    PrintError(*asked == IdentityChoice::Keep ? Cli::tr("Keeping the radio's numbers.")
                                              : Cli::tr("Changing the radio's numbers."));
    return *asked;
}

int RunProgram(const QStringList& args) {
    const QString cmd = QStringLiteral("program");
    QCommandLineParser parser;
    AddLinkOptions(parser);
    const QCommandLineOption base(QStringLiteral("base"), QString(), QStringLiteral("BASE.hex"));
    parser.addOption(base);
    const QCommandLineOption backup(QStringLiteral("backup"));
    const QCommandLineOption verify(QStringLiteral("verify"));
    const QCommandLineOption keepIdentity(QStringLiteral("keep-identity"));
    const QCommandLineOption changeIdentity(QStringLiteral("change-identity"));
    parser.addOptions({backup, verify, keepIdentity, changeIdentity});
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
    if (parser.isSet(keepIdentity) && parser.isSet(changeIdentity)) {
        return UsageError(cmd, Cli::tr("--keep-identity and --change-identity exclude each other"));
    }
    std::optional<IdentityChoice> asked;
    if (parser.isSet(keepIdentity)) asked = IdentityChoice::Keep;
    if (parser.isSet(changeIdentity)) asked = IdentityChoice::Change;

    // Everything is read before the port is touched.
    Document doc;
    if (int rc = LoadRadioImage(in, parser.value(base), doc); rc != kOk) return rc;
    const Phrase warning =
        UserMmsiKindPhrase(GetDigits(doc.image, mem::kUserMmsid.address).substr(0, 9));
    if (!warning.Empty()) PrintError(Cli::tr("Warning: %1").arg(Translated(warning)));
    const SafetyNet net{parser.isSet(backup), parser.isSet(verify)};
    bool refused = false;
    // The changes are printed and programmed without a question: scripts cannot answer one.
    const ProgramResult result =
        RunOnPort(options, [&](const LinkEnvironment& env, ProgressPrinter& progress) {
            SafetyNetSteps steps;
            steps.keep = [&](const MemoryImage& radio) {
                progress.Finish();
                return KeepBeforeProgram(radio, PortPathFor(options.port));
            };
            // A configuration is laid over what the radio holds; an image is written whole.
            if (kind == FileKind::Dat) {
                steps.layOver = [&doc](const MemoryImage& radio) {
                    MemoryImage image = radio;
                    EncodeImage(doc.config, image);
                    return image;
                };
            }
            steps.identity = [&](const IdentityChange& change) {
                progress.Finish();
                return ChooseIdentity(change, asked, refused);
            };
            steps.confirm = [&](const MemoryImage& radio, const MemoryImage& image,
                                const std::optional<IdentityChange>& change) {
                IdentityChoice choice = IdentityChoice::Change;
                if (change) choice = ChooseIdentity(*change, asked, refused);
                if (choice == IdentityChoice::Cancel) return choice;
                PrintChanges(radio, ApplyIdentityChoice(image, IdentityOf(radio), choice));
                return choice;
            };
            return ProgramWithSafetyNet(env, doc.image, net, steps);
        });
    if (refused) return kFailed;
    return Report(result.outcome);
}

int RunClearCount(const QStringList& args) {
    const QString cmd = QStringLiteral("clear-count");
    QCommandLineParser parser;
    AddLinkOptions(parser);
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    LinkOptions options;
    if (!TakeLinkOptions(parser, cmd, options)) return kUsage;
    if (!NoExtraArguments(cmd, parser.positionalArguments())) return kUsage;
    const MemoryImage image = DefaultImage();
    return Report(RunOnPort(options, [&](const LinkEnvironment& env, auto&) {
                      return CloneProtocol(env).ClearCount(image);
                  }).outcome);
}

}  // namespace

bool IsLinkCommand(const QString& name) {
    return name == QLatin1String("read") || name == QLatin1String("program") ||
           name == QLatin1String("clear-count") || name == QLatin1String("fleet");
}

int RunLinkCommand(const QString& name, const QStringList& args) {
    if (name == QLatin1String("read")) return RunRead(args);
    if (name == QLatin1String("program")) return RunProgram(args);
    if (name == QLatin1String("clear-count")) return RunClearCount(args);
    if (name == QLatin1String("fleet")) return RunFleet(args);
    return UsageError(name, Cli::tr("not a radio command"));
}

QString LinkCommandsUsage() {
    return Cli::tr(
               "  rse-cli read --port DEV -o OUT [--no-backup]\n"
               "                                            read the radio into OUT: .hex (the "
               "memory\n"
               "                                            image) or .dat (the configuration); a "
               "copy\n"
               "                                            is kept in the backups unless "
               "--no-backup\n"
               "  rse-cli program --port DEV IN [--base BASE.hex] [--backup] [--verify]\n"
               "                  [--keep-identity | --change-identity]\n"
               "                                            program IN into the radio: .hex as it "
               "is,\n"
               "                                            .dat laid over BASE.hex (else a new "
               "image);\n"
               "                                            --backup: read and keep the radio "
               "first,\n"
               "                                            lay a .dat over what it holds and "
               "print the\n"
               "                                            changes; --verify: read back and "
               "compare.\n"
               "                                            When IN would change the radio's own "
               "MMSI\n"
               "                                            or ATIS number nothing is written "
               "unless\n"
               "                                            --keep-identity or --change-identity "
               "says\n"
               "                                            which is meant\n"
               "  rse-cli clear-count --port DEV            reset the radio's MMSI entry count\n") +
           FleetCommandUsage() +
           Cli::tr(
               "     --port DEV: a device path or COM1..COM4 (/dev/ttyUSB0..3)\n"
               "     --no-echo: the cable does not echo what is sent\n"
               "     --progress: progress lines (one per 10 %) when standard error is not a\n"
               "                 terminal; a terminal always shows a progress bar\n");
}

}  // namespace rse::cli
