#pragma once
// Numbers of aircraft.cfg as the simulator reads them: a value may be quoted,
// padded with blanks and hold several comma-separated parts, each starting
// with a decimal number (anything after that number, a comment say, is not
// part of it).

#include <optional>
#include <string_view>

namespace aircraftcfg {

// The number that part `index` (0 = first) of `value` starts with; nothing
// when there is no such part or it does not start with a number.
std::optional<double> numberAt(std::string_view value, int index = 0);

// The first number of `key` in `section` of the file at `path` (path text),
// read with the aircraft files' capacity; nothing when missing or no number.
std::optional<double> readNumber(std::string_view section, std::string_view key,
                                 std::string_view path);

} // namespace aircraftcfg
