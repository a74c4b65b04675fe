#include "qt/backups.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "link/clone_protocol.h"

namespace rse {

namespace {

BackupFacts FactsNow(const QString& port, const QString& note) {
    BackupFacts facts;
    facts.stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    facts.port = port.toStdString();
    facts.program =
        QStringLiteral("%1 %2")
            .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
            .toStdString();
    facts.note = note.toStdString();
    return facts;
}

}  // namespace

QString BackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/rse/backups");
}

std::string Sha256Hex(std::string_view data) {
    return QCryptographicHash::hash(
               QByteArrayView(data.data(), static_cast<qsizetype>(data.size())),
               QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

BackupStore DefaultBackupStore() {
    return BackupStore(QFile::encodeName(BackupFolder()).toStdString(), Sha256Hex);
}

KeepResult KeepReadImage(const MemoryImage& image, const QString& port, const QString& note) {
    return DefaultBackupStore().KeepImage(image, FactsNow(port, note));
}

KeepResult KeepEdits(std::string_view configText, const QString& note) {
    return DefaultBackupStore().KeepConfiguration(configText, FactsNow(QString(), note));
}

QString KeepFailureText(const KeepResult& result) {
    return QCoreApplication::translate("Core", "The backup could not be kept in %1: %2")
        .arg(QFile::decodeName(QByteArray::fromStdString(result.path)),
             QString::fromLocal8Bit(result.io.description.c_str()));
}

LinkMessage KeepFailureMessage(const KeepResult& result) {
    Phrase detail(RSE_TEXT("Core", "The backup could not be kept in %1: %2"),
                  {result.path, result.io.description});
    detail.Add("\n").Add(RSE_TEXT("Core", "Nothing was written."));
    return {RSE_TEXT("Core", "FileSave Error!!"), kProgramTitle, MessageIcon::Critical,
            detail.English(), detail};
}

}  // namespace rse
