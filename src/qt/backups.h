// Where the backups live and how they are kept, for the editor and rse-cli alike: the folder
// under $XDG_DATA_HOME, the SHA-256 from QCryptographicHash, the time from the local clock.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "files/backup_store.h"
#include "image/memory_image.h"
#include "link/transfer_outcome.h"

namespace rse {

// $XDG_DATA_HOME/rse/backups (~/.local/share/rse/backups by default).
QString BackupFolder();
// The store over that folder.
BackupStore DefaultBackupStore();
std::string Sha256Hex(std::string_view data);

// Keeps an image just read from the radio on `port`, with a note that says why when it is
// not a plain read ("before fleet boats.dat, radio 3").
KeepResult KeepReadImage(const MemoryImage& image, const QString& port,
                         const QString& note = QString());
// Keeps the text of a configuration that is about to be replaced, with a note that says by
// what ("edits before New").
KeepResult KeepEdits(std::string_view configText, const QString& note);

// The one line that reports a backup that could not be kept.
QString KeepFailureText(const KeepResult& result);
// The message of a program that stops because the radio's memory could not be kept: the
// reason and "Nothing was written.", in English for logs and as marked texts for the windows.
LinkMessage KeepFailureMessage(const KeepResult& result);

}  // namespace rse
