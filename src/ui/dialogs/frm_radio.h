// `frmRadio`: the transfer dialog through which every exchange with the radio runs: Read from
// Radio, Program to Radio and Clear Data. The transfer runs as a background task with its own
// serial port; the dialog shows its progress, cancels it at once on request and refuses to
// close while it runs. It ends with the outcome of its last transfer.
#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "link/safe_program.h"
#include "link/transfer_outcome.h"
#include "ui/background_task.h"
#include "ui/busy_guard.h"
#include "ui/editor_session.h"

class QLabel;
class QPushButton;

namespace rse {

class Prompts;
class ProgressFrame;

enum class TransferMode { Read, Program, Clear };

class FrmRadio : public QDialog {
    Q_OBJECT

  public:
    // `devicePath` is the serial device of the chosen COM entry.
    FrmRadio(EditorSession& session, Prompts& prompts, TransferMode mode, QString devicePath,
             QWidget* parent = nullptr);
    ~FrmRadio() override;

    // Moves the progress bar to `percent` (capped at 100).
    void ShowProgress(int percent);
    int Progress() const;
    bool Running() const { return task_.Running(); }
    TransferMode Mode() const { return mode_; }
    // How the last transfer ended; cancelled when none ran.
    TransferOutcome Outcome() const { return outcome_; }

    // What the Help button opens; shows the help contents of the editor.
    std::function<void()> showHelp;
    // Runs the connection check; when set, a transfer that cannot reach the radio offers it.
    std::function<void()> checkConnection;

    // Program to Radio with a safety net: the steps to run, and what the backup and the
    // question do (called on the GUI thread while the transfer waits). When the dialog goes
    // before they are answered, nothing is written.
    SafetyNet safetyNet;
    std::function<std::optional<LinkMessage>(const MemoryImage& radio)> keepBeforeProgram;
    // The change preview: Cancel for No, else the choice about the radio's own numbers.
    std::function<IdentityChoice(QWidget* parent, const MemoryImage& radio,
                                 const MemoryImage& image,
                                 const std::optional<IdentityChange>& change)>
        confirmProgram;
    // Without the whole read: the image would change the radio's own numbers.
    std::function<IdentityChoice(QWidget* parent, const IdentityChange& change)> askIdentity;
    // Called with the image a successful read brought, before it replaces the configuration.
    std::function<void(const MemoryImage& image)> readReplacing;

    // The two pictures: a radio and a computer; their order shows the direction.
    static QPixmap RadioPicture();
    static QPixmap ComputerPicture();

  signals:
    // The transfer has ended and its outcome has been applied.
    void transferFinished();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OnOK();
    void OnCancel();
    void OnHelp();
    void Finish(const TransferOutcome& outcome, const MemoryImage& image);

    EditorSession& session_;
    Prompts& prompts_;
    TransferMode mode_;
    QString devicePath_;
    TransferOutcome outcome_{TransferStatus::Cancelled, std::nullopt};
    QLabel* radioPicture_ = nullptr;          // `pictA`
    QLabel* computerPicture_ = nullptr;       // `pictB`
    ProgressFrame* progressFrame_ = nullptr;  // `pictProgress`, its bar `lblPercent`
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;

    std::optional<BusyCursor> busy_;     // while a transfer runs
    std::optional<ImageOutcome> ended_;  // what the transfer handed back
    BackgroundTask task_;                // last: cancelled first when the dialog goes
};

}  // namespace rse
