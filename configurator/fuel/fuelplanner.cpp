#include "configurator/fuel/fuelplanner.h"

#include "common/ui/coloredit.h"
#include "common/ui/filedialog.h"
#include "common/ui/messagebox.h"
#include "configurator/fuel/flightplanimport.h"
#include "configurator/fuel/fueldefaults.h"
#include "configurator/fuel/takeoffweight.h"
#include "configurator/res/fuelplannerart.h"
#include "configurator/res/shellart.h"
#include "configurator/session/sessionstate.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpressionValidator>
#include <QStandardPaths>
#include <algorithm>

namespace {

using ui::Kind;

// Typed figures; a unit switch may write one digit more, which the
// arithmetic's 64-bit sums still hold.
constexpr int kMaxDigits = 8;

constexpr ui::Control kControls[] = {
    {CFuelPlanner::kBanner, Kind::Bitmap, "", 7, 6, 300, 43},

    {ui::kNoId, Kind::GroupBox, "Flight Information", 7, 52, 300, 83},
    {ui::kNoId, Kind::Text, "Flying Distance *", 14, 66, 68, 10},
    {CFuelPlanner::kDistance, Kind::Edit, "", 84, 64, 44, 12, ui::Right},
    {ui::kNoId, Kind::Text, "NM", 131, 66, 28, 10},
    {ui::kNoId, Kind::Text, "Cruising Altitude *", 14, 82, 68, 10},
    {CFuelPlanner::kAltitude, Kind::Edit, "", 84, 80, 44, 12, ui::Right},
    {ui::kNoId, Kind::Text, "feet", 131, 82, 28, 10},
    {ui::kNoId, Kind::Text, "Cost Index *", 14, 98, 68, 10},
    {CFuelPlanner::kCostIndex, Kind::Edit, "", 84, 96, 44, 12, ui::Right},
    {CFuelPlanner::kCostIndexUnit, Kind::Text, "kg/min", 131, 98, 28, 10},
    {ui::kNoId, Kind::Text, "Zero Fuel Weight *", 14, 114, 68, 10},
    {CFuelPlanner::kZeroFuelWeight, Kind::Edit, "", 84, 112, 44, 12, ui::Right},
    {CFuelPlanner::kZfwUnit, Kind::Text, "kg", 131, 114, 28, 10},
    {ui::kNoId, Kind::Text, "Taxi Fuel", 170, 66, 54, 10},
    {CFuelPlanner::kTaxiFuel, Kind::Edit, "", 226, 64, 44, 12, ui::Right},
    {CFuelPlanner::kTaxiUnit, Kind::Text, "kg", 273, 66, 28, 10},
    {ui::kNoId, Kind::Text, "Trip Fuel", 170, 82, 54, 10},
    {CFuelPlanner::kTripFuel, Kind::Edit, "", 226, 80, 44, 12, ui::Right | ui::ReadOnly},
    {CFuelPlanner::kTripUnit, Kind::Text, "kg", 273, 82, 28, 10},
    {ui::kNoId, Kind::Text, "Route Reserve", 170, 98, 54, 10},
    {CFuelPlanner::kRouteReserve, Kind::Edit, "", 226, 96, 44, 12, ui::Right},
    {ui::kNoId, Kind::Text, "%", 273, 98, 28, 10},
    {ui::kNoId, Kind::Text, "Final Fuel", 170, 114, 54, 10},
    {CFuelPlanner::kFinalFuel, Kind::Edit, "", 226, 112, 44, 12, ui::Right},
    {CFuelPlanner::kFinalUnit, Kind::Text, "kg", 273, 114, 28, 10},

    {ui::kNoId, Kind::GroupBox, "Unit System", 7, 139, 300, 26},
    {CFuelPlanner::kMetric, Kind::RadioButton, "Metric (kg)", 62, 151, 70, 10, ui::GroupStart},
    {CFuelPlanner::kImperial, Kind::RadioButton, "Imperial (lbs)", 182, 151, 70, 10},

    {CFuelPlanner::kValidate, Kind::DefaultButton, "Validate", 129, 170, 56, 15},

    {ui::kNoId, Kind::GroupBox, "Fuel Management", 7, 190, 300, 104},
    {CFuelPlanner::kPlanView, Kind::Bitmap, "", 10, 198, 294, 94},
    {ui::kNoId, Kind::Text, "FOB", 100, 206, 25, 10, ui::Right},
    {CFuelPlanner::kBlockFuel, Kind::Custom, "", 129, 204, 56, 13},
    {CFuelPlanner::kBlockUnit, Kind::Text, "kg", 189, 207, 20, 10},
    {ui::kNoId, Kind::Text, "LEFT", 71, 228, 56, 10, ui::Centered},
    {ui::kNoId, Kind::Text, "CENTER", 129, 228, 56, 10, ui::Centered},
    {ui::kNoId, Kind::Text, "RIGHT", 187, 228, 56, 10, ui::Centered},
    {CFuelPlanner::kOuterLeft, Kind::Custom, "", 13, 239, 56, 13},
    {CFuelPlanner::kInnerLeft, Kind::Custom, "", 71, 239, 56, 13},
    {CFuelPlanner::kCenter, Kind::Custom, "", 129, 239, 56, 13},
    {CFuelPlanner::kInnerRight, Kind::Custom, "", 187, 239, 56, 13},
    {CFuelPlanner::kOuterRight, Kind::Custom, "", 245, 239, 56, 13},
    {ui::kNoId, Kind::Text, "TRIM", 129, 258, 56, 10, ui::Centered},
    {CFuelPlanner::kTrim, Kind::Custom, "", 129, 268, 56, 13},
    {ui::kNoId, Kind::Text, "(Center2)", 129, 282, 56, 10, ui::Centered},
    // In the free corners below the wings, level with TRIM.
    {ui::kNoId, Kind::Text, "TOW", 13, 258, 56, 10, ui::Centered},
    {CFuelPlanner::kTakeoffWeight, Kind::Edit, "", 13, 268, 56, 13, ui::Centered | ui::ReadOnly},
    {CFuelPlanner::kTakeoffUnit, Kind::Text, "kg", 13, 282, 56, 10, ui::Centered},
    {ui::kNoId, Kind::Text, "LW", 245, 258, 56, 10, ui::Centered},
    {CFuelPlanner::kLandingWeight, Kind::Edit, "", 245, 268, 56, 13, ui::Centered | ui::ReadOnly},
    {CFuelPlanner::kLandingUnit, Kind::Text, "kg", 245, 282, 56, 10, ui::Centered},

    {CFuelPlanner::kImportOfp, Kind::PushButton, "&Import OFP...", 7, 299, 62, 14},
    {CFuelPlanner::kExportLoadSheet, Kind::PushButton, "&Export load sheet...", 73, 299, 80, 14},
    {2, Kind::PushButton, "Close", 257, 299, 50, 14},
};

constexpr ui::DialogTemplate kTemplate{"Fuel Planner", 314, 320, kControls};

constexpr int kInputFields[] = {
    CFuelPlanner::kDistance,       CFuelPlanner::kAltitude, CFuelPlanner::kCostIndex,
    CFuelPlanner::kZeroFuelWeight, CFuelPlanner::kTaxiFuel, CFuelPlanner::kRouteReserve,
    CFuelPlanner::kFinalFuel,
};

// The weights the user gives; shown in the unit in force.
constexpr int kWeightInputs[] = {CFuelPlanner::kZeroFuelWeight, CFuelPlanner::kTaxiFuel,
                                 CFuelPlanner::kFinalFuel};

// What Validate writes; cleared when a figure changes.
constexpr int kResultFields[] = {CFuelPlanner::kTripFuel,      CFuelPlanner::kBlockFuel,
                                 CFuelPlanner::kOuterLeft,     CFuelPlanner::kInnerLeft,
                                 CFuelPlanner::kCenter,        CFuelPlanner::kInnerRight,
                                 CFuelPlanner::kOuterRight,    CFuelPlanner::kTrim,
                                 CFuelPlanner::kTakeoffWeight, CFuelPlanner::kLandingWeight};

// The take-off weight while it is above the maximum.
const QColor kOverMaximumBackground{255, 190, 190};
const QColor kOverMaximumText{120, 0, 0};

struct FieldColors {
    int id;
    QColor background;
    QColor text;
};

const FieldColors kFieldColors[] = {
    {CFuelPlanner::kOuterLeft, {255, 255, 128}, Qt::black},
    {CFuelPlanner::kOuterRight, {255, 255, 128}, Qt::black},
    {CFuelPlanner::kInnerLeft, {255, 200, 130}, Qt::black},
    {CFuelPlanner::kInnerRight, {255, 200, 130}, Qt::black},
    {CFuelPlanner::kCenter, {192, 255, 192}, Qt::black},
    {CFuelPlanner::kTrim, {192, 255, 192}, Qt::black},
    {CFuelPlanner::kBlockFuel, {0, 0, 150}, Qt::white},
};

void paintField(QLineEdit* field, const QColor& background, const QColor& text) {
    QPalette colors = field->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, background);
        colors.setColor(group, QPalette::Text, text);
    }
    field->setPalette(colors);
}

const QString kMissingTank = QStringLiteral("---");

} // namespace

CFuelPlanner::CFuelPlanner(QWidget* parent)
    : ui::TemplateDialog(kTemplate, parent)
    , aircraft_(aircraftOfCode(CurrentAircraft)) {
    // Bitmap 138, the image of the main menu's fuel planner button, naming
    // the aircraft the plan is for.
    setImage(kBanner, QPixmap::fromImage(art::fuelPlannerBanner(CurrentAircraft)));
    const QRect planView = control(kPlanView)->geometry();
    setImage(kPlanView, QPixmap::fromImage(art::fuelTankPlanView(planView.size())));

    const QRegularExpression digits(QStringLiteral("[0-9]{0,%1}").arg(kMaxDigits));
    for (int id : kInputFields) {
        QLineEdit* input = field(id);
        input->setValidator(new QRegularExpressionValidator(digits, input));
        connect(input, &QLineEdit::textChanged, this, [this, id] { fieldEdited(id); });
    }
    // Results, not inputs: the keyboard skips them and they look read-only.
    for (int id : {kTripFuel, kTakeoffWeight, kLandingWeight}) {
        field(id)->setFocusPolicy(Qt::NoFocus);
        paintField(field(id), palette().color(QPalette::Window),
                   palette().color(QPalette::WindowText));
    }
    for (const FieldColors& colors : kFieldColors) {
        auto* result = new CColorEdit;
        result->setBackgroundColor(colors.background);
        result->setTextColor(colors.text);
        placeCustom(colors.id, result);
    }
    QFont bold = field(kBlockFuel)->font();
    bold.setBold(true);
    field(kBlockFuel)->setFont(bold);
    open();
}

QLineEdit* CFuelPlanner::field(int id) const {
    return control<QLineEdit>(id);
}

void CFuelPlanner::open() {
    setFieldText(kCostIndex, QString::number(fuel::kDefaultCostIndex));
    const std::int32_t slot = CurrentAircraft - kFirstAircraft;
    if (slot >= 0 && slot < kAircraftCount && AircraftZfw[slot] > 0)
        enter(kZeroFuelWeight, AircraftZfw[slot], WeightUnit::Kilograms);
    setChecked(kMetric, true);
    enter(kTaxiFuel, fuel::kDefaultTaxiFuel, WeightUnit::Kilograms);
    setFieldText(kRouteReserve, QString::number(fuel::kDefaultReservePercent));
    enter(kFinalFuel, fuel::kDefaultFinalFuel, WeightUnit::Kilograms);
    unit_ = WeightUnit::Kilograms;
    input_ = fuel::kDefaultInput;
}

void CFuelPlanner::onCommand(int id) {
    switch (id) {
    case kValidate:
        validate();
        break;
    case kMetric:
        switchUnit(WeightUnit::Kilograms);
        break;
    case kImperial:
        switchUnit(WeightUnit::Pounds);
        break;
    case kImportOfp:
        importFlightPlan();
        break;
    case kExportLoadSheet:
        exportLoadSheet();
        break;
    default:
        ui::TemplateDialog::onCommand(id);
        break;
    }
}

std::int32_t CFuelPlanner::readField(int id) const {
    return fuel::leadingInteger(field(id)->text());
}

void CFuelPlanner::setFieldText(int id, const QString& text) {
    const bool writing = writing_;
    writing_ = true;
    field(id)->setText(text);
    writing_ = writing;
}

// The user changed a figure: the results shown were for other figures.
void CFuelPlanner::fieldEdited(int id) {
    if (writing_)
        return;
    if (std::find(std::begin(kWeightInputs), std::end(kWeightInputs), id) !=
        std::end(kWeightInputs)) {
        const QString text = field(id)->text();
        entered_[id] = {readField(id), unit_, text.trimmed().isEmpty()};
    }
    clearResults();
}

void CFuelPlanner::enter(int id, std::int32_t value, WeightUnit unit) {
    entered_[id] = {value, unit, false};
    setFieldText(id,
                 QString::number(unit == unit_ ? value : fuel::convertShownWeight(value, unit_)));
}

// As the user gave it: a figure typed in pounds is read as kilograms the
// way the unit's factor reads it; one given in kilograms stays exact.
std::int32_t CFuelPlanner::enteredKilograms(int id) const {
    const auto it = entered_.find(id);
    if (it == entered_.end() || it->second.empty)
        return 0;
    return fuel::toKilograms(it->second.value, it->second.unit);
}

void CFuelPlanner::clearResults() {
    for (int id : kResultFields)
        setFieldText(id, QString());
    paintField(field(kTakeoffWeight), palette().color(QPalette::Window),
               palette().color(QPalette::WindowText));
    resultsShown_ = false;
}

bool CFuelPlanner::validate() {
    fuel::FuelPlanInput input = input_;
    input.distance = readField(kDistance);
    input.altitude = readField(kAltitude);
    input.costIndex = readField(kCostIndex);
    input.zeroFuelWeight = enteredKilograms(kZeroFuelWeight);
    // An empty cost index is missing; 0 is a cost index (the longest range).
    if (input.distance <= 0 || input.altitude <= 0 ||
        field(kCostIndex)->text().trimmed().isEmpty() || input.zeroFuelWeight <= 0) {
        ui::showMessage(this, QStringLiteral("All the mandatory fields must be filled."),
                        QStringLiteral("ERROR"), ui::MessageIcon::Error);
        return false;
    }
    input.taxiFuel = enteredKilograms(kTaxiFuel);
    input.finalFuel = enteredKilograms(kFinalFuel);
    input.reservePercent = readField(kRouteReserve);
    input_ = input;
    if (!aircraft_)
        return false; // no aircraft chosen: the menu never opens the planner so

    plan_ = fuel::PlanFuel(*aircraft_, input_);
    maxGrossLb_ = fuel::maxGrossWeightLb(aircraft_->code);
    showResults();
    const fuel::FlightWeights weights = fuel::flightWeights(
        readField(kZeroFuelWeight), readField(kTaxiFuel), plan_, unit_, maxGrossLb_);
    // The figures stay as computed; the user must not take them for a plan.
    if (plan_.tooShortForAltitude) {
        ui::showMessage(this, fuel::tooShortForAltitudeText(input_, plan_),
                        QStringLiteral("WARNING"), ui::MessageIcon::Exclamation);
    }
    if (fuel::exceedsCapacity(plan_.tanks)) {
        // The amount that does not fit, as the terminal says it, beside the text.
        ui::showMessage(
            this,
            QStringLiteral("Warning.\nThis fuel quantity may be too low for this trip.\n"
                           "(%1 %2 do not fit in the tanks)")
                .arg(fuel::toDisplayUnit(plan_.tanks.remainder, unit_))
                .arg(QLatin1String(unitSymbol(unit_))),
            QStringLiteral("Fuel Capacity Warning"), ui::MessageIcon::Information);
    }
    if (weights.overMaximum) {
        ui::showMessage(this, fuel::takeoffWeightWarningText(weights, unit_),
                        QStringLiteral("WARNING"), ui::MessageIcon::Exclamation);
    }
    return true;
}

// The unit below each weight; under the take-off weight with the maximum it
// is checked against, once Validate has found one.
void CFuelPlanner::showWeightUnits() {
    const QString unit = QLatin1String(unitSymbol(unit_));
    control<QLabel>(kLandingUnit)->setText(unit);
    control<QLabel>(kTakeoffUnit)
        ->setText(maxGrossLb_ ? QStringLiteral("max %1 %2")
                                    .arg(fuel::fileWeightShown(*maxGrossLb_, unit_))
                                    .arg(unit)
                              : unit);
}

// Every tank field, "---" for a tank the aircraft lacks.
void CFuelPlanner::showTanks() {
    const auto show = [&](std::initializer_list<int> ids, const fuel::TankLoad& load,
                          bool present) {
        const QString text =
            present ? fuel::tankText(load.amount, load.fraction, unit_) : kMissingTank;
        for (int id : ids)
            setFieldText(id, text);
    };
    const bool known = aircraft_ != nullptr;
    const fuel::TankDistribution& tanks = plan_.tanks;
    show({kInnerLeft, kInnerRight}, tanks.Inner, known);
    show({kOuterLeft, kOuterRight}, tanks.Outer, known && aircraft_->outerCapacity > 0);
    show({kCenter}, tanks.Center, known && aircraft_->centerCapacity > 0);
    show({kTrim}, tanks.Trim, known && aircraft_->trimCapacity > 0);
}

// The plan in the unit shown; the weights from the figures as shown, so they
// add up on the screen.
void CFuelPlanner::showResults() {
    setFieldText(kTripFuel, QString::number(fuel::toDisplayUnit(plan_.tripFuel, unit_)));
    setFieldText(kBlockFuel, QString::number(fuel::toDisplayUnit(plan_.blockFuel, unit_)));
    showTanks();
    const fuel::FlightWeights weights = fuel::flightWeights(
        readField(kZeroFuelWeight), readField(kTaxiFuel), plan_, unit_, maxGrossLb_);
    setFieldText(kTakeoffWeight, QString::number(weights.takeoff));
    setFieldText(kLandingWeight, QString::number(weights.landing));
    if (weights.overMaximum)
        paintField(field(kTakeoffWeight), kOverMaximumBackground, kOverMaximumText);
    else
        paintField(field(kTakeoffWeight), palette().color(QPalette::Window),
                   palette().color(QPalette::WindowText));
    showWeightUnits();
    resultsShown_ = true;
}

void CFuelPlanner::switchUnit(WeightUnit unit) {
    if (unit == unit_)
        return;
    unit_ = unit;
    const bool pounds = unit == WeightUnit::Pounds;
    const QString weightUnit = pounds ? QStringLiteral("lb") : QStringLiteral("kg");
    for (int id : {kZfwUnit, kTaxiUnit, kTripUnit, kFinalUnit, kBlockUnit})
        control<QLabel>(id)->setText(weightUnit);
    control<QLabel>(kCostIndexUnit)
        ->setText(pounds ? QStringLiteral("100lb/h") : QStringLiteral("kg/min"));

    // Each weight as the user gave it, in its own unit, else converted from
    // that figure: any number of switches gives back what was typed.
    for (int id : kWeightInputs) {
        const EnteredWeight& weight = entered_[id];
        if (weight.empty)
            continue;
        setFieldText(id, QString::number(weight.unit == unit
                                             ? weight.value
                                             : fuel::convertShownWeight(weight.value, unit)));
    }
    if (resultsShown_)
        showResults();
    showWeightUnits();
}

// Fills the flight's figures from a SimBrief plan; the user still presses
// Validate. A plan that cannot be used changes no field.
void CFuelPlanner::importFlightPlan() {
    // The last folder a plan came from, else the documents: a folder that is there.
    QString folder = lastFolder_;
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString file =
        ui::askForFile({this, ui::FileDialogMode::Open, QStringLiteral("Import OFP"), folder,
                        QStringLiteral("SimBrief flight plans (*.xml);;All files (*)")});
    if (file.isEmpty())
        return;
    lastFolder_ = QFileInfo(file).absolutePath();
    const fuel::FlightPlanImport plan = fuel::readFlightPlanFile(file, aircraft_);
    if (!plan.flight) {
        ui::showMessage(this,
                        QStringLiteral("The flight plan\n%1\ncannot be imported: %2.\n"
                                       "No field was changed.")
                            .arg(QDir::toNativeSeparators(file), plan.error),
                        QStringLiteral("ERROR"), ui::MessageIcon::Error);
        return;
    }
    const fuel::ImportedFlight& flight = *plan.flight;
    setFieldText(kDistance, QString::number(flight.distance));
    setFieldText(kAltitude, QString::number(flight.altitude));
    setFieldText(kCostIndex, QString::number(flight.costIndex));
    for (const auto& [id, weight] : {std::pair{kZeroFuelWeight, flight.zeroFuelWeight},
                                     std::pair{kTaxiFuel, flight.taxiFuel}}) {
        entered_[id] = {weight.asWritten, weight.unit, false};
        setFieldText(id, QString::number(weight.inUnit(unit_)));
    }
    clearResults();
}

fuel::PlannedFlight CFuelPlanner::plannedFlight() const {
    fuel::PlannedFlight flight;
    flight.type = aircraft_;
    flight.input = input_;
    flight.unit = unit_;
    flight.shown = fuel::shownFigures(input_, plan_, unit_);
    flight.shown.zeroFuelWeight = readField(kZeroFuelWeight);
    flight.shown.taxiFuel = readField(kTaxiFuel);
    flight.shown.tripFuel = readField(kTripFuel);
    flight.shown.finalFuel = readField(kFinalFuel);
    flight.shown.blockFuel = readField(kBlockFuel);
    flight.maxGrossLb = maxGrossLb_;
    flight.plan = plan_;
    return flight;
}

std::optional<fuel::PlannedFlight> CFuelPlanner::planWithZeroFuelWeight(std::int32_t kilograms) {
    enter(kZeroFuelWeight, kilograms, WeightUnit::Kilograms);
    clearResults();
    if (!validate())
        return std::nullopt;
    return plannedFlight();
}

// The sheet shows what the window shows: the plan of the figures shown,
// validated first when they changed since.
void CFuelPlanner::exportLoadSheet() {
    if (!resultsShown_ && !validate())
        return;
    if (!aircraft_)
        return;
    // A plan Validate warned about is no plan to fly, nor to print.
    if (plan_.tooShortForAltitude || plan_.tripFuel < 0) {
        ui::showMessage(this,
                        QStringLiteral("No load sheet is printed for this plan:\n%1")
                            .arg(fuel::tooShortForAltitudeText(input_, plan_)),
                        QStringLiteral("ERROR"), ui::MessageIcon::Error);
        return;
    }
    Q_EMIT loadSheetRequested(plannedFlight());
}
