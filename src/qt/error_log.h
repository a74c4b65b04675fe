// The error log err.log: one line per failure, kept only in debug mode.
#pragma once

#include <QString>

namespace rse {

class ErrorLog {
  public:
    // Logs into `folder`/err.log; an empty folder means the default (see DefaultFolder).
    explicit ErrorLog(QString folder = {}) : folder_(std::move(folder)) {}

    // The editor's data folder (EditorDataFolder).
    static QString DefaultFolder();

    QString FilePath() const;
    void SetFolder(const QString& folder) { folder_ = folder; }

    // Appends "date,time:procedure -> message". Any failure is ignored.
    void Append(const QString& procedure, const QString& message) const;

    // The line Append writes, without its line end.
    static QString FormatLine(const QString& date, const QString& time, const QString& procedure,
                              const QString& message);

  private:
    QString folder_;
};

}  // namespace rse
