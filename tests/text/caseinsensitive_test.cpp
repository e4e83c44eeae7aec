#include "common/text/caseinsensitive.h"

#include <gtest/gtest.h>

namespace {

TEST(CaseInsensitive, AsciiLettersOnly) {
    EXPECT_TRUE(text::equalsIgnoringCase("Aircraft.cfg", "aircraft.CFG"));
    EXPECT_FALSE(text::equalsIgnoringCase("a330-200", "A330-2000"));
    EXPECT_FALSE(text::equalsIgnoringCase("\xc9t\xe9", "\xe9t\xe9")); // Windows-1252 É, é
    EXPECT_TRUE(text::startsWithIgnoringCase("C:\\Program", "c:\\"));
    EXPECT_FALSE(text::startsWithIgnoringCase("C:", "c:\\"));
}

} // namespace
