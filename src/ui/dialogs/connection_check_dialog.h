// Options > SerialPort > Check Connection...: runs the connection check on the device of a COM
// entry as a background task and shows each finding with an icon, the fixes as selectable text.
#pragma once

#include <vector>

#include <QDialog>

#include "link/connection_doctor.h"
#include "ui/background_task.h"

class QLabel;
class QPushButton;
class QTextBrowser;

namespace rse {

class ConnectionCheckDialog : public QDialog {
    Q_OBJECT

  public:
    // `port` names the COM entry for the heading ("COM1"); `noEcho` as the /DE switch.
    ConnectionCheckDialog(QString devicePath, QString port, bool noEcho, QWidget* parent = nullptr);
    ~ConnectionCheckDialog() override;

    // Starts the check (again); does nothing while one runs.
    void Start();
    bool Running() const { return task_.Running(); }
    const std::vector<CheckLine>& Lines() const { return lines_; }
    QString Summary() const;
    // Cancel while the check runs (it stops at its next wait), else Close.
    void reject() override;

  signals:
    void checkFinished();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddLine(const CheckLine& line);
    void Finish();
    void Render();

    QString devicePath_;
    QString port_;
    bool noEcho_;
    QLabel* heading_ = nullptr;
    QTextBrowser* results_ = nullptr;
    QPushButton* again_ = nullptr;
    QPushButton* close_ = nullptr;
    std::vector<CheckLine> lines_;
    bool cancelled_ = false;
    bool closeWhenDone_ = false;
    BackgroundTask task_;  // last: cancelled first when the dialog goes
};

}  // namespace rse
