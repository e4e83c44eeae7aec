// The configurator program as a user starts it.
#include "tests/app/configuratorrun.h"
#include "tests/support/tempdir.h"

#include <QDir>
#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

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

// A save regretted: the program's own commands give back the bytes it
// replaced, in both engine variants of the A330-200 at once.
TEST(ConfiguratorProgram, PayloadSaveThenRestoreGivesBackTheBytes) {
    testing_support::TempDir sim;
    testing_support::TempDir backups;
    const std::filesystem::path files[] = {
        sim.path() / "Aircraft/Korvanta TEV A332GE/Aircraft.cfg",
        sim.path() / "Aircraft/Korvanta TEV A332RR/Aircraft.cfg",
    };
    const std::string original = "[WEIGHT_AND_BALANCE]\r\n; mine\nempty_weight=264555";
    for (const auto& file : files)
        testing_support::writeFile(file, original);
    QProcessEnvironment env = noDisplay();
    env.insert(QStringLiteral("VOLARO_BACKUP_DIR"),
               QString::fromStdString(backups.path().string()));
    env.insert(QStringLiteral("VOLARO_FS_ROOT"), QString::fromStdString(sim.path().string()));

    const ProgramRun saved = configurator({QStringLiteral("payload"), QStringLiteral("--aircraft"),
                                           QStringLiteral("A330-200"), QStringLiteral("--economy"),
                                           QStringLiteral("100"), QStringLiteral("--save")},
                                          env);
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    for (const auto& file : files)
        ASSERT_NE(testing_support::readFile(file), original);

    const ProgramRun listed = configurator({QStringLiteral("backups")}, env);
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out.count(QStringLiteral("  save 1\n")), 2) << listed.out.toStdString();
    const ProgramRun restored = configurator(
        {QStringLiteral("restore"), QStringLiteral("--save"), QStringLiteral("1")}, env);
    EXPECT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.out.count(QStringLiteral("  restored ")), 2) << restored.out.toStdString();
    for (const auto& file : files)
        EXPECT_EQ(testing_support::readFile(file), original);
}

TEST(ConfiguratorProgram, HelpListsEveryCommandAndOption) {
    const ProgramRun run = configurator({QStringLiteral("--help")}, noDisplay());
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word : {"--fs-root", "--screenshots", "paths", "prefs", "keys", "payload",
                             "fuel", "backups", "restore"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(word))) << word;
}

ProgramRun upgrader(const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(UPGRADER_EXE), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Every --help of both programs has the same parts, and none needs a display.
TEST(ConfiguratorProgram, EveryHelpReadsAsOneFamily) {
    const QStringList commands[] = {
        {},
        {QStringLiteral("paths")},
        {QStringLiteral("prefs")},
        {QStringLiteral("keys")},
        {QStringLiteral("payload")},
        {QStringLiteral("fuel")},
        {QStringLiteral("loadsheet")},
        {QStringLiteral("backups")},
        {QStringLiteral("restore")},
    };
    std::vector<std::pair<QString, ProgramRun>> runs;
    for (const QStringList& command : commands) {
        runs.emplace_back(
            QStringLiteral("configurator ") + command.join(u' '),
            configurator(command + QStringList{QStringLiteral("--help")}, noDisplay()));
    }
    runs.emplace_back(QStringLiteral("upgrader"),
                      upgrader({QStringLiteral("--help")}, noDisplay()));
    for (const auto& [name, run] : runs) {
        SCOPED_TRACE(name.toStdString() + "\n" + run.out.toStdString() + run.err.toStdString());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.err.isEmpty());
        const QString usage = run.out.section(u'\n', 0, 0);
        EXPECT_TRUE(usage.startsWith(QStringLiteral("Usage: ") + name.section(u' ', 0, 0)));
        EXPECT_TRUE(usage.contains(name.section(u' ', 1)));
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n\nOptions:\n")));
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n  --help ")));
        EXPECT_TRUE(run.out.contains(QStringLiteral("\nExit status: 0 done, ")));
        EXPECT_TRUE(run.out.endsWith(QStringLiteral(".\n")));
        // A standard console wraps at the 80th column.
        for (const QString& line : run.out.split(u'\n'))
            EXPECT_LE(line.size(), 79) << line.toStdString();
    }
}

TEST(ConfiguratorProgram, BadArgumentsExitTwoWithTheUsage) {
    for (const QStringList& line :
         {QStringList{QStringLiteral("--json")}, QStringList{QStringLiteral("frobnicate")},
          QStringList{QStringLiteral("--fs-root")},
          QStringList{QStringLiteral("--screenshots"), QStringLiteral("a"), QStringLiteral("b")},
          QStringList{QStringLiteral("prefs"), QStringLiteral("--xml")}}) {
        const ProgramRun run = configurator(line, noDisplay());
        EXPECT_EQ(run.exitCode, 2) << line.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("configurator"))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("\nUsage: "))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    const ProgramRun run = upgrader({QStringLiteral("--screenshots")}, noDisplay());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("upgrader: --screenshots needs a folder\n")))
        << run.err.toStdString();
}

TEST(UpgraderProgram, CheckAnswersOnTheTerminalAndLeavesTheFolderAsItWas) {
    testing_support::TempDir sim;
    std::filesystem::create_directories(sim.path() / "VolaroUpgrade");
    const ProgramRun run = upgrader(
        {QStringLiteral("--check"), QString::fromStdString(sim.path().string())}, noDisplay());
    // No gauge of the package there: not a run with nothing to do.
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("No gauge of the package was found in %1.\n")
                                     .arg(QString::fromStdString(sim.path().string()))))
        << run.out.toStdString();
    EXPECT_TRUE(std::filesystem::is_empty(sim.path() / "VolaroUpgrade")); // no log

    const ProgramRun version = upgrader({QStringLiteral("--version")}, noDisplay());
    EXPECT_EQ(version.exitCode, 2);
    EXPECT_TRUE(version.err.startsWith(QStringLiteral("upgrader: unknown argument '--version'\n")))
        << version.err.toStdString();
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
