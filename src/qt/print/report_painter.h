// Draws the pages of the printed report on a paged paint device: the system printer or a PDF
// writer. Every cell stands at its position in millimetres from the left margin.
#pragma once

#include <QPagedPaintDevice>
#include <QString>

#include <vector>

#include "report/printed_report.h"

namespace rse {

struct PaintResult {
    bool ok = true;
    QString error;  // what failed, for the user
};

// The font the report is printed in (the pages must fit their longest section).
QFont PrintedReportFont();

// Paints all pages, starting a new page after each but the last, and ends the job.
PaintResult PaintPrintedReport(QPagedPaintDevice& device, const std::vector<PrintPage>& pages);

// Writes the report as a PDF file (A4), atomically: a failure leaves an existing file alone.
PaintResult WritePrintedReportPdf(const QString& path, const std::vector<PrintPage>& pages);

}  // namespace rse
