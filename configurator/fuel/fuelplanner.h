#pragma once
// The fuel planner window: the user types the flight's figures, Validate
// shows the trip fuel, the block fuel (FOB) and each tank's load, in
// kilograms or pounds. Nothing is saved; the plan lives as long as the window.

#include "common/ui/dialogtemplate.h"
#include "configurator/fuel/fueldefaults.h"
#include "configurator/fuel/fuelplan.h"
#include "configurator/fuel/fuelunits.h"
#include "configurator/fuel/plannedflight.h"

#include <map>
#include <optional>

class QLineEdit;

class CFuelPlanner : public ui::TemplateDialog {
    Q_OBJECT
public:
    // Control ids of the window's template.
    enum : int {
        kDistance = 1009,
        kAltitude = 1010,
        kCostIndex = 1011,
        kZeroFuelWeight = 1012,
        kTaxiFuel = 1013,
        kTripFuel = 1014,
        kRouteReserve = 1015,
        kFinalFuel = 1016,
        kOuterLeft = 1023,
        kValidate = 1024,
        kOuterRight = 1025,
        kInnerLeft = 1026,
        kInnerRight = 1027,
        kCenter = 1028,
        kMetric = 1029,
        kImperial = 1030,
        kZfwUnit = 1031,
        kBlockFuel = 1032,
        kCostIndexUnit = 1033,
        kTaxiUnit = 1034,
        kTripUnit = 1035,
        kFinalUnit = 1036,
        kBlockUnit = 1037,
        kTrim = 1038,
        kBanner = 1039,
        kPlanView = 1040,
        // Beside the template's controls: take-off and landing weights.
        kTakeoffWeight = 1041,
        kTakeoffUnit = 1042, // "kg", or the maximum with its unit
        kLandingWeight = 1043,
        kLandingUnit = 1044,
        // In the free left of the bottom row: a flight plan in, a load sheet out.
        kImportOfp = 1060,
        kExportLoadSheet = 1061,
    };

    // Takes the aircraft from `CurrentAircraft` and the zero fuel weight from
    // `AircraftZfw`.
    explicit CFuelPlanner(QWidget* parent = nullptr);

    QLineEdit* field(int id) const;
    WeightUnit unit() const { return unit_; }
    // The results shown belong to the figures shown (Validate since the last
    // change of a figure).
    bool resultsShown() const { return resultsShown_; }
    // Takes `kilograms` as the zero fuel weight and validates: the flight
    // then shown, or nothing when Validate refused it.
    std::optional<fuel::PlannedFlight> planWithZeroFuelWeight(std::int32_t kilograms);

Q_SIGNALS:
    // "Export load sheet..." after a Validate that computed a plan: the
    // flight shown, for whoever prints its sheet.
    void loadSheetRequested(const fuel::PlannedFlight& flight);

protected:
    void onCommand(int id) override;

private:
    void open();
    bool validate(); // false: a mandatory figure is missing
    void switchUnit(WeightUnit unit);
    void importFlightPlan();
    void exportLoadSheet();
    void showTanks();
    void showResults();
    void clearResults();
    void showWeightUnits();
    void setFieldText(int id, const QString& text);
    void fieldEdited(int id);
    void enter(int id, std::int32_t value, WeightUnit unit);
    std::int32_t enteredKilograms(int id) const;
    fuel::PlannedFlight plannedFlight() const;
    std::int32_t readField(int id) const;

    // A weight as the user gave it (typed, imported or the default), so that
    // a unit switch never changes it: shown as given in its own unit.
    struct EnteredWeight {
        std::int32_t value = 0;
        WeightUnit unit = WeightUnit::Kilograms;
        bool empty = true;
    };
    std::map<int, EnteredWeight> entered_;
    bool writing_ = false; // the window writes a field, not the user
    bool resultsShown_ = false;
    QString lastFolder_; // of the last flight plan opened

    const AircraftType* aircraft_ = nullptr;
    WeightUnit unit_ = WeightUnit::Kilograms;
    fuel::FuelPlanInput input_ = fuel::kDefaultInput;
    fuel::FuelPlan plan_;
    std::optional<double> maxGrossLb_; // of the last Validate; nothing: no check
};
