#pragma once
// The payload of one aircraft: passengers per class and cargo per hold as the
// user sets them, the weights and zero fuel weight shown for them, and the
// four payload stations of the aircraft's aircraft.cfg files.
//
// Weights are whole kilograms inside; pounds only in aircraft.cfg and on
// screen when the user picks pounds.

#include "common/profile/profile.h"
#include "configurator/aircraft/aircrafttable.h"
#include "configurator/aircraft/weightunit.h"
#include "configurator/load/balance.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace payload {
inline constexpr int kPassengerMassKg = 75;
inline constexpr double kLbToKg = 0.4536;
// Pounds written to aircraft.cfg are converted with the double factor ...
inline constexpr double kKgToLbOnSave = 1.0 / kLbToKg;
// ... while the pounds shown use the same factor held as a float (0x400D17EE),
// so a shown weight can differ from the written one in its last digit.
extern const float kPoundsDisplayFactor;
inline constexpr double kPassengersPerKg = 1.0 / kPassengerMassKg;
inline constexpr double kCargoPercentTimesMax = kLbToKg * 100; // per pound
inline constexpr const char* kSection = "WEIGHT_AND_BALANCE";
} // namespace payload

// Every number the window shows besides the positions, in the current unit.
struct PayloadFigures {
    int businessWeight = 0;
    int economyWeight = 0;
    int paxWeight = 0;
    int forwardWeight = 0;
    int aftWeight = 0;
    int cargoWeight = 0;
    int aircraftWeight = 0;
    int zfw = 0;
};

// The model behind every load manager window; one object per use.
class CLoadManager {
public:
    // Builds the file paths from InstallFolder and tests once whether the
    // aircraft is installed (its primary file, else the other variant, opens).
    explicit CLoadManager(const AircraftType& aircraft);
    virtual ~CLoadManager() = default;

    const AircraftType& aircraft() const { return aircraft_; }
    bool isInstalled() const { return installed_; }
    const std::vector<std::string>& filePaths() const { return paths_; }

    // Reads the positions and the empty weight from the primary file,
    // clamps the positions to their ranges, then refreshes. Remembers what
    // every file of the row held, so that save() never overwrites unseen
    // what another program wrote since.
    void load();
    // Recomputes the figures and LastZfw from the positions and the unit.
    void refresh();
    // Writes the four stations into every file of the row that can be read
    // now, one replacement per file, after keeping each file's previous
    // content as a backup. A file changed since load() is left as it is and
    // fails. One result per file written; empty when no file could be opened.
    std::vector<profile::WriteResult> save() const;
    // The files (host paths) whose content changed since load() or the last
    // acceptChanges().
    std::vector<std::string> changedFiles() const;
    // The user chose to write over those changes.
    void acceptChanges();

    // Positions are clamped to their ranges; call refresh() afterwards.
    void setBusiness(int passengers);
    void setEconomy(int passengers);
    void setForward(int percent);
    void setAft(int percent);
    void setUnit(WeightUnit unit);

    int business() const { return business_; }
    int economy() const { return economy_; }
    int forward() const { return forward_; }
    int aft() const { return aft_; }
    int emptyWeightKg() const { return emptyWeightKg_; }
    // As the file gives it (whole pounds), or the type's default.
    int emptyWeightLb() const { return emptyWeightLb_; }
    WeightUnit unit() const { return unit_; }
    // Figures of the last refresh, and the zero fuel weight in kilograms.
    const PayloadFigures& figures() const { return figures_; }
    int lastZfw() const { return lastZfw_; }
    // Zero fuel weight centre of gravity in % MAC of the last refresh, with
    // the four stations as Save would write them; nothing ("---") when the
    // primary file lacks a value it needs. The unit shown plays no part.
    std::optional<double> zfwCgPercentMac() const { return zfwCgPercentMac_; }

    // The station weights Save writes, in whole pounds, for the positions held.
    struct StationPounds {
        int business, economy, forward, aft;
    };
    StationPounds stationPounds() const;
    // The four stations as Save writes them, by station number: weight in
    // pounds and the position Save gives them.
    std::map<int, balance::Mass> stationLoads() const;

private:
    const AircraftType& aircraft_;
    std::vector<std::string> paths_;
    std::vector<profile::FileContent> read_; // per path, as load() found them
    bool installed_ = false;
    int business_ = 0;
    int economy_ = 0;
    int forward_ = 0;
    int aft_ = 0;
    int emptyWeightKg_ = 0;
    int emptyWeightLb_ = 0;
    WeightUnit unit_ = WeightUnit::Kilograms;
    float unitFactor_ = 1.0f;
    PayloadFigures figures_;
    int lastZfw_ = 0;
    balance::BalanceFile balance_; // of the primary file, read by load()
    std::optional<double> zfwCgPercentMac_;
};

// The four aircraft; they differ only in their row of the table.
class CA332LoadManager : public CLoadManager {
public:
    CA332LoadManager();
};
class CA333LoadManager : public CLoadManager {
public:
    CA333LoadManager();
};
class A343LoadManager : public CLoadManager {
public:
    A343LoadManager();
};
class CA346LoadManager : public CLoadManager {
public:
    CA346LoadManager();
};

// The model of aircraft `code`, or null for a code outside 6..9.
std::unique_ptr<CLoadManager> createLoadManager(int code);
