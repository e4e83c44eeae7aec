#include "configurator/res/shellart.h"

#include "configurator/aircraft/aircrafttable.h"
#include "configurator/res/artpalette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace art {
namespace {

const QColor kSilhouette{0x07, 0x12, 0x24}; // aircraft against a bright sky
const QColor kSilver{0xe4, 0xeb, 0xf3};     // aircraft against a dark sky
const QColor kSubtitle{0xb4, 0xc9, 0xe2};   // secondary text
const QColor kGlow{0xf0, 0x8c, 0x3c};       // sunset at the horizon
const QColor kGround{0x06, 0x0e, 0x1c};

QImage canvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// An airliner seen from the side, nose to the right. Frame: x from 0 (tail)
// to `length` (nose), y from -20 (fin tip) to 10 (engine bottoms).
struct SideView {
    int engines = 2;
    double length = 100; // 115 for the stretched A340-600
    bool gearDown = false;
};

QPainterPath fuselagePath(double l) {
    QPainterPath p;
    p.moveTo(0.5, -3.4);
    p.lineTo(9, -4.5);
    p.lineTo(l - 13, -4.5);
    p.cubicTo(l - 5, -4.5, l, -1.8, l, 0.6);
    p.cubicTo(l, 3.2, l - 5, 4.5, l - 13, 4.5);
    p.lineTo(24, 4.5);
    p.cubicTo(15, 4.5, 6, 0.5, 0.5, -2.2);
    p.closeSubpath();
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(points)));
    p.closeSubpath();
    return p;
}

QPainterPath enginePath(double x, double y, double w, double h) {
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), h * 0.45, h * 0.45);
    return p;
}

// Draws `view` into `target` (aspect kept, centred vertically).
void drawSideView(QPainter& painter, const QRectF& target, const SideView& view, const QColor& body,
                  const QColor& tail, double angleDegrees = 0) {
    const double l = view.length;
    const QRectF frame(0, -20, l, 30);
    const double scale = std::min(target.width() / frame.width(), target.height() / frame.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.center());
    painter.rotate(angleDegrees);
    painter.scale(scale, scale);
    painter.translate(-frame.center());
    painter.setPen(Qt::NoPen);

    // Far side first, a shade darker, so that the near side overlaps it.
    const double wingRoot = l * 0.56;
    const QColor far = body.darker(135);
    painter.setBrush(far);
    painter.drawPath(polygon(
        {{wingRoot - 1, 2.0}, {wingRoot - 17, 2.2}, {wingRoot - 28, -0.8}, {wingRoot - 24, -1.0}}));
    if (view.engines == 4)
        painter.drawPath(enginePath(wingRoot - 21, 0.6, 8, 3.2));
    painter.drawPath(enginePath(wingRoot - 11, 1.8, view.engines == 4 ? 9 : 12, 3.6));
    painter.drawPath(polygon({{0.8, -1.6}, {12, -1.6}, {4, -5.0}, {1.5, -5.2}}));

    painter.setBrush(body);
    painter.drawPath(fuselagePath(l));
    painter.drawPath(polygon({{0.8, -1.2}, {13, -0.9}, {14.5, -0.1}, {1.6, 0.4}}));
    painter.drawPath(polygon(
        {{wingRoot, 3.6}, {wingRoot - 17, 3.8}, {wingRoot - 31, 8.4}, {wingRoot - 26, 8.6}}));
    if (view.engines == 4) {
        painter.drawPath(enginePath(wingRoot - 12, 5.4, 10, 3.6));
        painter.drawPath(enginePath(wingRoot - 25, 7.8, 8.5, 3.0));
    } else {
        painter.drawPath(enginePath(wingRoot - 13, 5.2, 13, 4.6));
    }
    painter.setBrush(tail);
    painter.drawPath(polygon({{1.2, -3.4}, {20, -4.5}, {9.5, -19.5}, {3.2, -19.5}}));

    if (view.gearDown) {
        const QColor tyre(0x10, 0x14, 0x1c);
        painter.setBrush(body.darker(160));
        painter.drawRect(QRectF(wingRoot - 8.6, 4, 0.9, 5.2));
        painter.drawRect(QRectF(l - 15.2, 4, 0.7, 5.2));
        painter.setBrush(tyre);
        for (double x : {wingRoot - 10.2, wingRoot - 7.4})
            painter.drawEllipse(QPointF(x, 9.4), 1.4, 1.4);
        painter.drawEllipse(QPointF(l - 14.9, 9.5), 1.2, 1.2);
    }

    // Cabin windows and the cockpit, as a lighter or darker line on the body.
    const bool darkBody = body.lightness() < 128;
    QColor windows = darkBody ? QColor(255, 214, 140, 150) : QColor(20, 40, 70, 170);
    painter.setBrush(windows);
    for (double x = 22; x < l - 17; x += 2.4)
        painter.drawEllipse(QPointF(x, -1.6), 0.55, 0.7);
    painter.drawPath(polygon({{l - 9.5, -2.6}, {l - 5.2, -2.6}, {l - 3.4, -1.0}, {l - 9.0, -1.1}}));
    painter.restore();
}

// Sky from night above to sunset at `horizon`, ground below it.
void drawSky(QPainter& painter, const QRectF& rect, double horizon, const QPointF& sun) {
    QLinearGradient sky(rect.topLeft(), QPointF(rect.left(), horizon));
    sky.setColorAt(0.0, kNight);
    sky.setColorAt(0.65, kDusk);
    sky.setColorAt(1.0, QColor(0x8a, 0x7a, 0x86));
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), horizon - rect.top()), sky);

    QRadialGradient glow(sun, rect.height() * 1.6);
    QColor warm = kGlow;
    warm.setAlpha(200);
    glow.setColorAt(0.0, warm);
    warm.setAlpha(70);
    glow.setColorAt(0.35, warm);
    warm.setAlpha(0);
    glow.setColorAt(1.0, warm);
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), horizon - rect.top()), glow);

    QLinearGradient ground(QPointF(rect.left(), horizon), rect.bottomLeft());
    ground.setColorAt(0.0, QColor(0x12, 0x1d, 0x30));
    ground.setColorAt(1.0, kGround);
    painter.fillRect(QRectF(rect.left(), horizon, rect.width(), rect.bottom() - horizon), ground);
}

// A runway seen from its threshold, vanishing at (`vanishX`, `horizon`).
void drawRunway(QPainter& painter, const QRectF& rect, double horizon, double vanishX,
                double halfWidth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double bottom = rect.bottom();
    const QPointF v(vanishX, horizon);
    QPolygonF surface{{vanishX - 2, horizon},
                      {vanishX + 2, horizon},
                      {vanishX + halfWidth, bottom},
                      {vanishX - halfWidth, bottom}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1c, 0x26, 0x38));
    painter.drawPolygon(surface);
    // Centre line dashes, longer as they come closer.
    painter.setBrush(QColor(0xe8, 0xee, 0xf5, 200));
    for (double t = 0.12; t < 1.0; t += 0.2) {
        const double t2 = std::min(1.0, t + 0.08);
        const double y1 = horizon + (bottom - horizon) * t * t;
        const double y2 = horizon + (bottom - horizon) * t2 * t2;
        const double w1 = 0.3 + 1.2 * t, w2 = 0.3 + 1.2 * t2;
        painter.drawPolygon(QPolygonF{{vanishX - w1 / 2, y1},
                                      {vanishX + w1 / 2, y1},
                                      {vanishX + w2 / 2, y2},
                                      {vanishX - w2 / 2, y2}});
    }
    // Edge lights.
    for (double t = 0.08; t <= 1.0; t += 0.1) {
        const double e = t * t;
        const double y = horizon + (bottom - horizon) * e;
        const double dx = 2 + (halfWidth - 2) * e;
        const double r = 0.4 + 1.1 * e;
        painter.setBrush(QColor(0xff, 0xd2, 0x7a));
        painter.drawEllipse(QPointF(v.x() - dx - 1.5 * e, y), r, r);
        painter.drawEllipse(QPointF(v.x() + dx + 1.5 * e, y), r, r);
    }
    painter.restore();
}

void drawStars(QPainter& painter, const QRectF& area, int count, unsigned seed) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    unsigned state = seed;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % 10000 / 10000.0;
    };
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + next() * area.width(), area.top() + next() * area.height());
        painter.setBrush(QColor(255, 255, 255, 60 + static_cast<int>(next() * 120)));
        painter.drawEllipse(at, 0.7, 0.7);
    }
    painter.restore();
}

// Darkens the left part so that the title reads well over the picture.
void drawTitleShade(QPainter& painter, const QRectF& rect, double extent) {
    QLinearGradient shade(rect.topLeft(), QPointF(rect.left() + rect.width() * extent, rect.top()));
    QColor night = kNight;
    night.setAlpha(240);
    shade.setColorAt(0.0, night);
    night.setAlpha(200);
    shade.setColorAt(0.55, night);
    night.setAlpha(0);
    shade.setColorAt(1.0, night);
    painter.fillRect(rect, shade);
}

void drawTitle(QPainter& painter, const QString& title, const QString& subtitle, QPointF at,
               int titlePixels, const QString& tag = {}) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = titleFont(titlePixels);
    painter.setFont(font);
    // A soft shadow keeps the white letters clear of the bright sky.
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(at + QPointF(1, 1.5), title);
    painter.setPen(kTitle);
    painter.drawText(at, title);
    const double ruleY = at.y() + titlePixels * 0.30;
    painter.fillRect(QRectF(at.x() + 1, ruleY, titlePixels * 1.5, 3), kAccent);
    const double subtitleX = at.x() + 1;
    if (!tag.isEmpty()) {
        // An amber label on the subtitle line.
        const QFont tagFont = titleFont(std::max(10, titlePixels * 2 / 5) + 2);
        const QFontMetricsF metrics(tagFont);
        const QRectF chip(subtitleX, ruleY + 5, metrics.horizontalAdvance(tag) + 10,
                          metrics.height() + 1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccent);
        painter.drawRoundedRect(chip, 3, 3);
        painter.setFont(tagFont);
        painter.setPen(kNight);
        painter.drawText(chip, Qt::AlignCenter, tag);
    }
    // A tagged title is the window's own banner: the tag replaces the
    // subtitle, which would run into the picture.
    if (!subtitle.isEmpty() && tag.isEmpty()) {
        QFont small = titleFont(std::max(10, titlePixels * 2 / 5));
        small.setBold(false);
        painter.setFont(small);
        painter.setPen(kSubtitle);
        painter.drawText(QPointF(subtitleX, ruleY + 4 + small.pixelSize()), subtitle);
    }
    painter.restore();
}

void drawFrame(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(255, 255, 255, 45));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

// Unit load devices on a dolly, as on the apron beside a loading aircraft.
void drawContainers(QPainter& painter, QPointF base, double size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const double x = base.x() + i * size * 1.15;
        QPainterPath box;
        // Contoured container: a chamfer on the upper side facing the hold.
        box.moveTo(x, base.y());
        box.lineTo(x, base.y() - size * 0.72);
        box.lineTo(x + size * 0.25, base.y() - size);
        box.lineTo(x + size, base.y() - size);
        box.lineTo(x + size, base.y());
        box.closeSubpath();
        QLinearGradient metal(QPointF(x, base.y() - size), QPointF(x + size, base.y()));
        metal.setColorAt(0, QColor(0xd6, 0xdf, 0xea));
        metal.setColorAt(1, QColor(0x8c, 0x9b, 0xae));
        painter.setPen(QPen(QColor(0x3a, 0x48, 0x5c), 0.8));
        painter.setBrush(metal);
        painter.drawPath(box);
        painter.setPen(QPen(QColor(0x5c, 0x6b, 0x80), 0.6));
        for (double f = 0.3; f < 0.95; f += 0.3)
            painter.drawLine(QPointF(x + size * f, base.y() - size * 0.92),
                             QPointF(x + size * f, base.y() - 1.5));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2a, 0x33, 0x42));
    const double width = size * 3.3;
    painter.drawRect(QRectF(base.x() - 2, base.y(), width + 4, 2.2));
    painter.setBrush(QColor(0x10, 0x14, 0x1c));
    for (double wx : {0.12, 0.5, 0.88})
        painter.drawEllipse(QPointF(base.x() + width * wx, base.y() + 3.2), 1.6, 1.6);
    painter.restore();
}

// The route of a flight from departure to destination, with the aircraft on it.
void drawRoute(QPainter& painter, QPointF from, QPointF to, double lift) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arc(from);
    const QPointF control((from.x() + to.x()) / 2, std::min(from.y(), to.y()) - lift);
    arc.quadTo(control, to);
    QPen dashed(QColor(0xff, 0xff, 0xff, 170), 1.4, Qt::DashLine, Qt::RoundCap);
    dashed.setDashPattern({3, 3});
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
    painter.setPen(QPen(kNight, 1.2));
    painter.setBrush(kAccent);
    for (QPointF end : {from, to})
        painter.drawEllipse(end, 3.2, 3.2);
    // Waypoints along the way.
    painter.setBrush(kSilver);
    for (double t : {0.3, 0.78}) {
        const QPointF w = arc.pointAtPercent(t);
        painter.drawPolygon(QPolygonF{{w.x(), w.y() - 2.6},
                                      {w.x() + 2.6, w.y()},
                                      {w.x(), w.y() + 2.6},
                                      {w.x() - 2.6, w.y()}});
    }
    painter.restore();
}

// A fuel quantity dial with its needle at `fraction` of full.
void drawFuelDial(QPainter& painter, QPointF centre, double radius, double fraction) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xff, 0xff, 0xff, 40), 1));
    painter.setBrush(QColor(0x04, 0x0b, 0x16, 210));
    painter.drawEllipse(centre, radius, radius);
    const QRectF arcRect(centre.x() - radius * 0.78, centre.y() - radius * 0.78, radius * 1.56,
                         radius * 1.56);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x3f, 0xc4, 0x6a), radius * 0.16, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(arcRect, 210 * 16, -200 * 16);
    painter.setPen(QPen(kAccent, radius * 0.16, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(arcRect, 210 * 16, -40 * 16);
    const double angle = qDegreesToRadians(210 - 240 * fraction);
    painter.setPen(QPen(kTitle, radius * 0.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(std::cos(angle), -std::sin(angle)) * radius * 0.72);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTitle);
    painter.drawEllipse(centre, radius * 0.11, radius * 0.11);
    QFont font = titleFont(std::max(7, static_cast<int>(radius * 0.38)));
    painter.setFont(font);
    painter.setPen(kSubtitle);
    painter.drawText(
        QRectF(centre.x() - radius, centre.y() + radius * 0.2, radius * 2, radius * 0.6),
        Qt::AlignCenter, QStringLiteral("FUEL"));
    painter.restore();
}

void drawKeycap(QPainter& painter, const QRectF& key, const QString& label) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x02, 0x06, 0x0e, 150));
    painter.drawRoundedRect(key.translated(1.5, 2.5), 4, 4);
    painter.setBrush(QColor(0x9a, 0xa8, 0xba));
    painter.drawRoundedRect(key, 4, 4);
    QLinearGradient top(key.topLeft(), key.bottomLeft());
    top.setColorAt(0, QColor(0xf4, 0xf7, 0xfb));
    top.setColorAt(1, QColor(0xcf, 0xd8, 0xe4));
    painter.setBrush(top);
    painter.drawRoundedRect(key.adjusted(2, 1.5, -2, -4.5), 3, 3);
    QFont font = titleFont(static_cast<int>(key.height() * (label.size() > 2 ? 0.3 : 0.42)));
    painter.setFont(font);
    painter.setPen(kNight);
    painter.drawText(key.adjusted(2, 1.5, -2, -4.5), Qt::AlignCenter, label);
    painter.restore();
}

QImage menuImage(MenuTool tool, const QString& tag = {}) {
    QImage image = canvas(kMenuButtonSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(QPointF(0, 0), QSizeF(kMenuButtonSize));
    const double horizon = 52;
    QString title, subtitle;
    switch (tool) {
    case MenuTool::Configuration:
        drawSky(painter, rect, horizon, {372, horizon});
        drawStars(painter, QRectF(180, 2, 270, 22), 26, 7);
        drawRunway(painter, rect, horizon, 372, 62);
        drawSideView(painter, QRectF(300, 8, 120, 34), {2, 100}, kSilhouette, kSilhouette, -9);
        title = QStringLiteral("Configuration");
        subtitle = QStringLiteral("Realism, units, sound, MCDU keyboard, cold & dark");
        break;
    case MenuTool::LoadManager:
        drawSky(painter, rect, horizon, {250, horizon});
        drawStars(painter, QRectF(180, 2, 270, 18), 18, 11);
        painter.fillRect(QRectF(180, horizon + 9, 270, 1.2), QColor(0xff, 0xd2, 0x7a, 90));
        drawSideView(painter, QRectF(232, 13, 170, 46), {4, 100, true}, kSilver, kAccent);
        drawContainers(painter, {386, 62}, 14);
        title = QStringLiteral("Load Manager");
        subtitle = QStringLiteral("Passengers, cargo and zero fuel weight");
        break;
    case MenuTool::FuelPlanner:
        drawSky(painter, rect, horizon + 8, {300, horizon + 8});
        drawStars(painter, QRectF(180, 2, 270, 30), 30, 23);
        drawRoute(painter, {232, 50}, {372, 44}, 26);
        drawSideView(painter, QRectF(276, 25, 44, 13), {2, 100}, kSilver, kAccent, -3);
        drawFuelDial(painter, {418, 34}, 24, 0.68);
        title = QStringLiteral("Fuel Planner");
        subtitle = QStringLiteral("Trip fuel, reserves, block fuel and tanks");
        break;
    case MenuTool::KeyConfig:
        drawSky(painter, rect, horizon, {330, horizon});
        drawStars(painter, QRectF(180, 2, 270, 24), 22, 31);
        drawSideView(painter, QRectF(250, 4, 120, 30), {4, 115}, QColor(0x1a, 0x2b, 0x45),
                     QColor(0x1a, 0x2b, 0x45), -7);
        drawKeycap(painter, QRectF(262, 30, 50, 30), QStringLiteral("CTRL"));
        drawKeycap(painter, QRectF(318, 30, 30, 30), QStringLiteral("F8"));
        drawKeycap(painter, QRectF(354, 30, 30, 30), QStringLiteral("A"));
        drawKeycap(painter, QRectF(390, 30, 50, 30), QStringLiteral("SHIFT"));
        title = QStringLiteral("Key Config");
        subtitle = QStringLiteral("Keyboard shortcuts for 85 cockpit commands");
        break;
    }
    drawTitleShade(painter, rect, 0.62);
    drawTitle(painter, title, subtitle, {18, 34}, 26, tag);
    drawFrame(painter, rect);
    return image;
}

} // namespace

QImage menuButtonImage(MenuTool tool) {
    return menuImage(tool);
}

QImage fuelPlannerBanner(int aircraftCode) {
    const AircraftType* type = aircraftOfCode(aircraftCode);
    if (!type)
        return menuImage(MenuTool::FuelPlanner);
    return menuImage(MenuTool::FuelPlanner, QString::fromLatin1(type->designation));
}

QImage selectorImage(int aircraftCode) {
    const AircraftType& aircraft = *aircraftOfCode(
        std::clamp(aircraftCode, kFirstAircraft, kFirstAircraft + kAircraftCount - 1));
    const SideView view{aircraft.engines, static_cast<double>(aircraft.pictureLength)};

    QImage image = canvas(kSelectorSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(QPointF(0, 0), QSizeF(kSelectorSize));
    QLinearGradient back(rect.topLeft(), rect.bottomLeft());
    back.setColorAt(0, kDusk);
    back.setColorAt(1, kNight);
    painter.fillRect(rect, back);
    // A faint glow behind the aircraft, as on a hangar floor at night.
    QRadialGradient glow(QPointF(236, 40), 70);
    glow.setColorAt(0, QColor(0xff, 0xff, 0xff, 46));
    glow.setColorAt(1, QColor(0xff, 0xff, 0xff, 0));
    painter.fillRect(rect, glow);
    painter.fillRect(QRectF(170, 50, 130, 1), QColor(0xff, 0xff, 0xff, 50));
    drawSideView(painter, QRectF(176, 12, 118, 38), view, kSilver, kAccent);

    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(titleFont(28));
    const QString designation = QString::fromLatin1(aircraft.designation);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(QPointF(13, 35.5), designation);
    painter.setPen(kTitle);
    painter.drawText(QPointF(12, 34), designation);
    painter.fillRect(QRectF(13, 41, 34, 3), kAccent);
    QFont small = titleFont(10);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(kSubtitle);
    painter.drawText(QPointF(13, 55), QString::fromLatin1(aircraft.pictureDetail));
    drawFrame(painter, rect);
    return image;
}

QImage configurationBanner() {
    QImage image = canvas(kBannerSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(QPointF(0, 0), QSizeF(kBannerSize));
    const double horizon = 76;
    drawSky(painter, rect, horizon, {500, horizon});
    drawStars(painter, QRectF(220, 3, 418, 36), 46, 5);
    drawRunway(painter, rect, horizon, 500, 92);
    drawSideView(painter, QRectF(392, 10, 190, 54), {4, 104}, kSilhouette, kSilhouette, -10);
    drawTitleShade(painter, rect, 0.6);
    drawTitle(painter, QStringLiteral("Configuration"),
              QStringLiteral("Volaro Volume 2  \u2022  preferences of the aircraft package"),
              {24, 52}, 38);
    drawFrame(painter, rect);
    return image;
}

QImage programIcon(int size) {
    QImage image = canvas(QSize(size, size));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 100.0;
    painter.scale(s, s);
    QLinearGradient back(QPointF(0, 0), QPointF(0, 100));
    back.setColorAt(0, kDusk);
    back.setColorAt(1, kNight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(back);
    painter.drawRoundedRect(QRectF(2, 2, 96, 96), 20, 20);

    // An airliner from above, climbing to the upper right.
    painter.translate(50, 52);
    painter.rotate(40);
    painter.translate(-50, -50);
    // Engines hang below the wings and show ahead of their leading edges.
    painter.setBrush(QColor(0xb9, 0xc6, 0xd6));
    painter.drawRoundedRect(QRectF(63, 40, 6, 13), 2.5, 2.5);
    painter.drawRoundedRect(QRectF(31, 40, 6, 13), 2.5, 2.5);
    painter.setBrush(kSilver);
    painter.drawPath(polygon({{47, 38}, {92, 62}, {92, 67}, {47, 55}}));
    painter.drawPath(polygon({{53, 38}, {8, 62}, {8, 67}, {53, 55}}));
    painter.drawPath(polygon({{48, 78}, {66, 88}, {66, 92}, {48, 89}}));
    painter.drawPath(polygon({{52, 78}, {34, 88}, {34, 92}, {52, 89}}));
    QPainterPath body;
    body.addRoundedRect(QRectF(44.5, 6, 11, 88), 5.5, 5.5);
    painter.drawPath(body);
    painter.setBrush(kAccent); // the fin seen from above
    painter.drawRoundedRect(QRectF(49, 72, 2, 22), 1, 1);
    painter.setBrush(kNight); // cockpit windows
    painter.drawPath(polygon({{46.5, 14}, {53.5, 14}, {52.5, 16.5}, {47.5, 16.5}}));
    return image;
}

} // namespace art
