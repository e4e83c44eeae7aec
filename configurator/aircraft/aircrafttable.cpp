#include "configurator/aircraft/aircrafttable.h"

#include "common/text/caseinsensitive.h"

// clang-format off
const std::array<AircraftType, kAircraftCount> kAircraftTypes = {{
    {kA330_200, "A330-200", "A332", "CA332LoadManager",
     {{{"GE", "Korvanta TEV A332GE"}, {"RR", "Korvanta TEV A332RR"}}},
     2, "Twin-engine, long range", 92,
     // seats: business economy; empty weight (lb); holds (kg): forward aft
     30, 263, 264875, 18860, 15240,
     // reference empty (lb), climb and descent weight offsets (kg), FuelFactor, CruiseFactor
     267000.0f, 52595, 35044, 0.5618f, 3.9714f, FuelTables::A330,
     // tanks (kg): inner, outer (each wing), center, trim
     33784, 2935, 33434, 5012},
    {kA330_300, "A330-300", "A333", "CA333LoadManager",
     {{{"GE", "Korvanta TEV A333GE"}, {"RR", "Korvanta TEV A333RR"}}},
     2, "Twin-engine, stretched cabin", 104,
     30, 305, 267000, 22860, 18500,
     267000.0f, 52595, 35044, 0.494f, 3.7f, FuelTables::A330,
     33571, 2965, 0, 4918},
    {kA340_300, "A340-300", "A343", "A343LoadManager",
     {{{"CFM", "Korvanta TEV A343CFM"}, {nullptr, nullptr}}},
     4, "Four-engine, long range", 104,
     30, 305, 286150, 22860, 18500,
     286150.0f, 49524, 5610, 1.066583f, 0.99763f, FuelTables::A340_300,
     34411, 2935, 34125, 5012},
    {kA340_600, "A340-600", "A346", "CA346LoadManager",
     {{{"RR", "Korvanta TEV A346RR"}, {nullptr, nullptr}}},
     4, "Four-engine, ultra long range", 118,
     36, 383, 390220, 22860, 18500,
     390220.0f, 70200, 242157, 0.73f, 1.80667f, FuelTables::A340_600,
     27959, 19707, 44216, 6726},
}};
// clang-format on

const AircraftType* aircraftOfCode(std::int32_t code) {
    for (const AircraftType& type : kAircraftTypes) {
        if (type.code == code)
            return &type;
    }
    return nullptr;
}

const AircraftType* aircraftNamed(std::string_view name) {
    for (const AircraftType& type : kAircraftTypes) {
        if (text::equalsIgnoringCase(type.designation, name))
            return &type;
    }
    return nullptr;
}

const AircraftType* aircraftOfIcaoType(std::string_view icao) {
    for (const AircraftType& type : kAircraftTypes) {
        if (text::equalsIgnoringCase(type.icaoType, icao))
            return &type;
    }
    return nullptr;
}

std::string aircraftNamesText() {
    std::string names;
    for (std::size_t i = 0; i < kAircraftTypes.size(); ++i) {
        if (i > 0)
            names += i + 1 == kAircraftTypes.size() ? " or " : ", ";
        names += kAircraftTypes[i].designation;
    }
    return names;
}

std::vector<std::string> aircraftFileTexts(const AircraftType& type) {
    std::vector<std::string> files;
    for (const EngineVariant& variant : type.variants) {
        if (variant.folder)
            files.push_back(std::string("\\Aircraft\\") + variant.folder + "\\Aircraft.cfg");
    }
    return files;
}
