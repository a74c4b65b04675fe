#include "ui/dialogs/frm_about.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStringList>

#include "model/configuration.h"
#include "ui/app_icon.h"
#include "ui/main_layout.h"

namespace rse {

namespace {
constexpr int kAboutWidthPx = 325;
constexpr int kAboutHeightPx = 251;
constexpr int kFrameHeightTw = 2985;
constexpr int kButtonWidthTw = 1215;
constexpr int kButtonHeightTw = 375;
}  // namespace

QString FrmAbout::VersionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(RSE_VERSION_MAJOR)
        .arg(RSE_VERSION_MINOR)
        .arg(RSE_VERSION_PATCH);
}

QString FrmAbout::DescriptionText() {
    const QStringList lines = {
        QStringLiteral("Prepares, reads and programs the configuration of the QM24 VH3400M "
                       "marine VHF DSC radio."),
        QString(),
        QStringLiteral("Check the settings on the radio itself before you rely on them at sea."),
    };
    return lines.join(u'\n');
}

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    using layout::ToPixels;
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Version Infomation"));
    setModal(true);

    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::StyledPanel);
    frame_->setFrameShadow(QFrame::Sunken);
    frame_->setGeometry(ToPixels(100), 0, ToPixels(4675), ToPixels(kFrameHeightTw));

    auto* icon = new QLabel(frame_);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(AppIcon().pixmap(48, 48));
    icon->setGeometry(12, 12, 48, 48);

    auto* title = new QLabel(frame_);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setText(
        QStringLiteral("%1 %2").arg(QLatin1String(kModelName), QLatin1String(kProductTitle)));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setWordWrap(true);
    title->setGeometry(72, 8, 225, 40);

    auto* version = new QLabel(frame_);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setText(VersionText());
    version->setGeometry(72, 50, 225, 20);

    auto* description = new QLabel(frame_);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setText(DescriptionText());
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setWordWrap(true);
    description->setGeometry(12, 80, 285, 110);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    ok_->resize(ToPixels(kButtonWidthTw), ToPixels(kButtonHeightTw));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(kAboutWidthPx, kAboutHeightPx);
}

void FrmAbout::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    using layout::ToPixels;
    using layout::ToTwips;
    const layout::AboutLayout l = layout::LayOutAbout(
        ToTwips(event->size().width()), ToTwips(frame_->height()), ToTwips(ok_->width()));
    frame_->resize(ToPixels(l.frameWidth), frame_->height());
    ok_->move(ToPixels(l.okLeft), ToPixels(l.okTop));
}

}  // namespace rse
