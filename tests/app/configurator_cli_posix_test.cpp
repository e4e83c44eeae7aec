// What a POSIX session may lack: X11 or Wayland to show the menu on (Windows
// always has a display), a runtime folder.
#include "tests/app/configuratorrun.h"
#include "tests/support/tempdir.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

TEST(ConfiguratorProgram, MainMenuWithoutDisplayPointsToScreenshots) {
    const ProgramRun run = configurator({}, noDisplay());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--screenshots DIR"))) << run.err.toStdString();
}

// A terminal without a login session has no runtime folder; no command
// passes Qt's complaint about that on to the user.
TEST(ConfiguratorProgram, NoCommandWarnsAboutTheRuntimeFolder) {
    testing_support::TempDir dir;
    testing_support::writeFile(dir.path() / "sim/Aircraft/Korvanta TEV A332GE/Aircraft.cfg",
                               "[WEIGHT_AND_BALANCE]\r\nempty_weight=264875\r\n");
    QProcessEnvironment env = noDisplay();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("HOME"), QString::fromStdString(dir.path().string()));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.remove(QStringLiteral("VOLARO_BACKUP_DIR"));
    env.insert(QStringLiteral("VOLARO_FS_ROOT"),
               QString::fromStdString((dir.path() / "sim").string()));
    const QString pdf = QString::fromStdString((dir.path() / "sheet.pdf").string());
    const QStringList flight = QStringLiteral("--aircraft A330-200 --distance 3000 "
                                              "--altitude 35000")
                                   .split(u' ');
    const QStringList lines[] = {
        {QStringLiteral("paths")},
        {QStringLiteral("prefs")},
        {QStringLiteral("keys")},
        {QStringLiteral("payload"), QStringLiteral("--aircraft"), QStringLiteral("A330-200"),
         QStringLiteral("--economy"), QStringLiteral("10"), QStringLiteral("--save")},
        QStringList{QStringLiteral("fuel"), QStringLiteral("--zfw"), QStringLiteral("170000")} +
            flight,
        QStringList{QStringLiteral("loadsheet"), QStringLiteral("--pdf"), pdf} + flight,
        {QStringLiteral("backups")},
        {QStringLiteral("restore"), QStringLiteral("--save"), QStringLiteral("1")},
    };
    for (const QStringList& line : lines) {
        const ProgramRun run = configurator(line, env);
        EXPECT_EQ(run.exitCode, 0) << line.join(u' ').toStdString() << "\n"
                                   << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << line.join(u' ').toStdString() << "\n"
                                       << run.err.toStdString();
    }
}

// The folder before the command is the same folder as after it.
TEST(ConfiguratorProgram, SimulatorFolderThatDoesNotExistFailsTheCommand) {
    testing_support::TempDir dir;
    const QString typo = QString::fromStdString((dir.path() / "typo").string());
    const ProgramRun run =
        configurator({QStringLiteral("--fs-root"), typo, QStringLiteral("prefs")}, noDisplay());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(
        run.err,
        QStringLiteral("configurator prefs: the simulator folder %1 does not exist\n").arg(typo));
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

// The demo simulator folder balances as the aircraft do: a full aft hold
// moves the centre of gravity aft (a larger % MAC), a full forward hold
// forward, from the file as the script makes it and after a save.
TEST(ConfiguratorProgram, DemoFolderAftHoldLiesBehindTheEmptyWeight) {
    testing_support::TempDir dir;
    const QString demo = QString::fromStdString((dir.path() / "demo").string());
    QProcess make;
    make.start(QStringLiteral("bash"),
               {QStringLiteral(VOLARO_SOURCE_DIR "/scripts/make-demo-sim.sh"), demo});
    ASSERT_TRUE(make.waitForFinished(60000));
    ASSERT_EQ(make.exitCode(), 0) << make.readAllStandardError().toStdString();

    const auto cg = [&](const char* aircraft, QStringList loads) {
        const ProgramRun run =
            configurator(QStringList{QStringLiteral("--fs-root"), demo, QStringLiteral("payload"),
                                     QStringLiteral("--aircraft"), QString::fromLatin1(aircraft),
                                     QStringLiteral("--json")} +
                             loads,
                         noDisplay());
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return QJsonDocument::fromJson(run.out.toUtf8())
            .object()
            .value(QStringLiteral("zfw_cg_mac"));
    };
    const auto holds = [](int forward, int aft) {
        return QStringList{QStringLiteral("--forward"), QString::number(forward),
                           QStringLiteral("--aft"), QString::number(aft)};
    };
    for (const char* aircraft : {"A330-200", "A330-300", "A340-300", "A340-600"}) {
        const QJsonValue empty = cg(aircraft, holds(0, 0));
        ASSERT_TRUE(empty.isDouble()) << aircraft;
        EXPECT_GT(cg(aircraft, holds(0, 100)).toDouble(), empty.toDouble()) << aircraft;
        EXPECT_LT(cg(aircraft, holds(100, 0)).toDouble(), empty.toDouble()) << aircraft;
        // Within the file's own limits (14 to 39 % MAC) at either extreme.
        for (const QStringList& loads : {holds(0, 0), holds(100, 100), holds(0, 100)}) {
            const double percent = cg(aircraft, loads).toDouble();
            EXPECT_GT(percent, 14.0) << aircraft;
            EXPECT_LT(percent, 39.0) << aircraft;
        }
    }
}

} // namespace
