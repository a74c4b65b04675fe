// rse-cli fleet: programs one configuration into radio after radio, each keeping its own
// identity, with a log row (and a programming record) for every radio.
#pragma once

#include <QString>
#include <QStringList>

namespace rse::cli {

// Exit status: 0 when every radio was programmed, 1 when any failed or was cancelled (or the
// template or the log could not be used), 2 wrong usage.
int RunFleet(const QStringList& args);
QString FleetCommandUsage();

}  // namespace rse::cli
