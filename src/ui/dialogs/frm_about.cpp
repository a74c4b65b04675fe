#include "ui/dialogs/frm_about.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStringList>

#include "layout/window_layout.h"
#include "model/configuration.h"
#include "qt/translations.h"
#include "ui/app_icon.h"
#include "ui/font_units.h"

namespace rse {

namespace {
constexpr layout::Size kAboutSizePx{325, 251};
constexpr int kFrameHeightTw = 2985;
constexpr int kButtonWidthTw = 1215;
constexpr int kButtonHeightTw = 375;
}  // namespace

QString FrmAbout::VersionText() {
    return tr("Version %1.%2.%3")
        .arg(RSE_VERSION_MAJOR)
        .arg(RSE_VERSION_MINOR)
        .arg(RSE_VERSION_PATCH);
}

QString FrmAbout::DescriptionText() {
    const QStringList lines = {
        tr("Prepares, reads and programs the configuration of the QM24 VH3400M "
           "marine VHF DSC radio."),
        QString(),
        tr("Check the settings on the radio itself before you rely on them at sea."),
    };
    return lines.join(u'\n');
}

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    const layout::FontUnits units = UnitsOf(font());
    const auto place = [&units](QWidget* w, const layout::Rect& twips) {
        const layout::Rect r = units.Pixels(twips);
        w->setGeometry(r.left, r.top, r.width, r.height);
    };
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Version Infomation"));
    setModal(true);

    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::StyledPanel);
    frame_->setFrameShadow(QFrame::Sunken);
    place(frame_, {100, 0, 4675, kFrameHeightTw});

    auto* icon = new QLabel(frame_);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(AppIcon().pixmap(48, 48));
    icon->setGeometry(units.X(180), units.Y(180), 48, 48);

    auto* title = new QLabel(frame_);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setText(QStringLiteral("%1 %2").arg(QLatin1String(kModelName), ProductTitle()));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setWordWrap(true);
    place(title, {1080, 120, 3375, 600});

    auto* version = new QLabel(frame_);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setText(VersionText());
    place(version, {1080, 750, 3375, 300});

    auto* description = new QLabel(frame_);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setText(DescriptionText());
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setWordWrap(true);
    place(description, {180, 1200, 4275, 1650});

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    ok_->resize(units.X(kButtonWidthTw), units.Y(kButtonHeightTw));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    const layout::Size size = units.ScaledPixels(kAboutSizePx);
    setFixedSize(size.width, size.height);
}

void FrmAbout::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const layout::FontUnits units = UnitsOf(font());
    const layout::AboutLayout l =
        layout::LayOutAbout(units.TwipsX(event->size().width()), units.TwipsY(frame_->height()),
                            units.TwipsX(ok_->width()));
    frame_->resize(units.X(l.frameWidth), frame_->height());
    ok_->move(units.X(l.okLeft), units.Y(l.okTop));
}

}  // namespace rse
