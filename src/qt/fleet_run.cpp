#include "qt/fleet_run.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include <algorithm>

#include "image/codec.h"
#include "link/clone_protocol.h"
#include "model/mmsi.h"
#include "qt/backups.h"
#include "report/fleet_record.h"

namespace rse {

FleetSteps FleetKeepSteps(const QString& port, const QString& templateName, int number) {
    FleetSteps steps;
    steps.keep = [port, templateName, number](const MemoryImage& radio,
                                              std::string& name) -> std::optional<LinkMessage> {
        const KeepResult kept = KeepReadImage(
            radio, port, QStringLiteral("before fleet %1, radio %2").arg(templateName).arg(number));
        if (!kept.io.ok) {
            return KeepFailureMessage(kept);
        }
        name = QDir(QString::fromStdString(kept.path)).dirName().toStdString();
        return std::nullopt;
    };
    return steps;
}

FleetLogRow FleetRowFor(const FleetRadio& radio, int number, const FleetLog& log,
                        std::vector<Phrase>& warnings) {
    FleetLogRow row;
    row.time = QDateTime::currentDateTime()
                   .toOffsetFromUtc(QDateTime::currentDateTime().offsetFromUtc())
                   .toString(Qt::ISODate)
                   .toStdString();
    row.radio = number;
    row.result = FleetResultName(radio.result);
    row.backup = radio.backup;
    warnings.clear();
    if (radio.read) {
        row.model = kModelName;
        const IdentityNumbers numbers = NumbersOf(IdentityOf(radio.image));
        row.userMmsi = numbers.userMmsi;
        row.atisNo = numbers.atisNo;
        if (const auto info = ClassifyMmsi(numbers.userMmsi)) row.mmsiKind = DescribeMmsi(*info);
        warnings = FleetWarningPhrases(numbers, log);
    }
    const bool done =
        radio.result == FleetResult::Verified || radio.result == FleetResult::Programmed;
    if (done) {
        row.sha256 = Sha256Hex(std::string_view(reinterpret_cast<const char*>(radio.image.data()),
                                                radio.image.size()));
    }
    if (radio.message) {
        // One line: the message and what went wrong.
        row.detail = radio.message->text;
        if (!radio.message->detail.empty()) row.detail += " " + radio.message->detail;
        std::replace(row.detail.begin(), row.detail.end(), '\n', ' ');
    } else {
        for (const Phrase& w : warnings)
            row.detail += (row.detail.empty() ? "" : "; ") + w.English();
    }
    return row;
}

QString FleetRecordPath(const QString& folder, const FleetLogRow& row) {
    return QDir(folder).filePath(QStringLiteral("radio-%1-%2.pdf")
                                     .arg(row.radio)
                                     .arg(row.userMmsi.empty()
                                              ? QStringLiteral("none")
                                              : QString::fromStdString(row.userMmsi)));
}

PaintResult WriteFleetRecord(const QString& folder, const FleetLogRow& row,
                             const MemoryImage& image) {
    if (!QDir().mkpath(folder)) {
        return {false,
                QCoreApplication::translate("rse::FleetRun", "The folder %1 could not be created.")
                    .arg(folder)};
    }
    Configuration config;
    MemoryImage scratch{};
    InitialiseConfiguration(config, scratch);
    DecodeImage(image, config);
    const FleetRecordFacts facts{row.time, row.radio, row.result, row.backup, row.sha256};
    return WritePrintedReportPdf(FleetRecordPath(folder, row), {LayoutFleetRecord(facts, config)});
}

}  // namespace rse
