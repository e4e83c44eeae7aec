#include "configurator/res/fuelplannerart.h"

#include "configurator/res/artpalette.h"

#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

// A faint tint of the artwork's blue: the fields on top carry the colour.
QColor tint(int alpha) {
    QColor color = kDusk;
    color.setAlpha(alpha);
    return color;
}

// A shape given by its right half, x measured from the axis; mirrored.
QPainterPath symmetric(std::initializer_list<QPointF> rightHalf) {
    QPainterPath path;
    QPolygonF outline;
    for (const QPointF& p : rightHalf)
        outline << p;
    for (auto it = rightHalf.end(); it != rightHalf.begin();) {
        --it;
        outline << QPointF(-it->x(), it->y());
    }
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

} // namespace

QImage fuelTankPlanView(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in a 100 x 34 frame (span by length) stretched over the image.
    painter.scale(size.width() / 100.0, size.height() / 34.0);
    painter.translate(50, 0);
    painter.setPen(QPen(tint(110), 0.25));
    painter.setBrush(tint(30));

    // Engines first: the wing covers their rear.
    for (double side : {-1.0, 1.0})
        painter.drawRoundedRect(QRectF(side * 18 - 2, 10.5, 4, 9), 1.6, 1.6);
    painter.drawPath(symmetric({{0, 9}, {49, 18.5}, {49, 20.5}, {20, 21.5}, {0, 23}}));
    painter.drawPath(symmetric({{0, 24}, {17, 28.5}, {17, 30}, {0, 31}}));
    QPainterPath fuselage;
    fuselage.moveTo(-4, 34);
    fuselage.lineTo(-4, 3);
    fuselage.cubicTo(-4, 0.5, 4, 0.5, 4, 3);
    fuselage.lineTo(4, 34);
    fuselage.closeSubpath();
    painter.drawPath(fuselage);
    return image;
}

} // namespace art
