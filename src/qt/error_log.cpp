#include "qt/error_log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "qt/data_folder.h"

namespace rse {

QString ErrorLog::DefaultFolder() {
    return EditorDataFolder();
}

QString ErrorLog::FilePath() const {
    const QString folder = folder_.isEmpty() ? DefaultFolder() : folder_;
    return QDir(folder).filePath(QStringLiteral("err.log"));
}

QString ErrorLog::FormatLine(const QString& date, const QString& time, const QString& procedure,
                             const QString& message) {
    return date + u',' + time + u':' + procedure + QStringLiteral(" -> ") + message;
}

void ErrorLog::Append(const QString& procedure, const QString& message) const {
    const QString path = FilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) return;
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    const QString line =
        FormatLine(locale.toString(now.date(), QLocale::ShortFormat),
                   locale.toString(now.time(), QLocale::LongFormat), procedure, message);
    file.write(line.toLocal8Bit());
    file.write("\n");
}

}  // namespace rse
