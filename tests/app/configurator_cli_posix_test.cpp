// Without X11 or Wayland a POSIX session cannot show the menu; Windows always
// has a display.
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
