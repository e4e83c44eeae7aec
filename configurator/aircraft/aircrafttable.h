#pragma once
// The package's four aircraft: one row per type with everything the tools
// know of it. Every tool and command takes its aircraft from here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Aircraft codes as the selector sets them.
inline constexpr std::int32_t kNoAircraft = 0;
inline constexpr std::int32_t kA330_200 = 6;
inline constexpr std::int32_t kA330_300 = 7;
inline constexpr std::int32_t kA340_300 = 8;
inline constexpr std::int32_t kA340_600 = 9;
inline constexpr std::int32_t kFirstAircraft = kA330_200;
inline constexpr int kAircraftCount = 4;

// Which climb and descent tables of the fuel computation a type flies by.
enum class FuelTables { A330, A340_300, A340_600 };
inline constexpr int kFuelTablesCount = 3;

// One engine variant: its own folder below the simulator's Aircraft folder.
struct EngineVariant {
    const char* engines; // "GE"
    const char* folder;  // "Korvanta TEV A332GE"
};

struct AircraftType {
    std::int32_t code;       // 6..9, as in CurrentAircraft
    const char* designation; // "A330-200"
    const char* icaoType;    // "A332", as flight plans name the type
    const char* loadManagerClass;
    // The first variant's aircraft.cfg is the primary file; the second
    // variant may be absent (null engines and folder).
    std::array<EngineVariant, 2> variants;
    int engines;
    // The selector's picture: a line under the name, the drawn length.
    const char* pictureDetail;
    int pictureLength;

    // Payload (load manager).
    int businessSeats;
    int economySeats;
    int defaultEmptyWeightLb;
    int forwardCargoMaxKg;
    int aftCargoMaxKg;

    // Fuel computation.
    float referenceEmptyWeightLb;
    std::int32_t climbWeightOffset;   // kg
    std::int32_t descentWeightOffset; // kg
    float FuelFactor;
    float CruiseFactor;
    FuelTables fuelTables;
    // Capacities in kg; inner and outer are per wing. 0: no such tank.
    std::int32_t innerCapacity;
    std::int32_t outerCapacity;
    std::int32_t centerCapacity;
    std::int32_t trimCapacity;
};

extern const std::array<AircraftType, kAircraftCount> kAircraftTypes;

// The row of `code`, or null for a code outside 6..9.
const AircraftType* aircraftOfCode(std::int32_t code);
// The row whose designation is `name`, ignoring case ("a340-600"), or null.
const AircraftType* aircraftNamed(std::string_view name);
// The row whose ICAO type designator is `icao`, ignoring case, or null.
const AircraftType* aircraftOfIcaoType(std::string_view icao);
// "A330-200, A330-300, A340-300 or A340-600", for messages and help.
std::string aircraftNamesText();

// The aircraft.cfg path texts of the type's variants relative to
// InstallFolder ("\Aircraft\<folder>\Aircraft.cfg"), primary first.
std::vector<std::string> aircraftFileTexts(const AircraftType& type);
