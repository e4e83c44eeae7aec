// The configurator program as a user starts it.
#include "tests/app/configuratorrun.h"
#include "tests/support/tempdir.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(ConfiguratorProgram, ScreenshotsNeedNoDisplay) {
    testing_support::TempDir dir;
    const QString shots = QString::fromStdString((dir.path() / "shots").string());
    const ProgramRun run =
        configurator({QStringLiteral("--fs-root"), QString::fromStdString(dir.path().string()),
                      QStringLiteral("--screenshots"), shots},
                     noDisplay());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::pair<const char*, QSize> windows[] = {
        {"main-menu.png", QSize(479, 369)},
        {"aircraft-selector.png", QSize(321, 374)},
        {"configuration.png", QSize(659, 476)},
    };
    for (const auto& [name, size] : windows) {
        const QString file = QDir(shots).filePath(QString::fromLatin1(name));
        EXPECT_TRUE(run.out.contains(QDir::toNativeSeparators(file))) << name;
        EXPECT_EQ(QImage(file).size(), size) << name;
    }
}

TEST(ConfiguratorProgram, HelpListsEveryCommandAndOption) {
    const ProgramRun run = configurator({QStringLiteral("--help")}, noDisplay());
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word :
         {"--fs-root", "--screenshots", "paths", "prefs", "keys", "payload", "fuel"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(word))) << word;
}

TEST(ConfiguratorProgram, PrefsJsonReadsTheFileUnderFsRoot) {
    testing_support::TempDir sim;
    testing_support::writeFile(sim.path() / "Korvanta/Volaro/Prefs.cfg",
                               "[Common]\r\nPanelVolume=40\r\nLocker=0\r\n");
    const ProgramRun run =
        configurator({QStringLiteral("prefs"), QStringLiteral("--json"),
                      QStringLiteral("--fs-root"), QString::fromStdString(sim.path().string())},
                     noDisplay());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\"PanelVolume\": 40,")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("\"Locker\": 0,")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("\"Modifier\": 0,"))); // not yet 3
}

} // namespace
