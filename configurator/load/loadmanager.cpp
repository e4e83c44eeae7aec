#include "configurator/load/loadmanager.h"

#include "common/platform/hostpath.h"
#include "common/text/leadinginteger.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

namespace payload {
const float kPoundsDisplayFactor = std::bit_cast<float>(std::uint32_t{0x400D17EE});
} // namespace payload

namespace {

// A 100-character buffer: at most 98 characters of a value are kept.
constexpr int kReadCapacity = 99;

// Toward zero. A value outside the int range (only from an absurd file value)
// saturates instead of being undefined.
int truncateToInt(double value) {
    if (!(value > static_cast<double>(INT_MIN))) // also catches NaN
        return value != value ? 0 : INT_MIN;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

int roundToInt(double value) {
    return truncateToInt(value + 0.5);
}

// The value as "%d" scans it; saturates at the int range.
std::optional<int> scanInt(std::string_view text) {
    return text::scanDecimal(text, text::Overflow::Saturates);
}

// Integer share `percent` of `maximum`, remainder dropped.
int percentOf(int percent, int maximum) {
    return percent * maximum / 100;
}

bool canOpenForReading(const std::string& path) {
    const std::filesystem::path file = platform::hostPath(path);
    std::error_code ignored;
    if (std::filesystem::is_directory(file, ignored))
        return false;
    return std::ifstream(file, std::ios::binary).is_open();
}

// The four stations in the order Save writes them. The position is the one
// each format writes, so the centre of gravity shown is the one the
// simulator finds after OK.
struct SavedStation {
    int number;
    const char* key;
    const char* format;
    int CLoadManager::StationPounds::*pounds;
    double positionFt;
};

const SavedStation kSavedStations[] = {
    {4, "station_load.4", "\"%d,   26.0, 0.0, 0.0, First\"", &CLoadManager::StationPounds::business,
     26.0},
    {5, "station_load.5", "\"%d,  0.0, 0.0, 0.0, Coach\"", &CLoadManager::StationPounds::economy,
     0.0},
    {2, "station_load.2", "\"%d,   16.0, 0.0, 0.0, Baggage\"",
     &CLoadManager::StationPounds::forward, 16.0},
    {3, "station_load.3", "\"%d,   0.0, 0.0, 0.0, Cargo\"", &CLoadManager::StationPounds::aft, 0.0},
};

std::string formatStation(const char* format, int pounds) {
    char text[100];
    std::snprintf(text, sizeof text, format, pounds);
    return text;
}

} // namespace

CLoadManager::CLoadManager(const AircraftType& aircraft)
    : aircraft_(aircraft) {
    for (const std::string& relative : aircraftFileTexts(aircraft_))
        paths_.push_back(std::string(InstallFolder) + relative);
    for (const std::string& path : paths_) {
        if (canOpenForReading(path)) {
            installed_ = true;
            break;
        }
    }
}

void CLoadManager::load() {
    read_.clear();
    for (const std::string& path : paths_)
        read_.push_back(profile::readContent(path));
    const std::string& primary = paths_.front();
    const auto read = [&](const char* key) {
        return profile::readString(payload::kSection, key, profile::kUndefined, kReadCapacity,
                                   primary);
    };
    // A usable value is a leading number of at least 1; anything else counts
    // as missing.
    const auto usable = [](const std::string& text) -> std::optional<int> {
        const std::optional<int> number = scanInt(text);
        if (number && *number >= 1)
            return number;
        return std::nullopt;
    };

    const std::string empty = read("empty_weight");
    if (empty == profile::kUndefined) {
        emptyWeightKg_ = truncateToInt(aircraft_.defaultEmptyWeightLb * payload::kLbToKg);
        emptyWeightLb_ = aircraft_.defaultEmptyWeightLb;
    } else if (const auto pounds = usable(empty)) {
        emptyWeightKg_ = roundToInt(*pounds * payload::kLbToKg);
        emptyWeightLb_ = roundToInt(*pounds);
    } else {
        emptyWeightKg_ = roundToInt(aircraft_.defaultEmptyWeightLb * payload::kLbToKg);
        emptyWeightLb_ = aircraft_.defaultEmptyWeightLb;
    }

    const auto passengers = [&](const char* key) {
        const auto pounds = usable(read(key));
        return pounds ? roundToInt(*pounds * payload::kLbToKg * payload::kPassengersPerKg) : 0;
    };
    const auto percent = [&](const char* key, int maximum) {
        const auto pounds = usable(read(key));
        return pounds ? roundToInt(*pounds * payload::kCargoPercentTimesMax / maximum) : 0;
    };
    setBusiness(passengers("station_load.4"));
    setEconomy(passengers("station_load.5"));
    setForward(percent("station_load.2", aircraft_.forwardCargoMaxKg));
    setAft(percent("station_load.3", aircraft_.aftCargoMaxKg));
    balance_ = balance::readBalanceFile(primary);
    refresh();
}

void CLoadManager::refresh() {
    const double u = unitFactor_;
    PayloadFigures& f = figures_;
    f.businessWeight = roundToInt(business_ * payload::kPassengerMassKg * u);
    f.economyWeight = roundToInt(economy_ * payload::kPassengerMassKg * u);
    // The total is truncated, not rounded: in pounds it can be one less than
    // the sum of the two class weights.
    f.paxWeight = truncateToInt((business_ + economy_) * payload::kPassengerMassKg * u);
    f.forwardWeight = roundToInt(percentOf(forward_, aircraft_.forwardCargoMaxKg) * u);
    f.aftWeight = roundToInt(percentOf(aft_, aircraft_.aftCargoMaxKg) * u);
    f.cargoWeight = f.forwardWeight + f.aftWeight;
    f.aircraftWeight = truncateToInt(emptyWeightKg_ * u);
    // From the kilograms, whatever the unit shown: one payload, one zero fuel
    // weight in every tool.
    lastZfw_ = truncateToInt(static_cast<double>(business_ + economy_) * payload::kPassengerMassKg +
                             percentOf(forward_, aircraft_.forwardCargoMaxKg) +
                             percentOf(aft_, aircraft_.aftCargoMaxKg) + emptyWeightKg_);
    f.zfw = roundToInt(lastZfw_ * u);
    LastZfw = lastZfw_;
    zfwCgPercentMac_ = balance::cgPercentMac(balance_, stationLoads());
}

CLoadManager::StationPounds CLoadManager::stationPounds() const {
    const double toLb = payload::kKgToLbOnSave;
    return StationPounds{
        truncateToInt(business_ * payload::kPassengerMassKg * toLb),
        truncateToInt(economy_ * payload::kPassengerMassKg * toLb),
        truncateToInt(percentOf(forward_, aircraft_.forwardCargoMaxKg) * toLb),
        truncateToInt(percentOf(aft_, aircraft_.aftCargoMaxKg) * toLb),
    };
}

std::map<int, balance::Mass> CLoadManager::stationLoads() const {
    const StationPounds pounds = stationPounds();
    std::map<int, balance::Mass> loads;
    for (const SavedStation& station : kSavedStations)
        loads[station.number] =
            balance::Mass{static_cast<double>(pounds.*station.pounds), station.positionFt};
    return loads;
}

std::vector<profile::WriteResult> CLoadManager::save() const {
    const StationPounds pounds = stationPounds();
    std::vector<profile::WriteResult> results;
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        const std::string& path = paths_[i];
        if (!canOpenForReading(path))
            continue;
        profile::WriteBatch batch(path);
        batch.keepBackup();
        if (i < read_.size())
            batch.requireContent(read_[i]);
        for (const SavedStation& station : kSavedStations)
            batch.writeString(payload::kSection, station.key,
                              formatStation(station.format, pounds.*station.pounds));
        results.push_back(batch.commit());
    }
    return results;
}

std::vector<std::string> CLoadManager::changedFiles() const {
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < read_.size(); ++i) {
        if (profile::readContent(paths_[i]) != read_[i])
            changed.push_back(profile::hostFileName(paths_[i]));
    }
    return changed;
}

void CLoadManager::acceptChanges() {
    for (std::size_t i = 0; i < read_.size(); ++i)
        read_[i] = profile::readContent(paths_[i]);
}

void CLoadManager::setBusiness(int passengers) {
    business_ = std::clamp(passengers, 0, aircraft_.businessSeats);
}

void CLoadManager::setEconomy(int passengers) {
    economy_ = std::clamp(passengers, 0, aircraft_.economySeats);
}

void CLoadManager::setForward(int percent) {
    forward_ = std::clamp(percent, 0, 100);
}

void CLoadManager::setAft(int percent) {
    aft_ = std::clamp(percent, 0, 100);
}

void CLoadManager::setUnit(WeightUnit unit) {
    unit_ = unit;
    unitFactor_ = unit == WeightUnit::Pounds ? payload::kPoundsDisplayFactor : 1.0f;
}

CA332LoadManager::CA332LoadManager()
    : CLoadManager(*aircraftOfCode(kA330_200)) {}
CA333LoadManager::CA333LoadManager()
    : CLoadManager(*aircraftOfCode(kA330_300)) {}
A343LoadManager::A343LoadManager()
    : CLoadManager(*aircraftOfCode(kA340_300)) {}
CA346LoadManager::CA346LoadManager()
    : CLoadManager(*aircraftOfCode(kA340_600)) {}

std::unique_ptr<CLoadManager> createLoadManager(int code) {
    switch (code) {
    case kA330_200:
        return std::make_unique<CA332LoadManager>();
    case kA330_300:
        return std::make_unique<CA333LoadManager>();
    case kA340_300:
        return std::make_unique<A343LoadManager>();
    case kA340_600:
        return std::make_unique<CA346LoadManager>();
    default:
        return nullptr;
    }
}
