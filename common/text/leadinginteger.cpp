#include "common/text/leadinginteger.h"

#include <limits>

namespace text {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "%d"'s white space: blank, tab, line feed, vertical tab, form feed, return.
bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The digits from `i` on, with the sign already read.
std::int32_t digitsValue(std::string_view text, std::size_t i, bool negative, Overflow overflow) {
    constexpr std::int64_t kBeyond = std::int64_t{1} << 32; // any larger figure saturates alike
    std::uint32_t wrapped = 0;
    std::int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const auto digit = static_cast<std::uint32_t>(text[i] - '0');
        wrapped = wrapped * 10u + digit;
        magnitude = std::min(magnitude * 10 + digit, kBeyond);
    }
    if (overflow == Overflow::Wraps)
        return static_cast<std::int32_t>(negative ? 0u - wrapped : wrapped);
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

} // namespace

std::optional<std::int32_t> scanDecimal(std::string_view text, Overflow overflow) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size() || !isDigit(text[i]))
        return std::nullopt;
    return digitsValue(text, i, negative, overflow);
}

std::int32_t profileInteger(std::string_view value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    return digitsValue(value, i, negative, Overflow::Wraps);
}

} // namespace text
