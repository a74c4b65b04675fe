// rse-cli print: the printed report as a PDF file.
#pragma once

#include <QString>
#include <QStringList>

namespace rse::cli {

int RunPrint(const QStringList& args);
QString PrintCommandUsage();

}  // namespace rse::cli
