#include "configurator/fuel/fuelunits.h"

#include "common/text/leadinginteger.h"

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

std::int32_t toDisplayUnit(std::int32_t kilograms, WeightUnit unit) {
    return truncateClamped(static_cast<float>(kilograms) * displayFactor(unit));
}

std::int32_t toKilograms(std::int32_t shown, WeightUnit unit) {
    return truncateClamped(static_cast<float>(shown) / displayFactor(unit));
}

std::int32_t convertShownWeight(std::int32_t shown, WeightUnit to) {
    return truncateClamped(shown * (to == WeightUnit::Pounds ? 2.204585537918871 : 0.4536));
}

QString tankText(std::int32_t kilograms, float fraction, WeightUnit unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%d (%.1f%%)", toDisplayUnit(kilograms, unit),
                  static_cast<double>(fraction * 100.0f));
    return QString::fromLatin1(text);
}

std::int32_t leadingInteger(const QString& text) {
    // Digits, signs and "%d"'s white space are all the scan looks at.
    std::string head;
    for (const QChar c : text.left(98))
        head.push_back(c.isSpace()          ? ' '
                       : c.unicode() < 0x80 ? static_cast<char>(c.unicode())
                                            : '?');
    return text::scanDecimal(head, text::Overflow::Saturates).value_or(0);
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
