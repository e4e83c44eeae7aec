#include "configurator/aircraft/cfgnumber.h"

#include "common/profile/profile.h"

#include <charconv>
#include <cmath>

namespace aircraftcfg {
namespace {

// aircraft.cfg values are read into 100-character buffers.
constexpr int kReadCapacity = 99;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A leading "[+-]digits[.digits][e[+-]digits]" with at least one digit, in
// the C locale whatever the user's is.
std::optional<double> leadingNumber(std::string_view text) {
    std::size_t i = 0;
    // A quote is left when a comment follows the quoted value.
    while (i < text.size() && (isBlank(text[i]) || text[i] == '"'))
        ++i;
    if (i < text.size() && text[i] == '+')
        ++i; // from_chars takes a minus sign only
    const std::size_t start = i;
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    double number = 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + i, number, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

std::optional<double> numberAt(std::string_view value, int index) {
    for (int part = 0; part < index; ++part) {
        const std::size_t comma = value.find(',');
        if (comma == std::string_view::npos)
            return std::nullopt;
        value.remove_prefix(comma + 1);
    }
    return leadingNumber(value.substr(0, value.find(',')));
}

std::optional<double> readNumber(std::string_view section, std::string_view key,
                                 std::string_view path) {
    const std::string value =
        profile::readString(section, key, profile::kUndefined, kReadCapacity, path);
    if (value == profile::kUndefined)
        return std::nullopt;
    return numberAt(value);
}

} // namespace aircraftcfg
