#include "ui/dialogs/frm_radio.h"

#include <algorithm>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "image/codec.h"
#include "link/clone_protocol.h"
#include "link/safe_program.h"
#include "qt/latin1.h"
#include "qt/serial_link.h"
#include "qt/translations.h"
#include "ui/dialogs/help_browser.h"
#include "ui/font_units.h"
#include "ui/prompts.h"
#include "ui/widgets/progress_frame.h"

namespace rse {

namespace {

constexpr layout::Size kWindowSizePx{398, 233};
// The longest the transfer may take to notice a cancel: its longest single wait.
constexpr Millis kLongestLinkWait =
    std::max({kReadByteEchoTimeout, kReplyStartTimeout, kAckTimeout});

Prompts::Icon IconOf(MessageIcon icon) {
    return icon == MessageIcon::Critical ? Prompts::Icon::Critical : Prompts::Icon::Information;
}

// What the keep step answers when it cannot reach the dialog any more.
LinkMessage NotKept() {
    Phrase detail(RSE_TEXT("Core", "The window closed before the radio's memory was kept."));
    detail.Add("\n").Add(RSE_TEXT("Core", "Nothing was written."));
    return {RSE_TEXT("Core", "FileSave Error!!"), kProgramTitle, MessageIcon::Critical,
            detail.English(), detail};
}

}  // namespace

QPixmap FrmRadio::RadioPicture() {
    QPixmap pm(130, 110);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // antenna
    p.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(100, 30), QPointF(112, 4));
    // body
    QPainterPath body;
    body.addRoundedRect(QRectF(14, 28, 104, 70), 9, 9);
    p.setPen(QPen(QColor(25, 35, 50), 2));
    p.setBrush(QColor(52, 68, 92));
    p.drawPath(body);
    // display
    p.setBrush(QColor(170, 215, 150));
    p.setPen(QPen(QColor(20, 30, 20), 1.5));
    p.drawRoundedRect(QRectF(24, 38, 56, 26), 3, 3);
    p.setPen(QColor(30, 60, 30));
    QFont f = p.font();
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(24, 38, 56, 26), Qt::AlignCenter, QStringLiteral("CH 16"));
    // knobs and keys
    p.setPen(QPen(QColor(15, 15, 15), 1.5));
    p.setBrush(QColor(200, 200, 205));
    p.drawEllipse(QPointF(98, 50), 10, 10);
    p.setBrush(QColor(230, 120, 40));
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(24 + i * 14, 72, 10, 8), 2, 2);
    // speaker grille
    p.setPen(QPen(QColor(30, 40, 55), 1.5));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(88, 72 + i * 5), QPointF(110, 72 + i * 5));
    return pm;
}

QPixmap FrmRadio::ComputerPicture() {
    QPixmap pm(130, 110);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // monitor
    p.setPen(QPen(QColor(40, 40, 45), 2));
    p.setBrush(QColor(215, 215, 220));
    p.drawRoundedRect(QRectF(12, 6, 106, 72), 6, 6);
    p.setBrush(QColor(40, 90, 160));
    p.drawRect(QRectF(20, 13, 90, 56));
    // lines on the screen
    p.setPen(QPen(QColor(220, 235, 255), 2));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(28, 24 + i * 11), QPointF(28 + 70 - i * 12, 24 + i * 11));
    // stand and keyboard
    p.setPen(QPen(QColor(40, 40, 45), 2));
    p.setBrush(QColor(190, 190, 195));
    p.drawRect(QRectF(56, 78, 18, 10));
    p.drawRoundedRect(QRectF(18, 90, 94, 14), 3, 3);
    p.setPen(QPen(QColor(120, 120, 125), 1));
    for (int i = 0; i < 10; ++i)
        p.drawLine(QPointF(24 + i * 9, 94), QPointF(24 + i * 9, 100));
    return pm;
}

FrmRadio::FrmRadio(EditorSession& session, Prompts& prompts, TransferMode mode, QString devicePath,
                   QWidget* parent)
    : QDialog(parent),
      session_(session),
      prompts_(prompts),
      mode_(mode),
      devicePath_(std::move(devicePath)),
      task_(kLongestLinkWait) {
    setObjectName(QStringLiteral("frmRadio"));
    setWindowTitle(mode_ == TransferMode::Read ? CoreText(kReadTitle) : CoreText(kProgramTitle));
    setModal(true);

    // Arial at the size of the application's font; the design is drawn for Arial at the
    // reference size, and the window grows with the font as the main window does.
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial = arial.resolve(font());
    const layout::FontUnits units = UnitsOfDesignFamily(arial);
    const layout::Size size = units.ScaledPixels(kWindowSizePx);
    setFixedSize(size.width, size.height);
    const auto Twips = [&units](int left, int top, int width, int height) {
        const layout::Rect r = units.Pixels(layout::Rect{left, top, width, height});
        return QRect(r.left, r.top, r.width, r.height);
    };

    auto* label1 = new QLabel(tr("1.Connect the RSE Cable."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(arial);
    label1->setGeometry(Twips(180, 120, 4605, 255));
    auto* label2 = new QLabel(tr("2.Communication starts when you select [OK]."), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(arial);
    label2->setGeometry(Twips(180, 420, 5200, 255));

    radioPicture_ = new QLabel(this);
    radioPicture_->setObjectName(QStringLiteral("pictA"));
    radioPicture_->setPixmap(RadioPicture());
    radioPicture_->setAccessibleName(tr("Radio"));
    computerPicture_ = new QLabel(this);
    computerPicture_->setObjectName(QStringLiteral("pictB"));
    computerPicture_->setPixmap(ComputerPicture());
    computerPicture_->setAccessibleName(tr("Computer"));
    // Reading: from the radio (left) to the computer (right); otherwise the other way.
    const bool reading = mode_ == TransferMode::Read;
    radioPicture_->setGeometry(Twips(reading ? 120 : 3720, 720, 1875, 1575));
    computerPicture_->setGeometry(Twips(reading ? 3720 : 120, 720, 1815, 1575));
    for (QLabel* pict : {radioPicture_, computerPicture_})
        pict->setAlignment(Qt::AlignCenter);

    progressFrame_ = new ProgressFrame(this);
    progressFrame_->setObjectName(QStringLiteral("pictProgress"));
    progressFrame_->setGeometry(Twips(2100, 1440, 1395, 315));
    progressFrame_->setAccessibleName(tr("Progress"));

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("cmdOK"));
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    helpButton_ = new QPushButton(tr("Help"), this);
    helpButton_->setObjectName(QStringLiteral("cmdHelp"));
    okButton_->setGeometry(Twips(180, 2400, 1275, 555));
    cancelButton_->setGeometry(Twips(2160, 2400, 1275, 555));
    helpButton_->setGeometry(Twips(4140, 2400, 1275, 555));
    for (QPushButton* b : {okButton_, cancelButton_, helpButton_}) {
        b->setFont(arial);
        b->setAutoDefault(false);
    }
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &FrmRadio::OnOK);
    connect(cancelButton_, &QPushButton::clicked, this, &FrmRadio::OnCancel);
    connect(helpButton_, &QPushButton::clicked, this, &FrmRadio::OnHelp);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, helpButton_);

    task_.onProgress = [this](int percent) { ShowProgress(percent); };
    connect(&task_, &BackgroundTask::finished, this, [this] {
        const ImageOutcome ended = ended_.value_or(ImageOutcome{});
        ended_.reset();
        Finish(ended.outcome, ended.image);
    });
    ShowProgress(0);
}

FrmRadio::~FrmRadio() {
    // Gone in the middle of a transfer: the task goes with the dialog (cancelled, and nothing
    // it still sends arrives), so the editor is no longer busy with it.
    if (task_.Running()) session_.UpdatingControls = false;
}

void FrmRadio::ShowProgress(int percent) {
    progressFrame_->SetValue(percent);
}

int FrmRadio::Progress() const {
    return progressFrame_->Value();
}

void FrmRadio::OnOK() {
    if (task_.Running()) return;
    const TransferMode mode = mode_;
    if (mode == TransferMode::Program) EncodeImage(session_.config, session_.image);

    session_.UpdatingControls = true;
    okButton_->setEnabled(false);
    busy_.emplace();

    const MemoryImage image = session_.image;
    const LinkSettings settings{session_.SkipReceive, session_.LinkRetries};
    const QString path = devicePath_;
    const SafetyNet net = safetyNet;
    // After the whole read, the configuration is laid over what the radio holds.
    const Configuration config = session_.config;
    task_.Start([=, this](BackgroundTask::Context& task) {
        QtSerialLink link(path);
        SteadyClock clock;
        LinkEnvironment env{link, clock, task.CancelFlag(), settings};
        env.showProgress = [&task](int percent) { task.Progress(percent); };
        env.writeErrorLog = [this, &task](std::string_view procedure, std::string_view message) {
            const QString p = QString::fromUtf8(procedure.data(), procedure.size());
            const QString m = QString::fromLocal8Bit(message.data(), message.size());
            task.Post([this, p, m] { session_.WriteErrorLog(p, m); });
        };
        // The backup and the question run on the GUI thread while the transfer waits; when
        // they cannot be answered the transfer writes nothing.
        SafetyNetSteps steps;
        steps.keep = [this, &task](const MemoryImage& radio) {
            return task.Ask<std::optional<LinkMessage>>(
                [this, &radio]() -> std::optional<LinkMessage> {
                    const auto keep = keepBeforeProgram;  // lives on if the dialog goes
                    if (!keep) return std::nullopt;
                    return keep(radio);
                },
                NotKept());
        };
        steps.confirm = [this, &task](const MemoryImage& radio, const MemoryImage& sent,
                                      const std::optional<IdentityChange>& change) {
            return task.Ask<IdentityChoice>(
                [this, &radio, &sent, &change] {
                    const auto confirm = confirmProgram;  // lives on if the dialog goes
                    return confirm ? confirm(this, radio, sent, change) : IdentityChoice::Change;
                },
                IdentityChoice::Cancel);
        };
        steps.identity = [this, &task](const IdentityChange& change) {
            return task.Ask<IdentityChoice>(
                [this, &change] {
                    const auto ask = askIdentity;  // lives on if the dialog goes
                    return ask ? ask(this, change) : IdentityChoice::Keep;
                },
                IdentityChoice::Cancel);
        };
        steps.layOver = [&config](const MemoryImage& radio) {
            MemoryImage laid = radio;
            EncodeImage(config, laid);
            return laid;
        };
        ImageOutcome ended{{}, image};
        CloneProtocol protocol(env);
        switch (mode) {
            case TransferMode::Read:
                ended = protocol.ReadRadio(image);
                break;
            case TransferMode::Program: {
                const ProgramResult r = ProgramWithSafetyNet(env, image, net, steps);
                ended = {r.outcome, r.image};
                break;
            }
            case TransferMode::Clear:
                ended = protocol.ClearCount(image);
                break;
        }
        task.Post([this, ended] { ended_ = ended; });
    });
}

void FrmRadio::Finish(const TransferOutcome& outcome, const MemoryImage& image) {
    if (outcome.Succeeded()) {
        if (mode_ == TransferMode::Read) {
            if (readReplacing) readReplacing(image);
            session_.image = image;
            DecodeImage(session_.image, session_.config);
        } else if (mode_ == TransferMode::Clear) {
            session_.image = image;
        } else {
            // The editor holds what the radio now holds, its own numbers included.
            session_.image = image;
            const IdentityNumbers numbers = NumbersOf(IdentityOf(image));
            session_.config.SETCOM.UserMmsid = numbers.userMmsi;
            session_.config.SETCOM.AtisNo = numbers.atisNo;
        }
    }
    outcome_ = outcome;

    okButton_->setEnabled(true);
    busy_.reset();
    session_.UpdatingControls = false;

    if (outcome.message) {
        const LinkMessage& m = *outcome.message;
        QString text = LinkMessageText(m);
        const QString title = LinkMessageTitle(m);
        // The radio could not be reached: offer to find out why.
        if (checkConnection &&
            (m.text == kCommunicationErrorText || m.text == kModelNameErrorText)) {
            text += tr("\n\nCheck the connection now?");
            if (prompts_.Message(this, text, title, IconOf(m.icon), Prompts::Buttons::YesNo) ==
                Prompts::Answer::Yes) {
                checkConnection();
            }
        } else {
            prompts_.Message(this, text, title, IconOf(m.icon));
        }
    }
    ShowProgress(0);
    emit transferFinished();
    if (outcome.Succeeded()) accept();
}

void FrmRadio::OnCancel() {
    if (task_.Running()) {
        task_.Cancel();  // the transfer stops at the next pass of its current wait
        return;
    }
    reject();
}

void FrmRadio::OnHelp() {
    if (showHelp) {
        showHelp();
        return;
    }
    ShowNoHelpMessage(prompts_, this);
}

void FrmRadio::closeEvent(QCloseEvent* event) {
    if (task_.Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FrmRadio::keyPressEvent(QKeyEvent* event) {
    // Escape acts as Cancel: it stops a running transfer instead of closing the window.
    if (event->key() == Qt::Key_Escape) {
        OnCancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace rse
