// `frmPrn`: the text report window of "Print to File". Shows a placeholder, composes the
// report just after it appeared, and saves what it shows as a text file.
#pragma once

#include <optional>

#include <QDialog>

#include "ui/busy_guard.h"
#include "ui/editor_session.h"

class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace rse {

class Prompts;

class FrmPrn : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kPlaceholder =
        QT_TR_NOOP("Now, making text image. Please wait...");
    static constexpr const char* kFilter = QT_TR_NOOP("Text files(*.txt);;All files(*.*)");
    static constexpr int kComposeDelayMs = 10;

    FrmPrn(EditorSession& session, Prompts& prompts, QWidget* parent = nullptr);

    // The pause after composing and after saving, before the window is usable again
    // (shortened by tests).
    static inline int settleMs = 500;

    // Composes the report into `txtPrn` (what the timer runs).
    void MakeTextImage();
    // File > Save As...: asks for a path and saves the shown text.
    void SaveAs();
    // Writes the shown text and one CR LF to `path`; false (with the message shown) on failure.
    bool SaveTextFile(const QString& path);

    QPlainTextEdit* Text() const { return txtPrn_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Settle();

    EditorSession& session_;
    Prompts& prompts_;
    QMenuBar* menu_ = nullptr;
    QPlainTextEdit* txtPrn_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QTimer* timer_ = nullptr;
    // The hourglass while the report is composed or saved and the window settles; it goes
    // with the window when the window is closed before.
    std::optional<BusyCursor> busy_;
};

}  // namespace rse
