// The editor session: the one configuration, its memory image, the file name and the
// switches that tie the windows together. Owned by the program entry, shared by reference.
#pragma once

#include <cstdint>
#include <string>

#include <QString>

#include "image/memory_image.h"
#include "model/configuration.h"
#include "qt/error_log.h"
#include "ui/edit_history.h"

namespace rse {

struct EditorSession {
    Configuration config;
    MemoryImage image{};

    // Set while the program itself fills controls or runs a load, save or transfer.
    bool UpdatingControls = false;
    QString CurrentFileName;
    // What Save would have written when the configuration was last created, opened, saved or
    // read: a configuration that differs from it holds edits worth keeping.
    std::string SavedSnapshot;
    // The steps Undo and Redo take back and again.
    EditHistory history{config};

    // Set by the command-line switches.
    bool DebugMode = false;
    bool SkipReceive = false;
    std::int16_t ComNum = 1;
    std::int16_t LinkRetries = 1;

    ErrorLog errorLog;

    // Appends one line to the error log when debug mode is on.
    void WriteErrorLog(const QString& procedure, const QString& message) {
        if (DebugMode) errorLog.Append(procedure, message);
    }
};

// Sets a flag for the lifetime of the guard and restores its previous value afterwards.
class FlagGuard {
  public:
    explicit FlagGuard(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = previous_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& flag_;
    bool previous_;
};

}  // namespace rse
