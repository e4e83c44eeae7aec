#pragma once
// The unit weights are shown in. Inside the tools a weight is whole
// kilograms; aircraft.cfg holds whole pounds.

#include <optional>
#include <string_view>

enum class WeightUnit { Kilograms, Pounds };

// "kg" or "lb", as fields, commands and the load sheet write it.
constexpr const char* unitSymbol(WeightUnit unit) {
    return unit == WeightUnit::Pounds ? "lb" : "kg";
}

// The unit of "kg" or "lb"; nothing for any other text.
constexpr std::optional<WeightUnit> weightUnitOfSymbol(std::string_view symbol) {
    if (symbol == "kg")
        return WeightUnit::Kilograms;
    if (symbol == "lb")
        return WeightUnit::Pounds;
    return std::nullopt;
}
