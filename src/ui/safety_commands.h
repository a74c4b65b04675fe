// What keeps the user's data safe around the specified commands: the backups of reads and of
// replaced edits, the Backups and Compare With windows, and the steps of programming with a
// backup and a verify. The specified commands call in here; none of them asks a new question.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <optional>
#include <string>

#include "files/backup_store.h"
#include "image/memory_image.h"
#include "link/safe_program.h"
#include "link/transfer_outcome.h"
#include "ui/editor_session.h"

class QMenu;
class QWidget;

namespace rse {

class FrmMain;
class FrmRadio;
class Prompts;
class SettingsStore;

class SafetyCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(rse::SafetyCommands)

  public:
    // Keys of the Options menu's switches in the settings store.
    static inline const QString kKeepBackups = QStringLiteral("KeepBackups");
    static inline const QString kBackupBeforeProgram = QStringLiteral("BackupBeforeProgram");
    static inline const QString kVerifyAfterProgram = QStringLiteral("VerifyAfterProgram");

    // Adds its entries to the window's File and Options menus and keeps the edits when the
    // window closes.
    SafetyCommands(FrmMain& window, EditorSession& session, SettingsStore& settings,
                   Prompts& prompts);

    bool Option(const QString& key) const;
    void SetOption(const QString& key, bool on);
    // The steps programming runs with, from the Options menu.
    SafetyNet Net() const;

    // What Save would write now.
    std::string CurrentText() const;
    // Remembers what Save would write now: after a configuration was created, opened, saved
    // or read.
    void TakeSnapshot();
    // Keeps `textBefore` (the configuration a command is replacing) when it differs from the
    // snapshot; the note says "edits before <command>". A failure is shown once.
    void KeepEdits(const std::string& textBefore, const QString& command);
    // Keeps an image read from the radio on `port`; a failure is shown once.
    void KeepRead(const MemoryImage& image, const QString& port);

    // Programming with a backup, on the GUI thread: keeps what the radio holds, and asks
    // "Program these N changes?" over the transfer dialog.
    std::optional<LinkMessage> KeepBeforeProgram(const MemoryImage& radio, const QString& port);
    // The change preview, with the choice about the radio's own numbers at its top when the
    // image would change them: Cancel for No.
    IdentityChoice ConfirmProgram(QWidget* parent, const MemoryImage& radio,
                                  const MemoryImage& image,
                                  const std::optional<IdentityChange>& change);
    // Without a backup: "This radio's own MMSI is ..." with "Keep the Radio's" (the default),
    // "Change It" and "Cancel".
    IdentityChoice AskIdentity(QWidget* parent, const IdentityChange& change);

    // Sets up a transfer dialog: the safety net of programming, and keeping what a read
    // brings and the edits it replaces.
    void Prepare(FrmRadio& dialog, const QString& device);

    // Transfer > Program Several Radios...: the configuration in the editor into a fleet.
    void ProgramSeveralRadios();

    // File > Backups... and File > Compare With...
    void ShowBackups();
    void CompareWith();
    // Compares the configuration in the editor with a .dat or .hex file.
    void CompareWithFile(const QString& path, const QString& name);
    // Loads a backup as a read from the radio would.
    void OpenBackup(const BackupEntry& entry);

  protected:
    // Closing the window (Exit) keeps the edits first; it asks nothing.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // File > Backups..., File > Compare With... (before Exit) and the Options switches.
    void AddMenuEntries(QMenu& file, QMenu& options, QMenu* transfer);
    void ShowKeepFailure(const KeepResult& result);
    // "FileRead Error!!" with the reason and the file.
    void ShowReadFailure(const QString& path, const IoResult& r);

    FrmMain& window_;
    EditorSession& session_;
    SettingsStore& settings_;
    Prompts& prompts_;
};

}  // namespace rse
