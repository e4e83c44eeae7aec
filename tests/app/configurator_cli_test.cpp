// The configurator program as a user starts it.
#include "tests/support/tempdir.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

ProgramRun configurator(const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(CONFIGURATOR_EXE), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// As on a machine without a display.
QProcessEnvironment noDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

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

TEST(ConfiguratorProgram, MainMenuWithoutDisplayPointsToScreenshots) {
    const ProgramRun run = configurator({}, noDisplay());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--screenshots DIR"))) << run.err.toStdString();
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
