// rse-cli subcommands that talk to a radio over a serial port.
#pragma once

#include <QString>
#include <QStringList>

namespace rse::cli {

// True for the names of the radio subcommands (read, program, clear-count).
bool IsLinkCommand(const QString& name);
// Runs one radio subcommand; args are the arguments after its name. Returns the exit
// status: 0 success, 1 failed or interrupted, 2 wrong usage.
int RunLinkCommand(const QString& name, const QStringList& args);
// Usage lines of the radio subcommands for --help.
QString LinkCommandsUsage();

}  // namespace rse::cli
