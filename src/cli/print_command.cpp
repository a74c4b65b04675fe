#include "cli/print_command.h"

#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "qt/print/report_painter.h"
#include "report/printed_report.h"

namespace rse::cli {

int RunPrint(const QStringList& args) {
    const QString cmd = QStringLiteral("print");
    QCommandLineParser parser;
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("OUT.pdf"));
    parser.addOption(pdf);
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != 1) return UsageError(cmd, Cli::tr("expects one input file"));
    if (KindOf(pos[0]) == FileKind::Other) {
        return UsageError(cmd, Cli::tr("the input must be a .dat or .hex file"));
    }
    if (!parser.isSet(pdf)) return UsageError(cmd, Cli::tr("--pdf OUT.pdf is required"));
    Document doc;
    if (int rc = LoadDocument(pos[0], doc); rc != kOk) return rc;
    const QString out = parser.value(pdf);
    const PaintResult r = WritePrintedReportPdf(out, LayoutPrintedReport(doc.config, doc.image));
    if (!r.ok) {
        PrintError(Cli::tr("rse-cli print: %1: %2").arg(r.error, out));
        return kFailed;
    }
    return kOk;
}

QString PrintCommandUsage() {
    return Cli::tr(
        "  rse-cli print IN --pdf OUT.pdf            the printed report of IN (.dat or .hex)\n"
        "                                            as a seven-page PDF file\n");
}

}  // namespace rse::cli
