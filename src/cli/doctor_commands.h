// rse-cli subcommands that look at the serial ports: `ports` lists them, `doctor` finds out
// what keeps a transfer from reaching the radio.
#pragma once

#include <QString>
#include <QStringList>

namespace rse::cli {

bool IsDoctorCommand(const QString& name);
// Returns the exit status: 0 no problem, 1 a problem was found, 2 wrong usage.
int RunDoctorCommand(const QString& name, const QStringList& args);
QString DoctorCommandsUsage();

}  // namespace rse::cli
