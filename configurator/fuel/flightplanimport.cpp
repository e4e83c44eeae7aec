#include "configurator/fuel/flightplanimport.h"

#include "configurator/fuel/fuelunits.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>
#include <cmath>

namespace fuel {

namespace {

// As many digits as the planner's fields take.
constexpr std::int32_t kLargestFigure = 99999999;

// Elements below <OFP>, as the planner documents its XML export.
struct Element {
    const char* path;
    const char* what; // for the user
};
constexpr Element kUnits{"params/units", "the unit of its weights"};
constexpr Element kAirDistance{"general/air_distance", "flying distance"};
constexpr Element kRouteDistance{"general/route_distance", "flying distance"};
constexpr Element kAltitude{"general/initial_altitude", "cruising altitude"};
constexpr Element kCostIndex{"general/costindex", "cost index"};
constexpr Element kZfw{"weights/est_zfw", "zero fuel weight"};
constexpr Element kTaxi{"fuel/taxi", "taxi fuel"};
constexpr Element kIcaoCode{"aircraft/icaocode", "aircraft type"};
constexpr Element kBaseType{"aircraft/base_type", "aircraft type"};
constexpr Element kName{"aircraft/name", "aircraft name"};

constexpr const Element* kElements[] = {&kUnits,     &kAirDistance, &kRouteDistance, &kAltitude,
                                        &kCostIndex, &kZfw,         &kTaxi,          &kIcaoCode,
                                        &kBaseType,  &kName};

QString tag(const Element& element) {
    QString text;
    for (const QString& name : QString::fromLatin1(element.path).split(u'/'))
        text += u'<' + name + u'>';
    return text;
}

QString named(const Element& element) {
    return QStringLiteral("%1 (%2)").arg(tag(element), QLatin1String(element.what));
}

// The planner names a type by its ICAO designator.
const AircraftType* aircraftOfType(const QString& code) {
    return aircraftOfIcaoType(code.toLatin1().toStdString());
}

class PlanReader {
public:
    explicit PlanReader(QHash<QString, QString> text)
        : text_(std::move(text)) {}

    bool has(const Element& element) const {
        return !text_.value(QLatin1String(element.path)).isEmpty();
    }
    QString text(const Element& element) const { return text_.value(QLatin1String(element.path)); }

    // A whole number in [lowest, kLargestFigure]; a decimal one is rounded
    // (half up), as the planner's figures are whole.
    std::optional<std::int32_t> figure(const Element& element, std::int32_t lowest,
                                       const char* unit, QString& error) const {
        bool ok = false;
        const double value = text(element).toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            error = QStringLiteral("its %1 is \"%2\", not a number")
                        .arg(named(element), text(element).left(40));
            return std::nullopt;
        }
        const double rounded = std::floor(value + 0.5);
        if (rounded < lowest || rounded > kLargestFigure) {
            error = QStringLiteral("its %1 of %2%3 is outside what the fuel planner accepts "
                                   "(%4 to %5%3)")
                        .arg(named(element), text(element), QLatin1String(unit))
                        .arg(lowest)
                        .arg(kLargestFigure);
            return std::nullopt;
        }
        return static_cast<std::int32_t>(rounded);
    }

private:
    QHash<QString, QString> text_;
};

// The texts of the elements we use, the first of each; an error text when the
// file is no OFP document.
QString readElements(QIODevice& device, QHash<QString, QString>& found) {
    QXmlStreamReader xml(&device);
    QStringList path; // below the root
    bool rootSeen = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (!rootSeen) {
                rootSeen = true;
                if (xml.name() != QLatin1String("OFP"))
                    return QStringLiteral("it is not a flight plan: its first element is <%1>, "
                                          "not <OFP>")
                        .arg(xml.name().toString().left(40));
                continue;
            }
            path << xml.name().toString();
            const QString key = path.join(u'/');
            bool wanted = false;
            for (const Element* element : kElements)
                wanted = wanted || key == QLatin1String(element->path);
            if (wanted && !found.contains(key)) {
                found.insert(key,
                             xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
                path.removeLast();
            }
        } else if (xml.isEndElement() && !path.isEmpty()) {
            path.removeLast();
        }
    }
    // Read to the end, so that a plan cut short is refused too.
    if (xml.hasError())
        return QStringLiteral("it is not well-formed XML (line %1, column %2: %3)")
            .arg(xml.lineNumber())
            .arg(xml.columnNumber())
            .arg(xml.errorString());
    if (!rootSeen)
        return QStringLiteral("it holds no XML element");
    return {};
}

} // namespace

std::int32_t PlanWeight::inUnit(WeightUnit unit) const {
    if (unit == this->unit)
        return asWritten;
    // The truncated figure can read back a kilogram short: show the least
    // one that Validate turns into the plan's kilograms again.
    std::int32_t shown = toDisplayUnit(kilograms, unit);
    while (toKilograms(shown, unit) < kilograms && shown < kLargestFigure)
        ++shown;
    return shown;
}

FlightPlanImport readFlightPlan(QIODevice& device, const AircraftType* chosen) {
    FlightPlanImport result;
    QHash<QString, QString> texts;
    result.error = readElements(device, texts);
    if (!result.error.isEmpty())
        return result;
    const PlanReader plan(std::move(texts));

    QStringList missing;
    if (!plan.has(kUnits))
        missing << named(kUnits);
    if (!plan.has(kAirDistance) && !plan.has(kRouteDistance))
        missing << QStringLiteral("%1 or %2 (%3)")
                       .arg(tag(kAirDistance), tag(kRouteDistance),
                            QLatin1String(kAirDistance.what));
    for (const Element* element : {&kAltitude, &kCostIndex, &kZfw, &kTaxi}) {
        if (!plan.has(*element))
            missing << named(*element);
    }
    if (!plan.has(kIcaoCode) && !plan.has(kBaseType))
        missing << named(kIcaoCode);
    if (!missing.isEmpty()) {
        const QString last = missing.takeLast();
        result.error = QStringLiteral("it has no ") +
                       (missing.isEmpty()
                            ? last
                            : missing.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last);
        return result;
    }

    const QString type = plan.has(kIcaoCode) ? plan.text(kIcaoCode) : plan.text(kBaseType);
    const AircraftType* planned = aircraftOfType(type);
    if (!planned && plan.has(kBaseType))
        planned = aircraftOfType(plan.text(kBaseType)); // a variant of one of ours
    if (!planned) {
        const QString name =
            plan.has(kName) ? QStringLiteral(" (%1)").arg(plan.text(kName).left(40)) : QString();
        result.error = QStringLiteral("it is for a %1%2, which is not an %3")
                           .arg(type.left(40), name, QString::fromStdString(aircraftNamesText()));
        return result;
    }
    if (chosen && planned != chosen) {
        result.error =
            QStringLiteral("it is for the %1 (%2), not for the %3 chosen")
                .arg(QLatin1String(planned->designation), QLatin1String(planned->icaoType),
                     QLatin1String(chosen->designation));
        return result;
    }

    const QString units = plan.text(kUnits);
    const bool pounds = units.compare(QLatin1String("lbs"), Qt::CaseInsensitive) == 0;
    if (!pounds && units.compare(QLatin1String("kgs"), Qt::CaseInsensitive) != 0) {
        result.error =
            QStringLiteral("its %1 is \"%2\", not kgs or lbs").arg(named(kUnits), units.left(40));
        return result;
    }
    const char* weightUnit = pounds ? " lb" : " kg";

    ImportedFlight flight;
    flight.aircraft = planned;
    QString& error = result.error;
    const Element& distance = plan.has(kAirDistance) ? kAirDistance : kRouteDistance;
    const auto figure = [&](const Element& element, std::int32_t lowest, const char* unit,
                            std::int32_t& into) {
        if (!error.isEmpty())
            return;
        if (const auto value = plan.figure(element, lowest, unit, error))
            into = *value;
    };
    const auto weight = [&](const Element& element, std::int32_t lowest, PlanWeight& into) {
        into.unit = pounds ? WeightUnit::Pounds : WeightUnit::Kilograms;
        figure(element, lowest, weightUnit, into.asWritten);
        into.kilograms = pounds ? toKilograms(into.asWritten, WeightUnit::Pounds) : into.asWritten;
    };
    figure(distance, 1, " NM", flight.distance);
    figure(kAltitude, 1, " ft", flight.altitude);
    // Cost index 0 is a common choice: the longest range.
    figure(kCostIndex, 0, "", flight.costIndex);
    weight(kZfw, 1, flight.zeroFuelWeight);
    weight(kTaxi, 0, flight.taxiFuel);
    // 1 or 2 lb is no kilogram: the planner would count it as empty.
    if (error.isEmpty() && flight.zeroFuelWeight.kilograms < 1)
        error = QStringLiteral("its %1 of %2 lb is below 1 kg")
                    .arg(named(kZfw))
                    .arg(flight.zeroFuelWeight.asWritten);
    if (error.isEmpty())
        result.flight = flight;
    return result;
}

FlightPlanImport readFlightPlanFile(const QString& hostPath, const AircraftType* chosen) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        FlightPlanImport result;
        result.error = QStringLiteral("it cannot be opened: %1").arg(file.errorString());
        return result;
    }
    return readFlightPlan(file, chosen);
}

} // namespace fuel
