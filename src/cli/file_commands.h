// rse-cli subcommands that work on files only: new, convert, report.
#pragma once

#include <QString>
#include <QStringList>

namespace rse::cli {

bool IsFileCommand(const QString& name);
// Runs one file subcommand; args are the arguments after its name. Returns the exit status:
// 0 success, 1 failed, 2 wrong usage.
int RunFileCommand(const QString& name, const QStringList& args);
QString FileCommandsUsage();

}  // namespace rse::cli
