#include "ui/dialogs/fleet_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "link/clone_protocol.h"
#include "model/mmsi.h"
#include "qt/fleet_run.h"
#include "qt/serial_link.h"
#include "qt/translations.h"
#include "ui/prompts.h"
#include "ui/widgets/progress_frame.h"

namespace rse {

namespace {

// The longest the fleet's transfer may take to notice a cancel: its longest single wait.
constexpr Millis kLongestLinkWait =
    std::max({kReadByteEchoTimeout, kReplyStartTimeout, kAckTimeout});

// The log's columns as the table heads them (the log file keeps its own names).
const char* const kColumnHeadings[] = {QT_TRANSLATE_NOOP("rse::FleetWindow", "time"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "radio"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "model"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "user_mmsi"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "mmsi_kind"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "atis_no"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "result"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "detail"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "backup"),
                                       QT_TRANSLATE_NOOP("rse::FleetWindow", "sha256")};

// The column of each field of a log row in the table.
enum Column { kMmsiKindColumn = 4, kResultColumn = 6, kDetailColumn = 7 };

}  // namespace

QString FleetWindow::DefaultLogName() {
    return QStringLiteral("fleet-%1.csv")
        .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
}

FleetWindow::FleetWindow(const Configuration& config, QString templateName, const QString& folder,
                         QString devicePath, LinkSettings settings, Prompts& prompts,
                         QWidget* parent)
    : QDialog(parent),
      config_(config),
      templateName_(std::move(templateName)),
      devicePath_(std::move(devicePath)),
      settings_(settings),
      prompts_(prompts),
      task_(kLongestLinkWait) {
    setObjectName(QStringLiteral("frmFleet"));
    setWindowTitle(Title());
    setModal(true);

    auto* logLabel = new QLabel(tr("&Log file:"), this);
    logPath_ = new QLineEdit(QDir(folder).filePath(DefaultLogName()), this);
    logPath_->setObjectName(QStringLiteral("txtLogFile"));
    logLabel->setBuddy(logPath_);
    browse_ = new QPushButton(tr("&Browse..."), this);
    browse_->setObjectName(QStringLiteral("cmdBrowseLog"));
    connect(browse_, &QPushButton::clicked, this, &FleetWindow::ChooseLog);
    verify_ = new QCheckBox(tr("&Verify each radio (read it back)"), this);
    verify_->setObjectName(QStringLiteral("chkVerify"));
    verify_->setChecked(true);

    table_ = new QTableWidget(0, static_cast<int>(kFleetLogColumns.size()), this);
    table_->setObjectName(QStringLiteral("grdRadios"));
    table_->setAccessibleName(tr("Radios done"));
    QStringList headings;
    for (const char* c : kColumnHeadings)
        headings.push_back(tr(c));
    table_->setHorizontalHeaderLabels(headings);
    // Each heading fits its column, however long its language makes it.
    for (int c = 0; c < table_->columnCount(); ++c) {
        table_->setColumnWidth(
            c, std::max(table_->columnWidth(c), table_->horizontalHeader()->sectionSizeHint(c)));
    }
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);

    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("lblState"));
    state_->setWordWrap(true);
    progress_ = new ProgressFrame(this);
    progress_->setObjectName(QStringLiteral("pictProgress"));
    progress_->setAccessibleName(tr("Progress"));
    progress_->setMinimumSize(160, 20);
    task_.onProgress = [this](int percent) { progress_->SetValue(percent); };
    connect(&task_, &BackgroundTask::finished, this, [this] {
        if (ended_) Done(*ended_, log_ ? log_->NextRadio() : 1);
        ended_.reset();
        ShowState();
    });

    next_ = new QPushButton(tr("&Next Radio"), this);
    next_->setObjectName(QStringLiteral("cmdNextRadio"));
    finish_ = new QPushButton(tr("&Finish"), this);
    finish_->setObjectName(QStringLiteral("cmdFinish"));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    next_->setDefault(true);
    connect(next_, &QPushButton::clicked, this, &FleetWindow::NextRadio);
    connect(finish_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &FleetWindow::Cancel);

    auto* top = new QHBoxLayout;
    top->addWidget(logLabel);
    top->addWidget(logPath_, 1);
    top->addWidget(browse_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_);
    bottom->addStretch(1);
    bottom->addWidget(next_);
    bottom->addWidget(finish_);
    bottom->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(verify_);
    layout->addWidget(table_, 1);
    layout->addWidget(state_);
    layout->addLayout(bottom);
    resize(900, 420);
    ShowState();
}

void FleetWindow::ChooseLog() {
    // An existing log is added to, never replaced: the dialog asks nothing about it.
    const QString chosen = prompts_.AppendFileName(this, tr("Fleet Log File"),
                                                   tr("Fleet logs (*.csv)"), logPath_->text());
    if (!chosen.isEmpty()) logPath_->setText(chosen);
}

bool FleetWindow::OpenLog() {
    if (log_) return true;
    auto log = std::make_unique<FleetLog>(QFile::encodeName(logPath_->text()).toStdString());
    if (IoResult r = log->Open(); !r.ok) {
        ShowSaveFailure(r);
        return false;
    }
    log_ = std::move(log);
    logPath_->setReadOnly(true);  // one log for the whole run
    browse_->setEnabled(false);
    return true;
}

void FleetWindow::NextRadio() {
    if (task_.Running() || !OpenLog()) return;
    const int number = log_->NextRadio();
    const bool verify = verify_->isChecked();
    const Configuration config = config_;
    const QString path = devicePath_;
    const LinkSettings settings = settings_;
    const FleetSteps steps = FleetKeepSteps(path, templateName_, number);
    progress_->SetValue(0);
    task_.Start([this, config, path, settings, verify, steps](BackgroundTask::Context& task) {
        QtSerialLink link(path);
        SteadyClock clock;
        LinkEnvironment env{link, clock, task.CancelFlag(), settings};
        env.showProgress = [&task](int percent) { task.Progress(percent); };
        const FleetRadio radio = ProgramFleetRadio(env, config, verify, steps);
        task.Post([this, radio] { ended_ = radio; });
    });
    ShowState();
}

void FleetWindow::Done(const FleetRadio& radio, int number) {
    std::vector<Phrase> warnings;
    const FleetLogRow row = FleetRowFor(radio, number, *log_, warnings);
    results_.push_back(radio.result);
    if (IoResult r = log_->Append(row); !r.ok) ShowSaveFailure(r);
    AddRow(row, ShownDetail(radio, warnings));
    progress_->SetValue(0);
    emit radioDone();
}

QString FleetWindow::Title() {
    return tr("Program Several Radios");
}

void FleetWindow::ShowSaveFailure(const IoResult& r) {
    prompts_.Message(this,
                     tr("FileSave Error!!\n\n%1: %2")
                         .arg(QString::fromLocal8Bit(r.description.c_str()), logPath_->text()),
                     Title(), Prompts::Icon::Critical);
}

QString FleetWindow::ShownDetail(const FleetRadio& radio, const std::vector<Phrase>& warnings) {
    if (const std::optional<LinkMessage>& m = radio.message) {
        // One line, as the log has it: the message and what went wrong.
        QString line = CoreText(m->text.c_str());
        if (!m->detail.empty()) line += QLatin1Char(' ') + Translated(m->detailPhrase, m->detail);
        return line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    QStringList shown;
    for (const Phrase& w : warnings)
        shown.push_back(Translated(w));
    return shown.join(QStringLiteral("; "));
}

void FleetWindow::AddRow(const FleetLogRow& row, const QString& detail) {
    const int r = table_->rowCount();
    table_->insertRow(r);
    const std::vector<std::string> fields = row.Fields();
    for (std::size_t c = 0; c < fields.size(); ++c) {
        QString text = QString::fromStdString(fields[c]);
        // The words for people in the language of the windows; the log keeps the English.
        if (c == kResultColumn) text = CoreText(row.result.c_str());
        if (c == kDetailColumn) text = detail;
        if (c == kMmsiKindColumn) {
            if (const auto info = ClassifyMmsi(row.userMmsi))
                text = Translated(DescribeMmsiPhrase(*info));
        }
        table_->setItem(r, static_cast<int>(c), new QTableWidgetItem(text));
    }
    table_->resizeColumnsToContents();
    table_->scrollToBottom();
}

void FleetWindow::ShowState() {
    const bool running = task_.Running();
    next_->setEnabled(!running);
    finish_->setEnabled(!running);
    cancel_->setEnabled(running);
    verify_->setEnabled(!running);
    const int number = log_ ? log_->NextRadio() : 1;
    QString text = running ? tr("Programming radio %1...").arg(number)
                           : tr("Connect radio %1, then press Next Radio.").arg(number);
    if (!results_.empty() && !running)
        text = tr("%1. %2").arg(Translated(FleetSummaryPhrase(results_)), text);
    state_->setText(text);
}

void FleetWindow::Cancel() {
    task_.Cancel();
}

void FleetWindow::reject() {
    // Escape and the close box never leave a radio half done: they cancel it first.
    if (task_.Running()) {
        task_.Cancel();
        return;
    }
    QDialog::reject();
}

void FleetWindow::closeEvent(QCloseEvent* event) {
    if (task_.Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace rse
