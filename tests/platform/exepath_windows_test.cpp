// "EXE Path" from the registry key the simulator's installer writes (its
// 32-bit view), written here into the test machine's registry.
#include "common/platform/exepath.h"
#include "tests/platform/exepathfixture.h"

#include <QSettings>
#include <gtest/gtest.h>

using testing_support::ScopedEnv;

namespace {

const QString kKey = QStringLiteral(
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0");

class RegistryExePath : public ExePath {
protected:
    RegistryExePath() { clear(); }
    ~RegistryExePath() override { clear(); }
    static void store(const QString& value) {
        QSettings registry(kKey, QSettings::Registry32Format);
        registry.setValue(QStringLiteral("EXE Path"), value);
        registry.sync();
        ASSERT_EQ(registry.status(), QSettings::NoError);
    }
    static void clear() {
        QSettings registry(kKey, QSettings::Registry32Format);
        registry.remove(QStringLiteral("EXE Path"));
    }
};

TEST_F(RegistryExePath, ReadFromTheSimulatorsKey) {
    EXPECT_EQ(platform::readExePath({}, 500), std::nullopt);
    store(QStringLiteral("C:\\Program Files\\Microsoft Games\\Flight Simulator 9\\"));
    EXPECT_EQ(platform::readExePath({}, 500),
              "C:\\Program Files\\Microsoft Games\\Flight Simulator 9\\");
}

TEST_F(RegistryExePath, TextBeyondAsciiIsWindows1252) {
    store(QStringLiteral("D:\\Jeux\\Caf\u00e9 FS9"));
    EXPECT_EQ(platform::readExePath({}, 500), "D:\\Jeux\\Caf\xE9 FS9");
}

TEST_F(RegistryExePath, AValueThatDoesNotFitIsAFailedRead) {
    store(QString(499, QLatin1Char('a')));
    EXPECT_EQ(platform::readExePath({}, 500), std::string(499, 'a'));
    store(QString(500, QLatin1Char('a')));
    EXPECT_EQ(platform::readExePath({}, 500), std::nullopt);
}

// An explicit choice of the user wins over what an installer stored.
TEST_F(RegistryExePath, CommandLineAndEnvironmentComeFirst) {
    store(QStringLiteral("C:\\FS9"));
    {
        const ScopedEnv env(platform::kFsRootEnv, "E:\\Other FS9");
        EXPECT_EQ(platform::readExePath({std::string("F:\\Cli")}, 500), "F:\\Cli");
        EXPECT_EQ(platform::readExePath({}, 500), "E:\\Other FS9");
    }
    EXPECT_EQ(platform::readExePath({}, 500), "C:\\FS9");
}

} // namespace
