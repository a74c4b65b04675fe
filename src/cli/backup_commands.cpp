#include "cli/backup_commands.h"

#include <cstdio>

#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "files/config_diff.h"
#include "link/clone_protocol.h"
#include "qt/backups.h"

namespace rse::cli {

namespace {

constexpr int kDiffTrouble = 2;

int RunBackups(const QStringList& args) {
    QCommandLineParser parser;
    if (!ParseArguments(parser, QStringLiteral("backups"), args)) return kUsage;
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(QStringLiteral("backups"), Cli::tr("takes no arguments"));
    }
    for (const BackupEntry& e : DefaultBackupStore().List()) {
        std::string note = e.note;
        if (!e.intact) note = "(damaged: the file does not match its SHA-256) " + note;
        std::printf("%s  %s  %s  %s  %s\n", e.name.c_str(), e.time.c_str(),
                    e.model.empty() ? "-" : e.model.c_str(), e.sha256.substr(0, 12).c_str(),
                    note.c_str());
    }
    return std::fflush(stdout) == 0 ? kOk : kFailed;
}

int RunDiff(const QStringList& args) {
    const QString cmd = QStringLiteral("diff");
    QCommandLineParser parser;
    if (!ParseArguments(parser, cmd, args)) return kDiffTrouble;
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != 2) {
        UsageError(cmd, Cli::tr("expects two files"));
        return kDiffTrouble;
    }
    if (KindOf(pos[0]) == FileKind::Other || KindOf(pos[1]) == FileKind::Other) {
        UsageError(cmd, Cli::tr("files must end in .dat or .hex"));
        return kDiffTrouble;
    }
    Document a;
    Document b;
    if (LoadDocument(pos[0], a) != kOk || LoadDocument(pos[1], b) != kOk) return kDiffTrouble;
    const bool images = KindOf(pos[0]) == FileKind::Hex && KindOf(pos[1]) == FileKind::Hex;
    const ConfigDifferences d =
        images ? CompareImages(a.image, b.image) : CompareConfigurations(a.config, b.config);
    for (const std::string& line : DifferenceLines(d))
        std::printf("%s\n", line.c_str());
    if (std::fflush(stdout) != 0) return kDiffTrouble;
    return d.Empty() ? kOk : kFailed;
}

}  // namespace

bool IsBackupCommand(const QString& name) {
    return name == QLatin1String("backups") || name == QLatin1String("diff");
}

int RunBackupCommand(const QString& name, const QStringList& args) {
    return name == QLatin1String("diff") ? RunDiff(args) : RunBackups(args);
}

QString BackupCommandsUsage() {
    return Cli::tr(
        "  rse-cli backups                           list the kept backups, newest first\n"
        "  rse-cli diff A B                          the fields (and, for two .hex files, the\n"
        "                                            other bytes) that differ; exit 0 same,\n"
        "                                            1 different, 2 trouble\n");
}

bool KeepReadBackup(const MemoryImage& image, const QString& port) {
    const KeepResult kept = KeepReadImage(image, port);
    if (!kept.io.ok) PrintError(QStringLiteral("rse-cli: ") + KeepFailureText(kept));
    return kept.io.ok;
}

std::optional<LinkMessage> KeepBeforeProgram(const MemoryImage& radio, const QString& port) {
    const KeepResult kept = KeepReadImage(radio, port);
    if (kept.io.ok) {
        PrintError(Cli::tr("Backup: %1").arg(QString::fromStdString(kept.path)));
        return std::nullopt;
    }
    return KeepFailureMessage(kept);
}

void PrintChanges(const MemoryImage& radio, const MemoryImage& image) {
    const std::vector<std::string> lines = DifferenceLines(CompareImages(radio, image));
    PrintError(Cli::tr("Changes to program (%1):").arg(lines.size()));
    for (const std::string& line : lines)
        PrintError(QStringLiteral("  ") + QString::fromLatin1(line.c_str()));
}

}  // namespace rse::cli
