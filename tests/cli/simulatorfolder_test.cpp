#include "configurator/cli/backupcommands.h"
#include "configurator/cli/fuelcommand.h"
#include "configurator/cli/keyscommand.h"
#include "configurator/cli/loadsheetcommand.h"
#include "configurator/cli/pathscommand.h"
#include "configurator/cli/payloadcommand.h"
#include "configurator/cli/prefscommand.h"
#include "configurator/session/installpaths.h"
#include "tests/support/backupfolder.h"

#include <QDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

using Command = int (*)(const QStringList&, QTextStream&, QTextStream&);

struct CommandRun {
    int status;
    QString out, err;
};

CommandRun run(Command command, const QStringList& args) {
    CommandRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = command(args, out, err);
    out.flush();
    err.flush();
    return result;
}

// A mistyped --fs-root: the commands that read the folder say so instead of
// answering with defaults; `paths` shows where they looked.
class MissingSimulatorFolder : public testing::Test {
protected:
    void SetUp() override { resolveInstallPaths(typo.string(), ""); }
    QString host() const { return QDir::toNativeSeparators(QString::fromStdString(typo.string())); }

    testing_support::TempDir base;
    testing_support::BackupFolder backups;
    const std::filesystem::path typo = base.path() / "typo";
};

TEST_F(MissingSimulatorFolder, EveryCommandThatReadsItFailsNamingIt) {
    const QString pdf = QString::fromStdString((base.path() / "sheet.pdf").string());
    const struct {
        const char* name;
        Command command;
        QStringList args;
    } cases[] = {
        {"prefs", runPrefsCommand, {}},
        {"keys", runKeysCommand, {}},
        {"payload", runPayloadCommand, {QStringLiteral("--aircraft"), QStringLiteral("A330-200")}},
        {"fuel", runFuelCommand,
         QStringLiteral("--aircraft A330-200 --distance 3000 --altitude 35000 --zfw 170000")
             .split(u' ')},
        {"loadsheet", runLoadSheetCommand,
         QStringLiteral("--aircraft A330-200 --distance 3000 --altitude 35000 --pdf").split(u' ')
             << pdf},
        {"backups", runBackupsCommand, {}},
        {"restore", runRestoreCommand, {host() + QStringLiteral("/Prefs.cfg")}},
        {"restore a save", runRestoreCommand, {QStringLiteral("--save=1")}},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.command, c.args);
        EXPECT_EQ(r.status, 1) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.name << ": " << r.out.toStdString();
        EXPECT_TRUE(r.err.endsWith(
            QStringLiteral(": the simulator folder %1 does not exist\n").arg(host())))
            << c.name << ": " << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(std::filesystem::exists(typo));

    const CommandRun paths = run(runPathsCommand, {});
    EXPECT_EQ(paths.status, 0) << paths.err.toStdString();
    EXPECT_TRUE(
        paths.out.contains(QStringLiteral("\nSimulator folder: %1 (does not exist)\n").arg(host())))
        << paths.out.toStdString();
}

} // namespace
