#pragma once
// The settings that version 2 needs in every upgraded aircraft's
// aircraft.cfg: the run writes them in this order, --check reads them.

#include <array>
#include <string_view>

struct AircraftSetting {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

inline constexpr std::array<AircraftSetting, 2> kVersion2Settings = {{
    {"Electrical", "electric_always_available", "0"},
    {"Radios", "Adf.2", "1"},
}};
