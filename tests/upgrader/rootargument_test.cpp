// The simulator root joined from the command-line arguments.
#include "upgrader/rootargument.h"

#include <gtest/gtest.h>

namespace {

struct JoinCase {
    const char* name;
    QStringList arguments;
    const char* markers;
    std::string root;
};
void PrintTo(const JoinCase& c, std::ostream* os) {
    *os << c.name;
}

class JoinTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinTest, RebuildsTheRoot) {
    Upgrade2CommandLine line;
    parseArguments(GetParam().arguments, GetParam().markers, line);
    EXPECT_EQ(line.root(), GetParam().root);
    EXPECT_FALSE(line.tooLong());
}

const char* const kPosix = "-";
const char* const kWindows = "-/";

INSTANTIATE_TEST_SUITE_P(
    Arguments, JoinTest,
    ::testing::Values(
        JoinCase{"NoArgument", {}, kPosix, ""},
        JoinCase{"QuotedRootArrivesWhole",
                 {QStringLiteral("C:\\Flight Sim 9")},
                 kWindows,
                 "C:\\Flight Sim 9"},
        JoinCase{
            "UnquotedBlanksBecomeSingleBlanks",
            {QStringLiteral("C:\\Program"), QStringLiteral("Files\\Flight"), QStringLiteral("Sim")},
            kWindows,
            "C:\\Program Files\\Flight Sim"},
        JoinCase{"LeadingSwitchMarkerDropped",
                 {QStringLiteral("-C:\\FS9"), QStringLiteral("/x"), QStringLiteral("--y")},
                 kWindows,
                 "C:\\FS9 x -y"},
        // An absolute root here begins with "/": only "-" marks a switch.
        JoinCase{"AbsoluteRootKeptWhereSlashIsNoSwitch",
                 {QStringLiteral("/home/pilot/My"), QStringLiteral("Sim"), QStringLiteral("-z")},
                 kPosix,
                 "/home/pilot/My Sim z"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Upgrade2CommandLine, JoinedRootLongerThanTheBufferIsCutAndFlagged) {
    Upgrade2CommandLine fits;
    parseArguments({QString(200, u'a'), QString(58, u'b')}, "-", fits);
    EXPECT_EQ(fits.root().size(), 259u);
    EXPECT_FALSE(fits.tooLong());

    Upgrade2CommandLine over;
    parseArguments({QString(200, u'a'), QString(59, u'b')}, "-", over);
    EXPECT_EQ(over.root().size(), 259u);
    EXPECT_TRUE(over.tooLong());
}

TEST(RootProblem, RefusesRootsThatDoNotFit) {
    EXPECT_EQ(rootProblem({QStringLiteral("/sim/FS9")}, "-", 194), std::nullopt);
    EXPECT_EQ(rootProblem({QString(194, u'a')}, "-", 194), std::nullopt);
    const auto tooLong = rootProblem({QString(100, u'a'), QString(94, u'b')}, "-", 194);
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(*tooLong, "The simulator folder given on the command line is too long: at most 194 "
                        "characters can be used.");
}

} // namespace
