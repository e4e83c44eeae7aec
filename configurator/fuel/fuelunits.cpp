#include "configurator/fuel/fuelunits.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace fuel {

namespace {

std::int32_t truncateClamped(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t toDisplayUnit(std::int32_t kilograms, float unitFactor) {
    return truncateClamped(static_cast<float>(kilograms) * unitFactor);
}

std::int32_t toKilograms(std::int32_t shown, float unitFactor) {
    return truncateClamped(static_cast<float>(shown) / unitFactor);
}

std::int32_t convertShownWeight(std::int32_t shown, bool toPounds) {
    return truncateClamped(shown * (toPounds ? 2.204585537918871 : 0.4536));
}

QString tankText(std::int32_t kilograms, float fraction, float unitFactor) {
    char text[64];
    std::snprintf(text, sizeof text, "%d (%.1f%%)", toDisplayUnit(kilograms, unitFactor),
                  static_cast<double>(fraction * 100.0f));
    return QString::fromLatin1(text);
}

std::int32_t leadingInteger(const QString& text) {
    const QString head = text.left(98);
    qsizetype i = 0;
    while (i < head.size() && head[i].isSpace())
        ++i;
    bool negative = false;
    if (i < head.size() && (head[i] == QLatin1Char('-') || head[i] == QLatin1Char('+'))) {
        negative = head[i] == QLatin1Char('-');
        ++i;
    }
    std::int64_t value = 0;
    for (; i < head.size() && head[i] >= QLatin1Char('0') && head[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (head[i].unicode() - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            value = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

QString tooShortForAltitudeText(const FuelPlanInput& input, const FuelPlan& plan) {
    const std::int32_t needed = truncateClamped(std::ceil(plan.climbDescentDistance));
    return QStringLiteral("The flying distance of %1 NM is too short\n"
                          "for a cruising altitude of %2 ft:\n"
                          "the climb and the descent alone take about %3 NM.\n"
                          "This fuel plan is not valid.")
        .arg(input.distance)
        .arg(input.altitude)
        .arg(needed);
}

} // namespace fuel
