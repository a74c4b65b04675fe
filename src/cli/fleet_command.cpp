#include "cli/fleet_command.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "cli/link_support.h"
#include "files/config_file.h"
#include "files/fleet_log.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "model/mmsi.h"
#include "qt/fleet_run.h"
#include "qt/translations.h"

namespace rse::cli {

namespace {

void Say(const QString& text) {
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

// The configuration the template stands for: a .hex decoded, a .dat read over New or over
// the configuration of BASE.hex (so that keys a short .dat leaves out come from the base).
int LoadTemplate(const QString& path, const QString& basePath, Configuration& config) {
    MemoryImage image{};
    InitialiseConfiguration(config, image);
    const bool hex = KindOf(path) == FileKind::Hex;
    if (hex || !basePath.isEmpty()) {
        const QString imagePath = hex ? path : basePath;
        if (IoResult r = LoadImageFile(LocalPath(imagePath), image); !r.ok) {
            return FileFailure("FileRead Error!!", r, imagePath);
        }
        DecodeImage(image, config);
        if (hex) return kOk;
    }
    Configuration read = config;
    if (IoResult r = FileRead2(LocalPath(path), read); !r.ok) {
        return FileFailure("FileRead Error!!", r, path);
    }
    config = read;
    return kOk;
}

// Waits for Enter; false for "q" or the end of the input.
bool NextRadioWanted(int number) {
    Say(Cli::tr("Connect radio %1, then press Enter (q to finish).").arg(number));
    std::string line;
    if (!std::getline(std::cin, line)) return false;
    return line != "q" && line != "Q";
}

QString ResultLine(const FleetLogRow& row) {
    // The words for people in the language of the environment; the log keeps the English.
    QString line = Cli::tr("Radio %1: %2").arg(row.radio).arg(CoreText(row.result.c_str()));
    if (!row.userMmsi.empty()) {
        const auto info = ClassifyMmsi(row.userMmsi);
        line += Cli::tr(", MMSI %1 (%2)")
                    .arg(QString::fromStdString(row.userMmsi),
                         info ? Translated(DescribeMmsiPhrase(*info)) : QString());
    }
    if (!row.backup.empty()) line += Cli::tr(", backup %1").arg(QString::fromStdString(row.backup));
    return line;
}

}  // namespace

int RunFleet(const QStringList& args) {
    const QString cmd = QStringLiteral("fleet");
    QCommandLineParser parser;
    AddLinkOptions(parser);
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("LOG.csv"));
    const QCommandLineOption base(QStringLiteral("base"), QString(), QStringLiteral("BASE.hex"));
    const QCommandLineOption records(QStringLiteral("records"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"));
    parser.addOptions({log, base, records, noVerify});
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    LinkOptions options;
    if (!TakeLinkOptions(parser, cmd, options)) return kUsage;
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != 1) return UsageError(cmd, Cli::tr("expects one template file"));
    const QString& templatePath = pos[0];
    if (KindOf(templatePath) == FileKind::Other) {
        return UsageError(cmd, Cli::tr("the template must be a .dat or .hex file"));
    }
    if (!parser.isSet(log)) return UsageError(cmd, Cli::tr("--log LOG.csv is required"));
    if (parser.isSet(base) &&
        (KindOf(templatePath) != FileKind::Dat || KindOf(parser.value(base)) != FileKind::Hex)) {
        return UsageError(cmd, Cli::tr("--base BASE.hex applies only to a .dat template"));
    }

    Configuration config;
    if (int rc = LoadTemplate(templatePath, parser.value(base), config); rc != kOk) return rc;
    FleetLog fleetLog(LocalPath(parser.value(log)));
    if (IoResult r = fleetLog.Open(); !r.ok) {
        return FileFailure("FileSave Error!!", r, parser.value(log));
    }
    const QString templateName = QFileInfo(templatePath).fileName();
    const QString port = PortPathFor(options.port);
    const bool verify = !parser.isSet(noVerify);

    std::vector<FleetResult> results;
    bool interrupted = false;
    for (int number = fleetLog.NextRadio(); !interrupted && NextRadioWanted(number); ++number) {
        const FleetRadio radio =
            RunOnPort(options, [&](const LinkEnvironment& env, ProgressPrinter&) {
                return ProgramFleetRadio(env, config, verify,
                                         FleetKeepSteps(port, templateName, number));
            });
        interrupted = radio.result == FleetResult::Cancelled;
        std::vector<Phrase> warnings;
        const FleetLogRow row = FleetRowFor(radio, number, fleetLog, warnings);
        results.push_back(radio.result);
        Say(ResultLine(row));
        if (radio.message) PrintMessage(*radio.message);
        for (const Phrase& w : warnings)
            Say(Cli::tr("  warning: %1").arg(Translated(w)));
        if (IoResult r = fleetLog.Append(row); !r.ok) {
            FileFailure("FileSave Error!!", r, parser.value(log));
            interrupted = true;
        }
        const bool done =
            radio.result == FleetResult::Verified || radio.result == FleetResult::Programmed;
        if (done && parser.isSet(records)) {
            const PaintResult p = WriteFleetRecord(parser.value(records), row, radio.image);
            if (!p.ok) {
                PrintError(QStringLiteral("rse-cli fleet: %1: %2")
                               .arg(p.error, FleetRecordPath(parser.value(records), row)));
            }
        }
    }
    Say(Translated(FleetSummaryPhrase(results)));
    const bool allDone = std::none_of(results.begin(), results.end(), [](FleetResult r) {
        return r == FleetResult::Failed || r == FleetResult::Cancelled;
    });
    return allDone && !interrupted ? kOk : kFailed;
}

QString FleetCommandUsage() {
    return Cli::tr(
        "  rse-cli fleet --port DEV TEMPLATE --log LOG.csv [--no-verify] [--base BASE.hex]\n"
        "                [--records DIR]\n"
        "                                            program TEMPLATE (.dat or .hex) into one\n"
        "                                            radio after another: each is read and kept,\n"
        "                                            the template laid over it keeping its own\n"
        "                                            MMSI and ATIS number, programmed and read\n"
        "                                            back; one row per radio in LOG.csv, one\n"
        "                                            page per radio in DIR/radio-N-MMSI.pdf\n");
}

}  // namespace rse::cli
