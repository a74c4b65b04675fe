#include "cli/exchange_commands.h"

#include <cstdio>

#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "files/channel_export.h"
#include "files/config_file.h"
#include "files/directory_exchange.h"
#include "files/disk_io.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "qt/translations.h"

namespace rse::cli {

namespace {

const QString kExportDirectory = QStringLiteral("export-directory");
const QString kImportDirectory = QStringLiteral("import-directory");
const QString kExportChannels = QStringLiteral("export-channels");

QCommandLineOption OutputOption(const char* valueName) {
    return QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")}, QString(),
                              QLatin1String(valueName));
}

// export-directory and export-channels: one .dat or .hex input, one table out.
int RunExport(const QString& cmd, const QStringList& args,
              std::string (*table)(const Configuration&)) {
    return RunDocumentOutput(cmd, args, "OUT.csv",
                             [table](const Document& doc) { return table(doc.config); });
}

int RunImportDirectory(const QStringList& args) {
    const QString& cmd = kImportDirectory;
    QCommandLineParser parser;
    const QCommandLineOption output = OutputOption("OUT");
    parser.addOption(output);
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != 2 || !parser.isSet(output)) {
        return UsageError(cmd, Cli::tr("expects IN FILE.csv -o OUT"));
    }
    const QString& in = pos[0];
    const QString& csv = pos[1];
    const QString out = parser.value(output);
    if (KindOf(in) == FileKind::Other || KindOf(out) == FileKind::Other) {
        return UsageError(cmd, Cli::tr("IN and OUT must be .dat or .hex files"));
    }

    std::string text;
    if (IoResult r = ReadWholeFile(LocalPath(csv), text); !r.ok) {
        return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileRead Error!!"), r, csv);
    }
    const DirectoryImport table = ReadDirectoryCsv(text);
    for (const RowMessage& m : table.warnings)
        PrintError(Cli::tr("warning: %1").arg(RowMessageText(m)));
    for (const RowMessage& m : table.refused)
        PrintError(RowMessageText(m));
    if (!table.Ok()) {
        PrintError(Cli::tr("rse-cli %1: %2: rows refused, nothing written").arg(cmd, csv));
        return kFailed;
    }

    Document doc;
    if (int rc = LoadDocument(in, doc); rc != kOk) return rc;
    ReplaceDirectory(doc.config, table.entries);
    IoResult r;
    if (KindOf(out) == FileKind::Hex) {
        EncodeImage(doc.config, doc.image);
        r = SaveImageFile(LocalPath(out), doc.image);
    } else {
        r = SaveFileAs(LocalPath(out), doc.config);
    }
    return r.ok ? kOk : FileFailure(QT_TRANSLATE_NOOP("Cli", "FileSave Error!!"), r, out);
}

}  // namespace

bool IsExchangeCommand(const QString& name) {
    return name == kExportDirectory || name == kImportDirectory || name == kExportChannels;
}

int RunExchangeCommand(const QString& name, const QStringList& args) {
    if (name == kExportDirectory) return RunExport(name, args, DirectoryCsv);
    if (name == kExportChannels) return RunExport(name, args, ChannelListCsv);
    return RunImportDirectory(args);
}

QString ExchangeCommandsUsage() {
    return Cli::tr(
        "  rse-cli export-directory IN [-o OUT.csv]  the directory of IN as a Name,MMSI table\n"
        "  rse-cli import-directory IN FILE.csv -o OUT\n"
        "                                            IN with its directory replaced by the rows\n"
        "                                            of FILE.csv; nothing is written when a row\n"
        "                                            is refused (each reported as line N: reason)\n"
        "  rse-cli export-channels IN [-o OUT.csv]   every channel of IN as a table\n");
}

}  // namespace rse::cli
