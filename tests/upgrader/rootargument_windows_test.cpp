// The root on Windows: path text is Windows-1252, as the system's file
// functions take it, so a root it cannot hold is refused before anything runs.
#include "upgrader/rootargument.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsRoot, Windows1252TextJoinedAndOtherCharactersRefused) {
    Upgrade2CommandLine line;
    parseArguments({QStringLiteral("C:\\Simulateur \u00e9t\u00e9")}, "-/", line);
    EXPECT_EQ(line.root(), "C:\\Simulateur \xe9t\xe9");

    const auto foreign = rootProblem({QStringLiteral("D:\\\u65e5\u672c")}, "-/", 194);
    ASSERT_TRUE(foreign);
    EXPECT_NE(foreign->find("contains characters that the upgrade cannot use"), std::string::npos);
}

} // namespace
