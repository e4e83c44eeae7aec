#include "common/text/leadinginteger.h"

#include <gtest/gtest.h>

namespace {

using text::Overflow;

TEST(LeadingInteger, ScanDecimalReadsAsPercentD) {
    const struct {
        const char* text;
        std::optional<std::int32_t> wraps, saturates;
    } cases[] = {
        {"42", 42, 42},
        {"  \t-17 kg", -17, -17},
        {"+8,5", 8, 8},
        {"", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"- 5", std::nullopt, std::nullopt},
        {"2147483647", 2147483647, 2147483647},
        {"2147483648", -2147483647 - 1, 2147483647},
        {"-2147483649", 2147483647, -2147483647 - 1},
        {"4294967301", 5, 2147483647},
        {"99999999999999999999", 1661992959, 2147483647}, // 10^20 - 1 modulo 2^32
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(text::scanDecimal(c.text, Overflow::Wraps), c.wraps);
        EXPECT_EQ(text::scanDecimal(c.text, Overflow::Saturates), c.saturates);
    }
}

TEST(LeadingInteger, ProfileIntegerTakesNoBlankAndGivesZeroWithoutDigits) {
    EXPECT_EQ(text::profileInteger("12abc"), 12);
    EXPECT_EQ(text::profileInteger("-3"), -3);
    EXPECT_EQ(text::profileInteger(" 7"), 0);
    EXPECT_EQ(text::profileInteger("x"), 0);
    EXPECT_EQ(text::profileInteger(""), 0);
    EXPECT_EQ(text::profileInteger("4294967297"), 1);
}

} // namespace
