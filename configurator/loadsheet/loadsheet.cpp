#include "configurator/loadsheet/loadsheet.h"

#include "configurator/fuel/fuelunits.h"
#include "configurator/load/balance.h"

#include <QTimeZone>

namespace loadsheet {

namespace {

class Builder {
public:
    explicit Builder(const Flight& flight)
        : unit_(flight.unit)
        , symbol_(QLatin1String(unitSymbol(flight.unit))) {}

    // A payload figure, already in the unit.
    QString shown(int value) const { return QStringLiteral("%1 %2").arg(value).arg(symbol_); }
    QString tank(const fuel::TankLoad& load, bool present) const {
        return present ? fuel::tankText(load.amount, load.fraction, unit_) : QStringLiteral("---");
    }

    const QString& unit() const { return symbol_; }

private:
    WeightUnit unit_;
    QString symbol_;
};

} // namespace

namespace {

// The flight of `payload` and of the plan computed from `input`; `shown`
// holds the plan's weights as shown, `weights` the take-off and landing
// weights.
Flight flightOf(const CLoadManager& payload, const fuel::FuelPlanInput& input,
                const fuel::FuelPlan& plan, const fuel::FuelFigures& shown,
                const fuel::FlightWeights& weights, const QDateTime& when) {
    Flight flight;
    flight.aircraft = payload.aircraft().designation;
    flight.unit = payload.unit();
    flight.business = payload.business();
    flight.economy = payload.economy();
    flight.forward = payload.forward();
    flight.aft = payload.aft();
    flight.payload = payload.figures();
    flight.zfwCgMac = payload.zfwCgPercentMac();
    flight.payloadGivesOtherZfw = payload.lastZfw() != input.zeroFuelWeight;
    flight.fuel = shown;
    flight.plan = plan;
    flight.reservePercent = input.reservePercent;
    flight.type = &payload.aircraft();
    flight.weights = weights;
    flight.when = when;
    return flight;
}

} // namespace

Sheet composeSheet(const SheetRequest& request) {
    const CLoadManager& payload = request.payload;
    const fuel::FuelPlan plan = fuel::PlanFuel(payload.aircraft(), request.input);
    fuel::FlightWeights weights =
        fuel::flightWeights(request.shown.zeroFuelWeight, request.shown.taxiFuel, plan,
                            payload.unit(), request.maxGrossLb);
    Flight flight = flightOf(payload, request.input, plan, request.shown, weights, request.when);

    // On paper every total is the sum of the parts printed above it, in
    // either unit, and the empty weight is the file's.
    PayloadFigures& p = flight.payload;
    p.aircraftWeight =
        payload.unit() == WeightUnit::Pounds ? payload.emptyWeightLb() : payload.emptyWeightKg();
    p.paxWeight = p.businessWeight + p.economyWeight;
    p.cargoWeight = p.forwardWeight + p.aftWeight;
    p.zfw = p.aircraftWeight + p.paxWeight + p.cargoWeight;
    fuel::FuelFigures& f = flight.fuel;
    f.zeroFuelWeight = p.zfw;
    f.blockFuel = f.tripFuel + f.routeReserve + f.finalFuel + f.taxiFuel;
    weights.takeoff = f.zeroFuelWeight + f.blockFuel - f.taxiFuel;
    weights.landing = weights.takeoff - f.tripFuel;
    weights.overMaximum = weights.maxTakeoff && weights.takeoff > *weights.maxTakeoff;
    flight.weights = weights;
    return makeSheet(flight);
}

Sheet makeSheet(const Flight& f) {
    const Builder b(f);
    Sheet sheet;
    sheet.title = QStringLiteral("Load Sheet %1").arg(QLatin1String(f.aircraft));
    const QDateTime utc = f.when.toTimeZone(QTimeZone::utc());
    sheet.header
        << QStringLiteral("Aircraft: %1").arg(QLatin1String(f.aircraft))
        << QStringLiteral("Date: %1 UTC").arg(utc.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
        << QStringLiteral("Weights in %1")
               .arg(f.unit == WeightUnit::Pounds ? QStringLiteral("pounds (lb)")
                                                 : QStringLiteral("kilograms (kg)"));

    const PayloadFigures& p = f.payload;
    sheet.sections.push_back(
        {QStringLiteral("Passengers"),
         {{QStringLiteral("Business Class: %1 pax").arg(f.business), b.shown(p.businessWeight)},
          {QStringLiteral("Economy Class: %1 pax").arg(f.economy), b.shown(p.economyWeight)},
          {QStringLiteral("Pax Weight: %1 pax").arg(f.business + f.economy),
           b.shown(p.paxWeight)}}});
    sheet.sections.push_back(
        {QStringLiteral("Cargo"),
         {{QStringLiteral("Forward Cargo: %1%").arg(f.forward), b.shown(p.forwardWeight)},
          {QStringLiteral("Aft Cargo: %1%").arg(f.aft), b.shown(p.aftWeight)},
          {QStringLiteral("Cargo Weight"), b.shown(p.cargoWeight)}}});

    const QString cg = f.zfwCgMac
                           ? QStringLiteral("%1 % MAC")
                                 .arg(QString::fromStdString(balance::percentMacText(f.zfwCgMac)))
                           : QStringLiteral("---");
    sheet.sections.push_back({QStringLiteral("Weights"),
                              {{QStringLiteral("Aircraft Weight"), b.shown(p.aircraftWeight)},
                               {QStringLiteral("Zero Fuel Weight"), b.shown(f.fuel.zeroFuelWeight)},
                               {QStringLiteral("ZFW CG"), cg}}});

    const fuel::FuelPlan& plan = f.plan;
    const fuel::TankDistribution& tanks = plan.tanks;
    const AircraftType* a = f.type;
    sheet.sections.push_back({QStringLiteral("Fuel"),
                              {{QStringLiteral("Block Fuel (FOB)"), b.shown(f.fuel.blockFuel)},
                               {QStringLiteral("Trip Fuel"), b.shown(f.fuel.tripFuel)},
                               {QStringLiteral("Route Reserve: %1%").arg(f.reservePercent),
                                b.shown(f.fuel.routeReserve)},
                               {QStringLiteral("Final Fuel"), b.shown(f.fuel.finalFuel)},
                               {QStringLiteral("Taxi Fuel"), b.shown(f.fuel.taxiFuel)}}});
    sheet.sections.push_back(
        {QStringLiteral("Tanks (%1)").arg(b.unit()),
         {{QStringLiteral("Inner, each (LEFT / RIGHT)"), b.tank(tanks.Inner, a != nullptr)},
          {QStringLiteral("Outer, each"), b.tank(tanks.Outer, a && a->outerCapacity > 0)},
          {QStringLiteral("CENTER"), b.tank(tanks.Center, a && a->centerCapacity > 0)},
          {QStringLiteral("TRIM"), b.tank(tanks.Trim, a && a->trimCapacity > 0)}}});

    const QString maximum =
        f.weights.maxTakeoff ? b.shown(*f.weights.maxTakeoff) : QStringLiteral("not known");
    sheet.sections.push_back({QStringLiteral("Take-off and Landing"),
                              {{QStringLiteral("Take-off Weight"), b.shown(f.weights.takeoff)},
                               {QStringLiteral("Maximum Take-off Weight"), maximum},
                               {QStringLiteral("Landing Weight"), b.shown(f.weights.landing)}}});

    if (f.weights.overMaximum)
        sheet.notes << QStringLiteral("WARNING: the take-off weight exceeds the maximum.");
    if (fuel::exceedsCapacity(tanks))
        sheet.notes << QStringLiteral("WARNING: the block fuel exceeds what the tanks hold.");
    if (plan.tooShortForAltitude)
        sheet.notes << QStringLiteral("WARNING: the distance is too short for the cruising "
                                      "altitude; this fuel plan is not valid.");
    if (f.payloadGivesOtherZfw)
        sheet.notes << QStringLiteral("Note: the payload above gives a zero fuel weight of %1; "
                                      "the fuel plan is for %2.")
                           .arg(b.shown(f.payload.zfw), b.shown(f.fuel.zeroFuelWeight));
    return sheet;
}

QStringList sheetLines(const Sheet& sheet) {
    QStringList lines{sheet.title};
    lines << sheet.header;
    for (const Section& section : sheet.sections) {
        lines << QString() << section.heading;
        for (const Row& row : section.rows)
            lines << QStringLiteral("  ") + row.label.leftJustified(30) + u' ' + row.value;
    }
    if (!sheet.notes.isEmpty())
        lines << QString() << sheet.notes;
    return lines;
}

} // namespace loadsheet
