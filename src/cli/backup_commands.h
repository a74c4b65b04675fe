// rse-cli subcommands and steps around backups: "backups" lists them, "diff" compares two
// files; read and program keep and compare through the helpers below.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "image/memory_image.h"
#include "link/transfer_outcome.h"

namespace rse::cli {

bool IsBackupCommand(const QString& name);
// Runs "backups" or "diff". diff exits as diff(1) does: 0 the same, 1 different, 2 trouble.
int RunBackupCommand(const QString& name, const QStringList& args);
QString BackupCommandsUsage();

// Keeps an image read from the radio; a failure is one line on standard error and nothing
// more. Returns false when it could not be kept.
bool KeepReadBackup(const MemoryImage& image, const QString& port);
// Keeps the radio's memory before programming; the message to stop with when it cannot.
std::optional<LinkMessage> KeepBeforeProgram(const MemoryImage& radio, const QString& port);
// Prints on standard error the changes programming `image` makes to `radio`.
void PrintChanges(const MemoryImage& radio, const MemoryImage& image);

}  // namespace rse::cli
