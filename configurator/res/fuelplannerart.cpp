#include "configurator/res/fuelplannerart.h"

#include "configurator/res/artpalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {
namespace {

// The planner's tank field colours, so the picture explains the fields.
const QColor kOuterTank{255, 255, 128};
const QColor kInnerTank{255, 200, 130};
const QColor kCenterTank{192, 255, 192};
const QColor kSkin{0xc9, 0xd3, 0xdf};
const QColor kSkinEdge{0x55, 0x66, 0x7d};
const QColor kSubtitle{0xb4, 0xc9, 0xe2};

QPainterPath mirrored(std::initializer_list<QPointF> rightHalf, double axis) {
    const QPolygonF right{QList<QPointF>(rightHalf)};
    QPolygonF left;
    for (const QPointF& p : right)
        left << QPointF(2 * axis - p.x(), p.y());
    QPainterPath path;
    path.addPolygon(right);
    path.closeSubpath();
    path.addPolygon(left);
    path.closeSubpath();
    return path;
}

// Top view, nose up, cut by the strip: the wings with their tanks and the
// middle of the fuselage. Points are (distance from the axis, y).
void drawWingTopView(QPainter& painter, double axis) {
    const auto at = [axis](double out, double y) { return QPointF(axis + out, y); };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kSkinEdge, 1.0));

    // Engines hang below the wing, their intakes ahead of the leading edge.
    painter.setBrush(kSkin.darker(115));
    for (double side : {-1.0, 1.0}) {
        const QPointF centre = at(side * 38, 24);
        painter.drawRoundedRect(QRectF(centre.x() - 5, 10, 10, 26), 4.5, 4.5);
    }

    QLinearGradient skin(at(0, 10), at(0, 64));
    skin.setColorAt(0, kSkin.lighter(108));
    skin.setColorAt(1, kSkin.darker(108));
    painter.setBrush(skin);
    const QPainterPath wing =
        mirrored({at(8, 15), at(100, 47), at(102, 55), at(42, 56), at(8, 55)}, axis);
    painter.drawPath(wing);

    // Tanks inside the wing box, inboard to outboard.
    painter.setPen(QPen(kSkinEdge.darker(120), 0.8));
    painter.setBrush(kInnerTank);
    painter.drawPath(mirrored({at(12, 22), at(60, 38), at(60, 50), at(12, 50)}, axis));
    painter.setBrush(kOuterTank);
    painter.drawPath(mirrored({at(63, 39), at(90, 48), at(90, 53), at(63, 52)}, axis));

    // Fuselage through the whole strip, the centre tank in its wing box.
    painter.setPen(QPen(kSkinEdge, 1.0));
    QLinearGradient body(at(-9, 0), at(9, 0));
    body.setColorAt(0, kSkin.darker(112));
    body.setColorAt(0.45, kSkin.lighter(112));
    body.setColorAt(1, kSkin.darker(118));
    painter.setBrush(body);
    painter.drawRect(QRectF(at(-9, -2), at(9, 72)));
    painter.setBrush(kCenterTank);
    painter.drawRoundedRect(QRectF(at(-6, 20), at(6, 50)), 2, 2);
    painter.restore();
}

void drawSky(QPainter& painter, const QRectF& rect) {
    QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
    sky.setColorAt(0.0, kNight);
    sky.setColorAt(1.0, kDusk);
    painter.fillRect(rect, sky);
    // Light from behind the aircraft, as on an apron at dusk.
    QRadialGradient glow(QPointF(rect.width() * 0.76, rect.height() * 0.55), rect.width() * 0.35);
    glow.setColorAt(0.0, QColor(0x8a, 0xb4, 0xe0, 120));
    glow.setColorAt(1.0, QColor(0x8a, 0xb4, 0xe0, 0));
    painter.fillRect(rect, glow);
}

void drawTitle(QPainter& painter, const QString& title, const QString& subtitle, QPointF at,
               int titlePixels) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(titleFont(titlePixels));
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(at + QPointF(1, 1.5), title);
    painter.setPen(kTitle);
    painter.drawText(at, title);
    const double ruleY = at.y() + titlePixels * 0.30;
    painter.fillRect(QRectF(at.x() + 1, ruleY, titlePixels * 1.5, 3), kAccent);
    QFont small = titleFont(std::max(10, titlePixels * 2 / 5));
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(kSubtitle);
    painter.drawText(QPointF(at.x() + 1, ruleY + 4 + small.pixelSize()), subtitle);
    painter.restore();
}

} // namespace

QImage fuelPlannerBanner() {
    QImage image(kFuelPlannerBannerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRectF rect(QPointF(0, 0), QSizeF(kFuelPlannerBannerSize));
    drawSky(painter, rect);
    drawWingTopView(painter, 338);
    drawTitle(painter, QStringLiteral("Fuel Planner"),
              QStringLiteral("Trip fuel, reserves, block fuel and tanks"), {18, 34}, 26);
    painter.setPen(QColor(0, 0, 0, 160));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    return image;
}

} // namespace art
