// Transfer > Program Several Radios...: the configuration in the editor programmed into one
// radio after another, each keeping its own identity. A table of the radios done (the log's
// columns, newest last), "Next Radio" and "Finish", the progress of the current radio and
// Cancel. Every radio gets one row in the log file chosen when the window opens.
#pragma once

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

#include "files/fleet_log.h"
#include "link/fleet.h"
#include "link/transfer_outcome.h"
#include "model/configuration.h"
#include "ui/background_task.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rse {

class Prompts;
class ProgressFrame;

class FleetWindow : public QDialog {
    Q_OBJECT

  public:
    // `config` is the template; `templateName` names it in the backups' notes; the log
    // starts beside `folder` as fleet-YYYYMMDD.csv.
    FleetWindow(const Configuration& config, QString templateName, const QString& folder,
                QString devicePath, LinkSettings settings, Prompts& prompts,
                QWidget* parent = nullptr);

    bool Running() const { return task_.Running(); }
    QTableWidget* Table() const { return table_; }
    // The results of the radios done in this window, in order.
    const std::vector<FleetResult>& Results() const { return results_; }
    // Default log file name for a day: "fleet-20261207.csv".
    static QString DefaultLogName();

  signals:
    // A radio is done and its row is in the log and the table.
    void radioDone();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void NextRadio();
    void Cancel();
    void Done(const FleetRadio& radio, int number);
    void ChooseLog();
    bool OpenLog();
    void ShowState();
    // The row as the log has it, but the result, the MMSI kind and `detail` for people.
    void AddRow(const FleetLogRow& row, const QString& detail);
    void ShowSaveFailure(const IoResult& r);
    static QString Title();
    // The detail column as the window shows it: the message, else the warnings, translated.
    static QString ShownDetail(const FleetRadio& radio, const std::vector<Phrase>& warnings);

    Configuration config_;
    QString templateName_;
    QString devicePath_;
    LinkSettings settings_;
    Prompts& prompts_;
    std::unique_ptr<FleetLog> log_;
    std::vector<FleetResult> results_;
    std::optional<FleetRadio> ended_;

    QLineEdit* logPath_ = nullptr;
    QPushButton* browse_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* state_ = nullptr;
    ProgressFrame* progress_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    QPushButton* cancel_ = nullptr;
    BackgroundTask task_;
};

}  // namespace rse
