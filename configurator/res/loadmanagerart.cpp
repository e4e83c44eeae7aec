#include "configurator/res/loadmanagerart.h"

#include "configurator/res/artpalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace art {
namespace {

const QColor kSkin{0xf7, 0xf9, 0xfc};    // fuselage paint
const QColor kOutline{0x4a, 0x5a, 0x6e}; // every edge of the airframe
const QColor kWing{0xc3, 0xcd, 0xd8};    // wings and tailplane
const QColor kNacelle{0x8e, 0x9b, 0xab}; // engines
const QColor kGlass{0x1c, 0x2b, 0x3d};   // cockpit windows
const QColor kCabin{0xd9, 0x8c, 0x3a};   // edge of a cabin section (the bars are 255,200,130)
const QColor kCabinFloor{0xff, 0xee, 0xd8};
const QColor kHold{0x3c, 0x8a, 0x3c}; // edge of a cargo hold (the bars are 128,255,128)
const QColor kHoldFloor{0xdc, 0xf5, 0xdc};

QImage canvas(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xee, 0xf3, 0xf8));
    sky.setColorAt(1, QColor(0xd6, 0xe0, 0xeb));
    painter.fillRect(image.rect(), sky);
    painter.setPen(QColor(0xb0, 0xbd, 0xcc));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

void drawNacelle(QPainter& painter, QRectF body) {
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kNacelle);
    painter.drawRoundedRect(body, body.height() / 2.5, body.height() / 2.5);
    // Intake ring at the front.
    painter.setBrush(kGlass);
    painter.drawEllipse(QRectF(body.left() - 1, body.top() + 1.5, 4, body.height() - 3));
}

// The area of a section or hold with an edge a little outside it, so the bar
// laid on top sits inside a visible frame.
void drawCompartment(QPainter& painter, const QRect& area, const QColor& edge,
                     const QColor& floor) {
    painter.setPen(QPen(edge, 1.5));
    painter.setBrush(floor);
    painter.drawRoundedRect(QRectF(area).adjusted(-3, -3, 3, 3), 4, 4);
}

} // namespace

QImage loadManagerBanner() {
    const QSize size = kLoadManagerBannerSize;
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Night sky over an apron, warm light low on the right where the
    // aircraft is loaded.
    const double horizon = 87;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, kNight);
    sky.setColorAt(0.7, kDusk);
    sky.setColorAt(1, QColor(0x7d, 0x76, 0x86));
    painter.fillRect(QRectF(0, 0, size.width(), horizon), sky);
    QRadialGradient glow(QPointF(520, horizon), 150);
    glow.setColorAt(0, QColor(0xf2, 0xa9, 0x50, 170));
    glow.setColorAt(0.4, QColor(0xf2, 0xa9, 0x50, 50));
    glow.setColorAt(1, QColor(0xf2, 0xa9, 0x50, 0));
    painter.fillRect(QRectF(0, 0, size.width(), horizon), glow);
    painter.fillRect(QRectF(0, horizon, size.width(), size.height() - horizon),
                     QColor(0x12, 0x1d, 0x30));
    painter.fillRect(QRectF(0, 0, 330, size.height()), [] {
        QLinearGradient shade(0, 0, 330, 0); // keeps the title readable
        shade.setColorAt(0, QColor(0x0b, 0x1f, 0x3a, 170));
        shade.setColorAt(1, QColor(0x0b, 0x1f, 0x3a, 0));
        return shade;
    }());

    // A loaded aircraft in profile on the right, containers waiting below it.
    painter.setOpacity(0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc8, 0xd8, 0xea));
    QPainterPath body;
    body.moveTo(382, 40);
    body.cubicTo(384, 30, 398, 24, 416, 24);
    body.lineTo(560, 24);
    body.lineTo(586, 12);
    body.lineTo(600, 12);
    body.lineTo(596, 30);
    body.cubicTo(588, 40, 574, 44, 556, 45);
    body.lineTo(400, 45);
    body.cubicTo(390, 45, 383, 44, 382, 40);
    painter.drawPath(body);
    painter.drawPolygon(
        QPolygonF({QPointF(470, 40), QPointF(510, 40), QPointF(528, 52), QPointF(506, 52)}));
    painter.drawRoundedRect(QRectF(452, 45, 30, 9), 4, 4);
    painter.setOpacity(1.0);
    painter.setPen(QPen(kAccent, 1.5));
    painter.setBrush(QColor(0x17, 0x33, 0x57));
    for (int i = 0; i < 4; ++i) {
        // Lower-deck container: flat top, the lower corner cut to the hull.
        const double x = 440 + i * 38;
        painter.drawPolygon(QPolygonF({QPointF(x, 62), QPointF(x + 32, 62), QPointF(x + 32, 85),
                                       QPointF(x + 9, 85), QPointF(x, 76)}));
    }

    painter.setPen(kTitle);
    painter.setFont(titleFont(36));
    painter.drawText(QRect(40, 16, 420, 48), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Load Manager"));
    painter.fillRect(QRect(42, 66, 300, 3), kAccent);
    QFont small = titleFont(13);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(QColor(0xc8, 0xd8, 0xea));
    painter.drawText(QRect(42, 72, 420, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Passengers \u00b7 Cargo \u00b7 Zero Fuel Weight"));
    return image;
}

QImage cabinTopView(const CabinPlan& plan) {
    QImage image = canvas(plan.size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = plan.size.width();
    const double cy = (plan.business.top() + plan.business.bottom() + 1) / 2.0;
    const double half = std::max(plan.business.height(), plan.economy.height()) / 2.0 + 9;
    const double nose = 3;
    const double tail = width - 3;
    const double top = cy - half;
    const double bottom = cy + half;

    // Wings behind the fuselage, swept back beyond the image edges.
    const double rootLead = plan.economy.left() + plan.economy.width() * 0.36;
    const double rootChord = plan.economy.width() * 0.36;
    const double sweep = 0.75; // px back per px out
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kWing);
    for (const int side : {-1, 1}) {
        const double edge = side < 0 ? top : bottom;
        const double out = side < 0 ? -2 : plan.size.height() + 2;
        const double span = std::abs(out - edge);
        painter.drawPolygon(
            QPolygonF({QPointF(rootLead, edge), QPointF(rootLead + span * sweep, out),
                       QPointF(rootLead + span * sweep + rootChord * 0.55, out),
                       QPointF(rootLead + rootChord, edge)}));
        // Engines hang ahead of the leading edge.
        for (int engine = 0; engine < plan.enginesPerWing; ++engine) {
            const double offset =
                plan.enginesPerWing == 1 ? span * 0.55 : span * (0.35 + 0.45 * engine);
            const double y = edge + side * offset;
            const double lead = rootLead + offset * sweep;
            drawNacelle(painter, QRectF(lead - 26, y - 6, 38, 12));
        }
        // Tailplane.
        const double tailRoot = tail - 95;
        painter.setBrush(kWing);
        painter.drawPolygon(QPolygonF({QPointF(tailRoot, cy + side * (half - 12)),
                                       QPointF(tailRoot + 38, cy + side * (half + 34)),
                                       QPointF(tailRoot + 58, cy + side * (half + 34)),
                                       QPointF(tailRoot + 62, cy + side * (half - 14))}));
    }

    // Fuselage.
    QPainterPath fuselage;
    fuselage.moveTo(nose, cy);
    fuselage.cubicTo(nose, top + 4, nose + 24, top, nose + 62, top);
    fuselage.lineTo(tail - 90, top);
    fuselage.cubicTo(tail - 40, top + 4, tail - 8, cy - 6, tail, cy - 3);
    fuselage.lineTo(tail, cy + 3);
    fuselage.cubicTo(tail - 8, cy + 6, tail - 40, bottom - 4, tail - 90, bottom);
    fuselage.lineTo(nose + 62, bottom);
    fuselage.cubicTo(nose + 24, bottom, nose, bottom - 4, nose, cy);
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0, QColor(0xdd, 0xe4, 0xec));
    shade.setColorAt(0.5, kSkin);
    shade.setColorAt(1, QColor(0xdd, 0xe4, 0xec));
    painter.setBrush(shade);
    painter.setPen(QPen(kOutline, 1.2));
    painter.drawPath(fuselage);

    // Cockpit windows.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlass);
    QPainterPath windows;
    windows.moveTo(nose + 16, cy - 9);
    windows.quadTo(nose + 11, cy, nose + 16, cy + 9);
    windows.lineTo(nose + 23, cy + 10);
    windows.quadTo(nose + 19, cy, nose + 23, cy - 10);
    windows.closeSubpath();
    painter.drawPath(windows);

    // Doors: between the cockpit and business, between the classes, at the back.
    painter.setBrush(kOutline);
    for (const double x :
         {plan.business.left() - 9.0, (plan.business.right() + plan.economy.left()) / 2.0,
          plan.economy.right() + 10.0}) {
        painter.drawRect(QRectF(x - 3, top - 1, 6, 3));
        painter.drawRect(QRectF(x - 3, bottom - 2, 6, 3));
    }

    drawCompartment(painter, plan.business, kCabin, kCabinFloor);
    drawCompartment(painter, plan.economy, kCabin, kCabinFloor);
    return image;
}

QImage cargoSideView(const HoldPlan& plan) {
    QImage image = canvas(plan.size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = plan.size.width();
    const double floorY = std::min(plan.forward.top(), plan.aft.top()) - 4;
    const double bottom = std::max(plan.forward.bottom(), plan.aft.bottom()) + 6;
    const double top = floorY - 34;
    const double nose = 3;
    const double tail = width - 4;

    // Fin behind the fuselage.
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kWing);
    painter.drawPolygon(QPolygonF({QPointF(tail - 120, top + 2), QPointF(tail - 52, 3),
                                   QPointF(tail - 24, 3), QPointF(tail - 8, top + 10)}));

    // Fuselage: round upper nose, flat belly rising into the tail cone.
    QPainterPath fuselage;
    fuselage.moveTo(nose, bottom - 16);
    fuselage.cubicTo(nose + 2, top + 8, nose + 30, top, nose + 70, top);
    fuselage.lineTo(tail - 30, top + 4);
    fuselage.lineTo(tail, top + 12);
    fuselage.lineTo(tail, top + 20);
    fuselage.cubicTo(tail - 70, bottom - 10, tail - 130, bottom, tail - 170, bottom);
    fuselage.lineTo(nose + 60, bottom);
    fuselage.cubicTo(nose + 20, bottom, nose + 2, bottom - 6, nose, bottom - 16);
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0, kSkin);
    shade.setColorAt(1, QColor(0xd2, 0xda, 0xe4));
    painter.setBrush(shade);
    painter.setPen(QPen(kOutline, 1.2));
    painter.drawPath(fuselage);

    // Cheat line and passenger windows along the main deck.
    painter.setPen(QPen(kDusk, 2));
    painter.drawLine(QPointF(nose + 40, floorY - 2), QPointF(tail - 150, floorY - 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlass);
    const double doors[] = {nose + 60.0, (plan.forward.right() + plan.aft.left()) / 2.0 - 20,
                            plan.aft.right() + 18.0};
    for (double x = nose + 74; x < tail - 160; x += 8) {
        if (std::none_of(std::begin(doors), std::end(doors),
                         [x](double door) { return x > door - 6 && x < door + 12; }))
            painter.drawRoundedRect(QRectF(x, top + 11, 3.5, 5), 1.5, 1.5);
    }
    QPainterPath cockpit;
    cockpit.moveTo(nose + 20, top + 14);
    cockpit.lineTo(nose + 38, top + 8);
    cockpit.lineTo(nose + 40, top + 15);
    cockpit.lineTo(nose + 22, top + 18);
    cockpit.closeSubpath();
    painter.drawPath(cockpit);
    // Passenger doors.
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(Qt::NoBrush);
    for (const double x : doors)
        painter.drawRoundedRect(QRectF(x, top + 7, 9, floorY - top - 9), 2, 2);

    // Wing root and engines between the holds, landing gear below.
    const double wingFront = plan.forward.right() + 8;
    const double wingBack = plan.aft.left() - 8;
    painter.setBrush(kWing);
    painter.drawRoundedRect(QRectF(wingFront, bottom - 5, wingBack - wingFront, 8), 4, 4);
    for (int engine = 0; engine < plan.enginesPerWing; ++engine) {
        // The outer engine of a four-engine wing sits further aft and higher.
        const double x = wingFront - 14 + engine * 44;
        const double y = bottom + 4 - engine * 3;
        painter.setPen(QPen(kOutline, 1));
        painter.setBrush(kWing);
        painter.drawLine(QPointF(x + 20, y), QPointF(x + 30, bottom));
        drawNacelle(painter, QRectF(x, y, 46, 13));
    }
    painter.setPen(QPen(kOutline, 2));
    const double gear = (wingFront + wingBack) / 2 + 20;
    const double ground = plan.size.height() - 5;
    painter.drawLine(QPointF(gear, bottom), QPointF(gear, ground - 4));
    painter.drawLine(QPointF(nose + 50, bottom), QPointF(nose + 50, ground - 3));
    painter.setBrush(kGlass);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(gear - 5, ground - 3), 4, 4);
    painter.drawEllipse(QPointF(gear + 5, ground - 3), 4, 4);
    painter.drawEllipse(QPointF(nose + 50, ground - 2), 3, 3);

    // Tailplane.
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kWing);
    painter.drawPolygon(QPolygonF({QPointF(tail - 80, top + 24), QPointF(tail - 20, top + 20),
                                   QPointF(tail - 14, top + 25), QPointF(tail - 70, top + 29)}));

    drawCompartment(painter, plan.forward, kHold, kHoldFloor);
    drawCompartment(painter, plan.aft, kHold, kHoldFloor);
    return image;
}

} // namespace art
