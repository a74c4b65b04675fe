// Small helpers shared by the rse-cli subcommands.
#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>

#include "files/disk_io.h"

#include <cstdio>
#include <string>

// The context of rse-cli's own texts in the translations.
struct Cli {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

namespace rse::cli {

enum ExitStatus { kOk = 0, kFailed = 1, kUsage = 2 };

enum class FileKind { Dat, Hex, Other };

inline FileKind KindOf(const QString& path) {
    if (path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive)) return FileKind::Dat;
    if (path.endsWith(QLatin1String(".hex"), Qt::CaseInsensitive)) return FileKind::Hex;
    return FileKind::Other;
}

inline std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

inline void PrintError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// Prints "MESSAGE reason: path" for a failed file operation and returns kFailed.
template <typename Result>
int FileFailure(const char* message, const Result& r, const QString& path) {
    PrintError(QStringLiteral("%1 %2: %3")
                   .arg(Cli::tr(message), QString::fromLocal8Bit(r.description.c_str()), path));
    return kFailed;
}

// Prints a usage error for a subcommand and returns kUsage.
inline int UsageError(const QString& command, const QString& text) {
    PrintError(QStringLiteral("rse-cli %1: %2").arg(command, text));
    PrintError(Cli::tr("Try 'rse-cli --help'."));
    return kUsage;
}

// Parses a subcommand's arguments; false (with the message printed) on an unknown option.
inline bool ParseArguments(QCommandLineParser& parser, const QString& command,
                           const QStringList& args) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList full = args;
    full.prepend(QStringLiteral("rse-cli"));
    if (!parser.parse(full)) {
        UsageError(command, parser.errorText());
        return false;
    }
    return true;
}

// True when `extra` (a subcommand's positional arguments) is empty; otherwise prints a usage
// error naming the first one.
inline bool NoExtraArguments(const QString& command, const QStringList& extra) {
    if (extra.isEmpty()) return true;
    UsageError(command, Cli::tr("unexpected argument '%1'").arg(extra.first()));
    return false;
}

// Writes `text` to the -o file, or to standard output without one.
inline int WriteOutput(const QString& cmd, const std::string& text,
                       const QCommandLineParser& parser, const QCommandLineOption& output) {
    if (parser.isSet(output)) {
        const QString out = parser.value(output);
        if (IoResult r = WriteFileAtomic(LocalPath(out), text); !r.ok) {
            return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileSave Error!!"), r, out);
        }
        return kOk;
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        PrintError(Cli::tr("rse-cli %1: could not write to standard output").arg(cmd));
        return kFailed;
    }
    return kOk;
}

}  // namespace rse::cli
