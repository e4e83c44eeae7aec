#pragma once
// The leading decimal integer of a text, by the two rules the system's
// readers follow. Both stop at the first character that is not a digit.

#include <cstdint>
#include <optional>
#include <string_view>

namespace text {

// How a number beyond the 32-bit range comes out.
enum class Overflow {
    Wraps,     // modulo 2^32, as the simulator's own readers do
    Saturates, // the nearest end of the range
};

// As C's "%d" scans: leading white space, an optional sign, then digits;
// nothing when no digit follows.
std::optional<std::int32_t> scanDecimal(std::string_view text, Overflow overflow);

// As the profile functions read an integer value (the value already stripped
// of its blanks): an optional sign, then digits; 0 when no digit follows;
// wraps modulo 2^32.
std::int32_t profileInteger(std::string_view value);

} // namespace text
