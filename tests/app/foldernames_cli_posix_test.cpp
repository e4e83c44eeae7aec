// The commands on a simulator folder whose name holds Cyrillic, CJK,
// accented letters and blanks, however the folder is given.
#include "tests/support/tempdir.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;

const char* const kName =
    "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD Caf\xC3\xA9 \xE9\xA3\x9E\xE8\xA1\x8C FS9";

struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

class FolderNamesOnTheCommandLine : public testing::Test {
protected:
    void SetUp() override {
        writeFile(sim / "Korvanta/Volaro/Prefs.cfg",
                  "[Common]\r\nPanelVolume=40\r\n[Keys]\r\nCommand.16-Modifier=2\r\n"
                  "Command.16-Key=48\r\n");
        writeFile(sim / "Aircraft/Korvanta TEV A346RR/Aircraft.cfg",
                  "[WEIGHT_AND_BALANCE]\r\nempty_weight=390220\r\n");
        env.remove(QStringLiteral("VOLARO_FS_ROOT"));
        env.insert(QStringLiteral("WINEPREFIX"), qt(base.path() / "no-prefix"));
        env.insert(QStringLiteral("VOLARO_KEYBOARD_LAYOUT"), QStringLiteral("en"));
    }
    static QString qt(const fs::path& path) { return QString::fromUtf8(path.string()); }

    ProgramRun configurator(const QStringList& arguments, const fs::path& workingDirectory = {}) {
        QProcess process;
        process.setProcessEnvironment(env);
        if (!workingDirectory.empty())
            process.setWorkingDirectory(qt(workingDirectory));
        process.start(QStringLiteral(CONFIGURATOR_EXE), arguments);
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    testing_support::TempDir base;
    const fs::path sim = base.path() / kName;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

TEST_F(FolderNamesOnTheCommandLine, EveryCommandWorksThere) {
    const QString root = qt(sim);
    const ProgramRun paths =
        configurator({QStringLiteral("paths"), QStringLiteral("--fs-root"), root});
    EXPECT_EQ(paths.exitCode, 0) << paths.err.toStdString();
    EXPECT_TRUE(paths.out.contains(QStringLiteral("InstallFolder: ") + root + QLatin1Char('\n')));
    EXPECT_TRUE(
        paths.out.contains(QStringLiteral("Simulator folder: ") + root + QLatin1Char('\n')));
    EXPECT_TRUE(paths.out.contains(qt(sim / "Korvanta/Volaro/Prefs.cfg")));

    const ProgramRun prefs = configurator(
        {QStringLiteral("--fs-root"), root, QStringLiteral("prefs"), QStringLiteral("--json")});
    EXPECT_EQ(prefs.exitCode, 0) << prefs.err.toStdString();
    EXPECT_TRUE(prefs.out.contains(QStringLiteral("\"PanelVolume\": 40,")))
        << prefs.out.toStdString();

    const ProgramRun keys =
        configurator({QStringLiteral("keys"), QStringLiteral("--fs-root=") + root});
    EXPECT_EQ(keys.exitCode, 0) << keys.err.toStdString();
    EXPECT_TRUE(keys.out.startsWith(QStringLiteral("Key assignments from ") +
                                    qt(sim / "Korvanta/Volaro/Prefs.cfg")))
        << keys.out.toStdString();
    EXPECT_TRUE(keys.out.contains(QStringLiteral("CTRL + B\n"))); // slot 16 from the file

    const ProgramRun payload = configurator(
        {QStringLiteral("payload"), QStringLiteral("--aircraft"), QStringLiteral("A340-600"),
         QStringLiteral("--forward"), QStringLiteral("100"), QStringLiteral("--save"),
         QStringLiteral("--fs-root"), root});
    EXPECT_EQ(payload.exitCode, 0) << payload.err.toStdString();
    EXPECT_TRUE(payload.out.contains(QStringLiteral("Saved: ") +
                                     qt(sim / "Aircraft/Korvanta TEV A346RR/Aircraft.cfg")));
    EXPECT_NE(
        readFile(sim / "Aircraft/Korvanta TEV A346RR/Aircraft.cfg").find("station_load.2=\"50396,"),
        std::string::npos);
}

TEST_F(FolderNamesOnTheCommandLine, FromTheEnvironmentAndTheWorkingDirectory) {
    env.insert(QStringLiteral("VOLARO_FS_ROOT"), qt(sim));
    const ProgramRun fromEnvironment = configurator(
        {QStringLiteral("payload"), QStringLiteral("--aircraft"), QStringLiteral("A340-600")});
    EXPECT_EQ(fromEnvironment.exitCode, 0) << fromEnvironment.err.toStdString();

    env.remove(QStringLiteral("VOLARO_FS_ROOT"));
    const ProgramRun fromWorkingDirectory = configurator(
        {QStringLiteral("payload"), QStringLiteral("--aircraft"), QStringLiteral("A340-600")},
        sim / "Korvanta/Volaro");
    EXPECT_EQ(fromWorkingDirectory.exitCode, 0) << fromWorkingDirectory.err.toStdString();
}

} // namespace
