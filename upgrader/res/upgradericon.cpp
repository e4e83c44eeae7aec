#include "upgrader/res/upgradericon.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QPixmap upgraderIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0); // drawn on a 64 x 64 grid

    // Panel plate.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1d, 0x2b, 0x3a));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    // Dial face with its bezel.
    painter.setBrush(QColor(0x0b, 0x12, 0x1a));
    painter.setPen(QPen(QColor(0x9a, 0xa8, 0xb6), 2.5));
    painter.drawEllipse(QPointF(32, 34), 24, 24);

    // Scale ticks over 270 degrees, the last quarter in amber.
    for (int i = 0; i <= 9; ++i) {
        const double angle = qDegreesToRadians(225.0 - i * 30.0);
        const QPointF outer(32 + 21 * qCos(angle), 34 - 21 * qSin(angle));
        const QPointF inner(32 + 16 * qCos(angle), 34 - 16 * qSin(angle));
        painter.setPen(QPen(i >= 7 ? QColor(0xf2, 0xa9, 0x00) : QColor(0xe8, 0xee, 0xf2), 2.2,
                            Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(inner, outer);
    }

    // Needle near the top of the scale.
    const double needle = qDegreesToRadians(225.0 - 6.5 * 30.0);
    painter.setPen(QPen(QColor(0xff, 0xff, 0xff), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(32, 34), QPointF(32 + 18 * qCos(needle), 34 - 18 * qSin(needle)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x9a, 0xa8, 0xb6));
    painter.drawEllipse(QPointF(32, 34), 3.5, 3.5);

    // Upgrade arrow in the lower right corner.
    QPainterPath arrow;
    arrow.moveTo(50, 34);
    arrow.lineTo(61, 46);
    arrow.lineTo(54.5, 46);
    arrow.lineTo(54.5, 60);
    arrow.lineTo(45.5, 60);
    arrow.lineTo(45.5, 46);
    arrow.lineTo(39, 46);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0x0b, 0x12, 0x1a), 1.5));
    painter.setBrush(QColor(0x2e, 0xc2, 0x5a));
    painter.drawPath(arrow);
    return pixmap;
}

QIcon upgraderIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(upgraderIconPixmap(size));
    return icon;
}
