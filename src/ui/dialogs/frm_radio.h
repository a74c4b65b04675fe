// `frmRadio`: the transfer dialog through which every exchange with the radio runs: Read from
// Radio, Program to Radio and Clear Data. The transfer runs on a worker thread with its own
// serial port; the dialog shows its progress, cancels it at once on request and refuses to
// close while it runs.
#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include <QDialog>

#include "link/safe_program.h"
#include "link/transfer_outcome.h"
#include "ui/editor_session.h"

class QLabel;
class QPushButton;
class QThread;
class QFrame;

namespace rse {

class Prompts;

class FrmRadio : public QDialog {
    Q_OBJECT

  public:
    // `devicePath` is the serial device of the chosen COM entry.
    FrmRadio(EditorSession& session, Prompts& prompts, QString devicePath,
             QWidget* parent = nullptr);
    ~FrmRadio() override;

    // Moves the progress bar to `percent` (capped at 100).
    void ShowProgress(int percent);
    int Progress() const { return progress_; }
    bool Running() const { return worker_ != nullptr; }

    // What the Help button opens; shows the help contents of the editor.
    std::function<void()> showHelp;

    // Program to Radio with a safety net: the steps to run, and what the backup and the
    // question do (called on the GUI thread while the transfer waits).
    SafetyNet safetyNet;
    std::function<std::optional<LinkMessage>(const MemoryImage& radio)> keepBeforeProgram;
    std::function<bool(QWidget* parent, const MemoryImage& radio, const MemoryImage& image)>
        confirmProgram;

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
    QString devicePath_;
    QLabel* pictA_ = nullptr;  // the radio
    QLabel* pictB_ = nullptr;  // the computer
    QFrame* pictProgress_ = nullptr;
    QLabel* lblPercent_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    int progress_ = 0;

    QThread* worker_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancel_;
};

}  // namespace rse
