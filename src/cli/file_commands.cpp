#include "cli/file_commands.h"

#include <cstdio>

#include "cli/cli_support.h"
#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "report/text_report.h"

namespace rse::cli {

Document::Document() {
    InitialiseConfiguration(config, image);
}

int LoadDocument(const QString& path, Document& doc) {
    if (KindOf(path) == FileKind::Dat) {
        if (IoResult r = FileRead2(LocalPath(path), doc.config); !r.ok) {
            return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileRead Error!!"), r, path);
        }
        return kOk;
    }
    if (IoResult r = LoadImageFile(LocalPath(path), doc.image); !r.ok) {
        return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileRead Error!!"), r, path);
    }
    DecodeImage(doc.image, doc.config);
    return kOk;
}

int LoadRadioImage(const QString& in, const QString& basePath, Document& doc) {
    if (KindOf(in) == FileKind::Hex) {
        if (IoResult r = LoadImageFile(LocalPath(in), doc.image); !r.ok) {
            return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileRead Error!!"), r, in);
        }
        return kOk;
    }
    if (!basePath.isEmpty()) {
        if (IoResult r = LoadImageFile(LocalPath(basePath), doc.image); !r.ok) {
            return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileRead Error!!"), r, basePath);
        }
    }
    if (int rc = LoadDocument(in, doc); rc != kOk) return rc;
    EncodeImage(doc.config, doc.image);
    return kOk;
}

namespace {

int RunNew(const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("OUT.dat"), QString());
    if (!ParseArguments(parser, QStringLiteral("new"), args)) return kUsage;
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != 1)
        return UsageError(QStringLiteral("new"), Cli::tr("expects one output file"));
    if (KindOf(pos[0]) != FileKind::Dat) {
        return UsageError(QStringLiteral("new"), Cli::tr("the output must be a .dat file"));
    }
    Document doc;
    if (IoResult r = SaveFileAs(LocalPath(pos[0]), doc.config); !r.ok) {
        return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileSave Error!!"), r, pos[0]);
    }
    return kOk;
}

int RunConvert(const QStringList& args) {
    const QString cmd = QStringLiteral("convert");
    QCommandLineParser parser;
    const QCommandLineOption base(QStringLiteral("base"), QString(), QStringLiteral("BASE.hex"));
    parser.addOption(base);
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != 2) return UsageError(cmd, Cli::tr("expects an input and an output file"));
    const QString& in = pos[0];
    const QString& out = pos[1];
    const FileKind inKind = KindOf(in);
    const FileKind outKind = KindOf(out);
    if (inKind == FileKind::Other || outKind == FileKind::Other) {
        return UsageError(cmd, Cli::tr("files must end in .dat or .hex"));
    }
    if (parser.isSet(base)) {
        if (inKind != FileKind::Dat || outKind != FileKind::Hex) {
            return UsageError(cmd, Cli::tr("--base applies only to a .dat to .hex conversion"));
        }
        if (KindOf(parser.value(base)) != FileKind::Hex) {
            return UsageError(cmd, Cli::tr("--base must name a .hex file"));
        }
    }
    if (inKind == FileKind::Hex && outKind == FileKind::Hex) {
        return UsageError(cmd, Cli::tr("a .hex file converts only to a .dat file"));
    }

    Document doc;
    if (inKind == FileKind::Dat && outKind == FileKind::Hex) {
        if (int rc = LoadRadioImage(in, parser.value(base), doc); rc != kOk) return rc;
        if (IoResult r = SaveImageFile(LocalPath(out), doc.image); !r.ok) {
            return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileSave Error!!"), r, out);
        }
        return kOk;
    }
    if (int rc = LoadDocument(in, doc); rc != kOk) return rc;
    if (IoResult r = SaveFileAs(LocalPath(out), doc.config); !r.ok) {
        return FileFailure(QT_TRANSLATE_NOOP("Cli", "FileSave Error!!"), r, out);
    }
    return kOk;
}

int RunReport(const QStringList& args) {
    return RunDocumentOutput(QStringLiteral("report"), args, "OUT.txt", [](const Document& doc) {
        return TextReportFile(doc.config, doc.image);
    });
}

}  // namespace

int RunDocumentOutput(const QString& cmd, const QStringList& args, const char* valueName,
                      const std::function<std::string(const Document&)>& compose) {
    QCommandLineParser parser;
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QLatin1String(valueName));
    parser.addOption(output);
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != 1) return UsageError(cmd, Cli::tr("expects one input file"));
    if (KindOf(pos[0]) == FileKind::Other) {
        return UsageError(cmd, Cli::tr("the input must be a .dat or .hex file"));
    }
    Document doc;
    if (int rc = LoadDocument(pos[0], doc); rc != kOk) return rc;
    return WriteOutput(cmd, compose(doc), parser, output);
}

bool IsFileCommand(const QString& name) {
    return name == QLatin1String("new") || name == QLatin1String("convert") ||
           name == QLatin1String("report");
}

int RunFileCommand(const QString& name, const QStringList& args) {
    if (name == QLatin1String("new")) return RunNew(args);
    if (name == QLatin1String("convert")) return RunConvert(args);
    return RunReport(args);
}

QString FileCommandsUsage() {
    return Cli::tr(
        "  rse-cli new OUT.dat                       write a new configuration (the radio's "
        "defaults)\n"
        "  rse-cli convert IN OUT [--base BASE.hex]  convert between .dat and .hex (by "
        "extension);\n"
        "                                            --base: lay the .dat over BASE.hex instead "
        "of\n"
        "                                            the image of a new configuration\n"
        "  rse-cli report IN [-o OUT.txt]            the text report of IN (.dat or .hex), to\n"
        "                                            standard output or OUT.txt\n");
}

}  // namespace rse::cli
