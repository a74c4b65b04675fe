#include "ui/dialogs/connection_check_dialog.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "link/clone_protocol.h"
#include "qt/serial_link.h"
#include "qt/system_facts_posix.h"
#include "qt/translations.h"

namespace rse {

namespace {

const char* IconName(CheckLevel level) {
    switch (level) {
        case CheckLevel::Ok:
            return "icon:ok";
        case CheckLevel::Warning:
            return "icon:warning";
        default:
            return "icon:problem";
    }
}

QString Html(const Phrase& phrase, const std::string& english) {
    return Translated(phrase, english).toHtmlEscaped();
}

}  // namespace

ConnectionCheckDialog::ConnectionCheckDialog(QString devicePath, QString port, bool noEcho,
                                             QWidget* parent)
    : QDialog(parent),
      devicePath_(std::move(devicePath)),
      port_(std::move(port)),
      noEcho_(noEcho),
      task_(kReplyStartTimeout) {
    setObjectName(QStringLiteral("frmCheckConnection"));
    setWindowTitle(tr("Check Connection"));
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblCheckHeading"));
    heading_->setWordWrap(true);
    results_ = new QTextBrowser(this);
    results_->setObjectName(QStringLiteral("txtCheckResults"));
    results_->setOpenLinks(false);
    results_->setMinimumSize(560, 260);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    const std::pair<CheckLevel, QStyle::StandardPixmap> icons[] = {
        {CheckLevel::Ok, QStyle::SP_DialogApplyButton},
        {CheckLevel::Warning, QStyle::SP_MessageBoxWarning},
        {CheckLevel::Problem, QStyle::SP_MessageBoxCritical}};
    for (const auto& [level, pixmap] : icons) {
        results_->document()->addResource(QTextDocument::ImageResource,
                                          QUrl(QLatin1String(IconName(level))),
                                          style()->standardIcon(pixmap).pixmap(size, size));
    }

    again_ = new QPushButton(tr("Check &Again"), this);
    again_->setObjectName(QStringLiteral("cmdCheckAgain"));
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName(QStringLiteral("cmdClose"));
    connect(&task_, &BackgroundTask::finished, this, &ConnectionCheckDialog::Finish);
    connect(again_, &QPushButton::clicked, this, &ConnectionCheckDialog::Start);
    connect(close_, &QPushButton::clicked, this, &ConnectionCheckDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(again_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(results_, 1);
    layout->addLayout(buttons);
    Render();
}

ConnectionCheckDialog::~ConnectionCheckDialog() = default;

void ConnectionCheckDialog::Start() {
    if (task_.Running()) return;
    lines_.clear();
    cancelled_ = false;
    const std::string device = QFile::encodeName(devicePath_).toStdString();
    const QString path = devicePath_;
    const bool noEcho = noEcho_;
    task_.Start([=, this](BackgroundTask::Context& task) {
        PosixSystemFacts facts;
        QtSerialLink link(path);
        SteadyClock clock;
        DoctorEnvironment env{facts, link, clock, task.CancelFlag(), noEcho};
        env.onLine = [this, &task](const CheckLine& line) {
            task.Post([this, line] { AddLine(line); });
        };
        const bool cancelled = RunConnectionDoctor(device, env).cancelled;
        task.Post([this, cancelled] { cancelled_ = cancelled; });
    });
    Render();
}

void ConnectionCheckDialog::AddLine(const CheckLine& line) {
    lines_.push_back(line);
    Render();
}

void ConnectionCheckDialog::Finish() {
    Render();
    emit checkFinished();
    if (closeWhenDone_) QDialog::reject();
}

QString ConnectionCheckDialog::Summary() const {
    if (Running()) return tr("Checking...");
    if (cancelled_) return tr("Cancelled.");
    const auto problems = std::count_if(lines_.begin(), lines_.end(), [](const CheckLine& l) {
        return l.level == CheckLevel::Problem;
    });
    if (problems == 0) return tr("No problem found.");
    return (problems == 1 ? tr("1 problem found.") : tr("%1 problems found.").arg(problems)) +
           tr(" Select a fix to copy it.");
}

void ConnectionCheckDialog::Render() {
    heading_->setText(QStringLiteral("<b>%1</b> (%2): %3")
                          .arg(port_.toHtmlEscaped(), devicePath_.toHtmlEscaped(), Summary()));
    QString html = QStringLiteral("<table cellspacing=\"3\">");
    for (const CheckLine& line : lines_) {
        html += QStringLiteral("<tr><td valign=\"top\"><img src=\"%1\"></td><td>%2</td></tr>")
                    .arg(QLatin1String(IconName(line.level)), Html(line.what, line.text));
        if (!line.fix.empty()) {
            html += tr("<tr><td></td><td><i>Fix:</i> <span style=\"font-family: monospace; "
                       "background-color: #eef2f7\">%1</span></td></tr>")
                        .arg(Html(line.howToFix, line.fix));
        }
    }
    html += QStringLiteral("</table>");
    results_->setHtml(html);
    again_->setEnabled(!Running());
    close_->setText(Running() ? tr("Cancel") : tr("Close"));
}

void ConnectionCheckDialog::reject() {
    if (task_.Running()) {
        task_.Cancel();  // the check stops at its next wait
        return;
    }
    QDialog::reject();
}

void ConnectionCheckDialog::closeEvent(QCloseEvent* event) {
    if (task_.Running()) {
        task_.Cancel();
        closeWhenDone_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace rse
