#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace rse {

namespace {

// A handheld radio with an antenna and two signal arcs on a dark blue tile.
QPixmap DrawAppIcon(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x3a, 0x68));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(0xf2, 0xf2, 0xf2));
    p.drawRoundedRect(QRectF(22, 22, 20, 34), 4, 4);  // body
    p.drawRect(QRectF(36, 8, 3, 16));                 // antenna
    p.setBrush(QColor(0x4c, 0xb8, 0xe8));
    p.drawRect(QRectF(25, 26, 14, 9));  // display
    p.setBrush(QColor(0x1f, 0x3a, 0x68));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawRect(QRectF(25 + col * 5, 39 + row * 5, 3, 3));  // keys
        }
    }
    QPen arc(QColor(0xf2, 0xb1, 0x34), 3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(arc);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 6, 12, 12), -60 * 16, 120 * 16);
    p.drawArc(QRectF(40, 0, 20, 24), -60 * 16, 120 * 16);
    return pm;
}

QPixmap DrawPrintIcon(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));  // paper in
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);  // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));  // paper out
    return pm;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(DrawAppIcon(size));
    return icon;
}

QIcon PrintIcon() {
    QIcon themed = QIcon::fromTheme(QStringLiteral("document-print"));
    if (!themed.isNull()) return themed;
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(DrawPrintIcon(size));
    return icon;
}

}  // namespace rse
