#include "common/platform/windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(platform::toWindows1252(platform::fromWindows1252(all)), all);
}

TEST(Windows1252, MapsTheKeyNamesOfTheFrenchKeyboard) {
    EXPECT_EQ(platform::fromWindows1252("Arr\xEAt D\xE9"
                                        "fil"),
              QStringLiteral("Arrêt Défil"));
    EXPECT_EQ(platform::fromWindows1252("\xF9\xB2\x80"), QStringLiteral("ù²€"));
    EXPECT_EQ(platform::toWindows1252(QStringLiteral("€ ✈")), "\x80 ?");
}
