#include "qt/print/report_painter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "qt/latin1.h"

namespace rse {

QFont PrintedReportFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(9.0);
    return font;
}

PaintResult PaintPrintedReport(QPagedPaintDevice& device, const std::vector<PrintPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return {false, QCoreApplication::translate("rse::ReportPainter",
                                                   "The printer could not start the job.")};
    painter.setFont(PrintedReportFont());
    const QFontMetricsF metrics(painter.font(), &device);
    const double unitsPerMm = device.logicalDpiX() / 25.4;
    const double unitsPerMmY = device.logicalDpiY() / 25.4;
    const double lineHeight = metrics.lineSpacing();

    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            painter.end();
            return {false, QCoreApplication::translate("rse::ReportPainter",
                                                       "The printer could not start page %1.")
                               .arg(p + 1)};
        }
        double top = kPrintTopMm * unitsPerMmY;  // top of the current line
        for (const PrintLine& line : pages[p].lines) {
            for (const PrintCell& cell : line) {
                const double x = (cell.xMm + kPrintLeftMarginMm) * unitsPerMm;
                painter.drawText(QPointF(x, top + metrics.ascent()), FromLatin1(cell.text));
            }
            top += lineHeight;
        }
    }
    if (!painter.end())
        return {false, QCoreApplication::translate("rse::ReportPainter",
                                                   "The printer could not finish the job.")};
    return {};
}

PaintResult WritePrintedReportPdf(const QString& path, const std::vector<PrintPage>& pages) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Radio Setup Editor"));
        writer.setTitle(QStringLiteral("QM24 VH3400M Radio Setup Editor"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(6.35, 6.35, 6.35, 6.35),
                                         QPageLayout::Millimeter));
        const PaintResult r = PaintPrintedReport(writer, pages);
        if (!r.ok) {
            file.cancelWriting();
            return r;
        }
    }
    if (!file.commit()) return {false, file.errorString()};
    return {};
}

}  // namespace rse
