// Without X11 or Wayland a POSIX session cannot show the menu; Windows always
// has a display.
#include "tests/app/configuratorrun.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfiguratorProgram, MainMenuWithoutDisplayPointsToScreenshots) {
    const ProgramRun run = configurator({}, noDisplay());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--screenshots DIR"))) << run.err.toStdString();
}

} // namespace
