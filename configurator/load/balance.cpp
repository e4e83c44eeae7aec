#include "configurator/load/balance.h"

#include "common/profile/profile.h"
#include "configurator/aircraft/cfgnumber.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace balance {
namespace {

constexpr std::string_view kWeightAndBalance = "WEIGHT_AND_BALANCE";
constexpr std::string_view kGeometry = "airplane_geometry";
constexpr std::string_view kStationPrefix = "station_load.";
constexpr int kReadCapacity = 99;

// N of "station_load.N" as the simulator writes the name ("%d", N >= 0);
// another spelling is a key it never looks up.
std::optional<int> stationNumber(std::string_view key) {
    if (key.size() <= kStationPrefix.size())
        return std::nullopt;
    for (std::size_t i = 0; i < kStationPrefix.size(); ++i) {
        const char c = key[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != kStationPrefix[i])
            return std::nullopt;
    }
    const std::string_view digits = key.substr(kStationPrefix.size());
    if (digits.size() > 9 || (digits.size() > 1 && digits.front() == '0'))
        return std::nullopt;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::optional<WingGeometry> readWing(std::string_view path) {
    const auto read = [&](const char* key) {
        return aircraftcfg::readNumber(kGeometry, key, path);
    };
    const auto area = read("wing_area");
    const auto span = read("wing_span");
    const auto root = read("wing_root_chord");
    const auto sweep = read("wing_sweep");
    const auto apex = read("wing_pos_apex_lon");
    if (!area || !span || !root || !sweep || !apex)
        return std::nullopt;
    return WingGeometry{*area, *span, *root, *sweep, *apex};
}

} // namespace

std::optional<MeanChord> meanAerodynamicChord(const WingGeometry& wing) {
    if (!(wing.area > 0) || !(wing.span > 0) || !(wing.rootChord > 0) ||
        !(std::fabs(wing.sweepDegrees) < 90))
        return std::nullopt;
    const double geometricChord = wing.area / wing.span;
    // A root chord the trapezoid cannot have (a negative tip) counts as the
    // mean geometric chord: a rectangular wing.
    const double root = wing.rootChord > 2 * geometricChord ? geometricChord : wing.rootChord;
    const double tip = 2 * geometricChord - root;
    const double taper = tip / root;
    const double length = 2.0 / 3.0 * root * (1 + taper + taper * taper) / (1 + taper);
    const double spanwise = wing.span / 6 * (1 + 2 * taper) / (1 + taper);
    const double sweep = wing.sweepDegrees * std::numbers::pi / 180;
    const MeanChord chord{length, wing.apexLon - spanwise * std::tan(sweep)};
    if (!std::isfinite(chord.length) || !std::isfinite(chord.leadingEdge) || !(chord.length > 0))
        return std::nullopt;
    return chord;
}

BalanceFile readBalanceFile(std::string_view path) {
    BalanceFile file;
    file.wing = readWing(path);
    file.datum = aircraftcfg::readNumber(kWeightAndBalance, "reference_datum_position", path);
    const auto emptyWeight = aircraftcfg::readNumber(kWeightAndBalance, "empty_weight", path);
    const auto emptyCg =
        aircraftcfg::readNumber(kWeightAndBalance, "empty_weight_CG_position", path);
    if (emptyWeight && emptyCg)
        file.empty = Mass{*emptyWeight, *emptyCg};
    for (const std::string& key : profile::readKeys(kWeightAndBalance, path)) {
        const auto number = stationNumber(key);
        if (!number || file.stations.contains(*number))
            continue;
        // Read by its canonical name, as the simulator looks it up.
        const std::string value = profile::readString(
            kWeightAndBalance, std::string(kStationPrefix) + std::to_string(*number),
            profile::kUndefined, kReadCapacity, path);
        const auto pounds = aircraftcfg::numberAt(value, 0);
        const auto position = aircraftcfg::numberAt(value, 1);
        file.stations[*number] =
            pounds && position ? std::optional<Mass>(Mass{*pounds, *position}) : std::nullopt;
    }
    return file;
}

std::optional<double> cgPercentMac(const BalanceFile& file, const std::map<int, Mass>& loads) {
    if (!file.wing || !file.datum || !file.empty)
        return std::nullopt;
    const auto chord = meanAerodynamicChord(*file.wing);
    if (!chord)
        return std::nullopt;
    double weight = file.empty->pounds;
    double moment = file.empty->pounds * file.empty->position;
    const auto add = [&](const Mass& mass) {
        weight += mass.pounds;
        moment += mass.pounds * mass.position;
    };
    for (const auto& [number, station] : file.stations) {
        if (loads.contains(number))
            continue;
        if (!station)
            return std::nullopt;
        add(*station);
    }
    for (const auto& [number, load] : loads)
        add(load);
    if (!(weight > 0))
        return std::nullopt;
    const double cg = moment / weight + *file.datum;
    const double percent = (chord->leadingEdge - cg) / chord->length * 100;
    if (!std::isfinite(percent))
        return std::nullopt;
    return percent;
}

std::string percentMacText(std::optional<double> percent) {
    const auto shown = roundedToTenth(percent);
    if (!shown)
        return "---";
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, *shown, std::chars_format::fixed, 1);
    return std::string(text, result.ptr);
}

std::optional<double> roundedToTenth(std::optional<double> percent) {
    // Beyond a million per cent the file's figures describe no aircraft.
    if (!percent || !(std::fabs(*percent) < 1e6))
        return std::nullopt;
    // Rounded through its decimal text (not the user's locale), so the
    // window, the JSON and a printed sheet show one figure.
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, *percent, std::chars_format::fixed, 1);
    double value = 0;
    std::from_chars(text, written.ptr, value);
    if (value == 0)
        value = 0; // no "-0.0"
    return value;
}

} // namespace balance
