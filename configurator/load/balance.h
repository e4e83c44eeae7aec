#pragma once
// Centre of gravity in per cent of the mean aerodynamic chord (MAC), by the
// simulator's own rule, from the [WEIGHT_AND_BALANCE] and [airplane_geometry]
// sections of an aircraft.cfg. Positions in feet, positive forward; weights
// in pounds (only their ratios count).

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace balance {

struct WingGeometry {
    double area = 0;         // square feet
    double span = 0;         // feet
    double rootChord = 0;    // feet
    double sweepDegrees = 0; // leading edge
    double apexLon = 0;      // wing apex from the simulator's reference point
};

struct MeanChord {
    double length = 0;      // feet
    double leadingEdge = 0; // its leading edge from the reference point
};

// Nothing for a wing that has no chord (zero or negative span, area or root
// chord, a sweep of 90 degrees or more).
std::optional<MeanChord> meanAerodynamicChord(const WingGeometry& wing);

struct Mass {
    double pounds = 0;
    double position = 0; // from the reference datum
};

// What the file says; a value that is missing or not a number is empty.
struct BalanceFile {
    std::optional<WingGeometry> wing; // all five keys, or nothing
    std::optional<double> datum;      // reference_datum_position from the reference point
    std::optional<Mass> empty;        // empty_weight at empty_weight_CG_position
    // Every station_load.N of the section by N; empty when its weight or
    // position is not a number.
    std::map<int, std::optional<Mass>> stations;
};

BalanceFile readBalanceFile(std::string_view path);

// The centre of gravity of the empty weight and every station, `loads`
// standing in for the stations of the same numbers (also where the file has
// none). Nothing when a value it needs is missing, when the weights add up
// to zero or less, or when the wing has no chord.
std::optional<double> cgPercentMac(const BalanceFile& file, const std::map<int, Mass>& loads);

// "27.4" with one decimal, or "---" when there is no figure.
std::string percentMacText(std::optional<double> percent);
// The figure as shown, one decimal; nothing stays nothing.
std::optional<double> roundedToTenth(std::optional<double> percent);

} // namespace balance
