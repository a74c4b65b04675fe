#include "ui/dialogs/frm_prn.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

#include "files/disk_io.h"
#include "model/configuration.h"
#include "qt/latin1.h"
#include "qt/translations.h"
#include "report/text_report.h"
#include "ui/font_units.h"
#include "ui/prompts.h"

namespace rse {

namespace {
constexpr layout::Size kWindowSizePx{558, 409};
}

FrmPrn::FrmPrn(EditorSession& session, Prompts& prompts, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts) {
    setObjectName(QStringLiteral("frmPrn"));
    setWindowTitle(tr("Print to File"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    menu_ = new QMenuBar(this);
    QMenu* file = menu_->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* save = file->addAction(tr("&Save As..."), this, &FrmPrn::SaveAs);
    save->setObjectName(QStringLiteral("mnuFileSave"));
    QAction* exit = file->addAction(tr("&Exit"), this, &QDialog::accept);
    exit->setObjectName(QStringLiteral("mnuFileExit"));

    txtPrn_ = new QPlainTextEdit(this);
    txtPrn_->setObjectName(QStringLiteral("txtPrn"));
    txtPrn_->setReadOnly(true);
    txtPrn_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtPrn_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtPrn_->setAccessibleName(tr("Report"));
    txtPrn_->setPlainText(tr(kPlaceholder));

    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAutoDefault(false);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    const layout::Size size = UnitsOf(font()).ScaledPixels(kWindowSizePx);
    resize(size.width, size.height);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(kComposeDelayMs);
    connect(timer_, &QTimer::timeout, this, &FrmPrn::MakeTextImage);
    timer_->start();
}

void FrmPrn::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The layout keeps fixed distances, in twips, from the edges of the whole window, frame
    // and caption included; the window system draws those outside this widget, so their
    // usual size is added back.
    constexpr int kFrameWidthTwips = 120;
    constexpr int kCaptionAndFrameHeightTwips = 500;
    const layout::FontUnits units = UnitsOf(font());
    const int menuHeight = menu_->sizeHint().height();
    menu_->setGeometry(0, 0, width(), menuHeight);
    const int w = units.TwipsX(width()) + kFrameWidthTwips;
    const int h = units.TwipsY(height() - menuHeight) + kCaptionAndFrameHeightTwips;
    txtPrn_->setGeometry(units.X(100), menuHeight, units.X(std::max(0, w - 300)),
                         units.Y(std::max(0, h - 1300)));
    const int buttonWidth = units.X(1215);
    const int buttonHeight = units.Y(495);
    cmdOK_->setGeometry((width() - buttonWidth) / 2, menuHeight + units.Y(h - 1200), buttonWidth,
                        buttonHeight);
}

void FrmPrn::Settle() {
    setEnabled(false);
    QTimer::singleShot(settleMs, this, [this] {
        setEnabled(true);
        busy_.reset();
    });
}

void FrmPrn::MakeTextImage() {
    timer_->stop();
    busy_.emplace();
    setEnabled(false);
    const std::string text = rse::MakeTextImage(session_.config, session_.image);
    txtPrn_->setPlainText(FromLatin1(text));
    Settle();
}

void FrmPrn::SaveAs() {
    const QString path = prompts_.SaveFileName(this, QString(), tr(kFilter), QString());
    if (path.isEmpty()) {
        return;
    }
    SaveTextFile(path);
}

bool FrmPrn::SaveTextFile(const QString& path) {
    busy_.emplace();
    setEnabled(false);
    // The text area holds CR LF pairs as single line breaks; the file gets them back.
    QString text = txtPrn_->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    text += QLatin1String("\r\n");
    const QByteArray bytes = text.toLatin1();
    const IoResult r = WriteFileAtomic(QFile::encodeName(path).toStdString(),
                                       std::string_view(bytes.constData(), bytes.size()));
    if (!r.ok) {
        setEnabled(true);
        busy_.reset();
        prompts_.Message(this, QString::fromLocal8Bit(r.description.c_str()),
                         QStringLiteral("%1 %2").arg(QLatin1String(kModelName), ProductTitle()),
                         Prompts::Icon::Exclamation);
        return false;
    }
    Settle();
    return true;
}

}  // namespace rse
