#include "cli/link_commands.h"

namespace rse::cli {

bool IsLinkCommand(const QString&) { return false; }
int RunLinkCommand(const QString&, const QStringList&) { return 2; }
QString LinkCommandsUsage() { return {}; }

}  // namespace rse::cli
