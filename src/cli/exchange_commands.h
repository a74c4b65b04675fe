// rse-cli subcommands that exchange tables with spreadsheets: export-directory,
// import-directory, export-channels.
#pragma once

#include <QString>
#include <QStringList>

namespace rse::cli {

bool IsExchangeCommand(const QString& name);
// Runs one exchange subcommand; args are the arguments after its name. Returns the exit
// status: 0 success, 1 failed (or rows refused), 2 wrong usage.
int RunExchangeCommand(const QString& name, const QStringList& args);
QString ExchangeCommandsUsage();

}  // namespace rse::cli
