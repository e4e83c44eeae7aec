#include "common/backup/backupstore.h"
#include "common/profile/profile.h"
#include "configurator/cli/backupcommands.h"
#include "configurator/session/installpaths.h"
#include "tests/support/backupfolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

using testing_support::readFile;
using testing_support::writeFile;

struct CommandRun {
    int status;
    QString out;
    QString err;
};

using Command = int (*)(const QStringList&, QTextStream&, QTextStream&);

CommandRun run(Command command, const QStringList& args) {
    CommandRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = command(args, out, err);
    out.flush();
    err.flush();
    return result;
}

class BackupCommands : public testing::Test {
protected:
    BackupCommands() {
        resolveInstallPaths(sim.path().string(), "");
        writeFile(file, "[Common]\r\nUnitSystem=0\r\n");
        for (const char* value : {"1", "2"}) {
            profile::WriteBatch batch(file);
            batch.keepBackup();
            batch.writeString("Common", "UnitSystem", value);
            EXPECT_TRUE(batch.commit().ok);
        }
    }
    QString host() const {
        return QDir::toNativeSeparators(QString::fromStdString(profile::hostFileName(file)));
    }

    testing_support::TempDir sim;
    testing_support::BackupFolder backups;
    std::string file = sim.file("Prefs.cfg");
};

TEST_F(BackupCommands, BackupsListsEachVersionWithItsTimeAndSize) {
    const CommandRun text = run(runBackupsCommand, {});
    EXPECT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains(host() + u'\n')) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("   1  20"))) << text.out.toStdString();
    // Each of these versions was kept by a save of its own; 1 the newest.
    EXPECT_TRUE(text.out.contains(QStringLiteral(" UTC  24 bytes      save 1\n   2  ")))
        << text.out.toStdString();

    const CommandRun json = run(runBackupsCommand, {QStringLiteral("--json")});
    EXPECT_EQ(json.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    const QJsonArray list = object.value(QStringLiteral("backups")).toArray();
    ASSERT_EQ(list.size(), 2);
    const QJsonObject newest = list[0].toObject();
    EXPECT_EQ(newest.value(QStringLiteral("file")).toString(), host());
    EXPECT_EQ(newest.value(QStringLiteral("version")).toInt(), 1);
    EXPECT_EQ(newest.value(QStringLiteral("size")).toInt(), 24); // "UnitSystem=1" then
    EXPECT_TRUE(newest.value(QStringLiteral("time")).toString().endsWith(u'Z'));
    EXPECT_EQ(newest.value(QStringLiteral("save")).toInt(), 1);
    EXPECT_EQ(list[1].toObject().value(QStringLiteral("version")).toInt(), 2);
    EXPECT_EQ(list[1].toObject().value(QStringLiteral("save")).toInt(), 2);
}

// One save that replaced two files (a payload on both engine variants) is
// one step: listed under one number, restored and undone as a whole.
TEST_F(BackupCommands, SaveOfTwoFilesIsRestoredAndUndoneWhole) {
    const std::string first = sim.file("GE.cfg"), second = sim.file("RR.cfg");
    const backup::Store store;
    QStringList kept;
    for (const std::string& variant : {first, second}) {
        writeFile(variant, "new " + variant);
        QString copy;
        ASSERT_TRUE(
            store.keep(QString::fromStdString(variant), QByteArray("old"), &copy).isEmpty());
        kept << copy;
    }
    ASSERT_TRUE(store.recordSave(kept).isEmpty());

    const CommandRun listed = run(runBackupsCommand, {});
    EXPECT_EQ(listed.out.count(QStringLiteral("save 1\n")), 2) << listed.out.toStdString();
    EXPECT_TRUE(listed.out.contains(QStringLiteral("save 3\n"))) << listed.out.toStdString();

    const CommandRun restored =
        run(runRestoreCommand, {QStringLiteral("--save"), QStringLiteral("1")});
    EXPECT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_EQ(readFile(first), "old");
    EXPECT_EQ(readFile(second), "old");
    EXPECT_EQ(readFile(file), "[Common]\r\nUnitSystem=2\r\n"); // not in that save
    EXPECT_TRUE(restored.out.endsWith(QStringLiteral(
        "The contents it replaced are now save 1: 'configurator restore --save 1' undoes this.\n")))
        << restored.out.toStdString();

    EXPECT_EQ(run(runRestoreCommand, {QStringLiteral("--save=1")}).status, 0);
    EXPECT_EQ(readFile(first), "new " + first);
    EXPECT_EQ(readFile(second), "new " + second);

    // Whole or not at all: one file that cannot be replaced stops both.
    std::filesystem::remove(second);
    std::filesystem::create_directory(second);
    const CommandRun refused = run(runRestoreCommand, {QStringLiteral("--save=1")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("it is a folder, not a file; every file has "
                                                    "been left as it was")))
        << refused.err.toStdString();
    EXPECT_EQ(readFile(first), "new " + first);
}

TEST_F(BackupCommands, RestorePutsTheVersionBackAndSaysWhatItDid) {
    const CommandRun restored =
        run(runRestoreCommand, {host(), QStringLiteral("--version"), QStringLiteral("2")});
    EXPECT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_EQ(readFile(file), "[Common]\r\nUnitSystem=0\r\n");
    EXPECT_TRUE(restored.out.startsWith(QStringLiteral("Restored ") + host() +
                                        QStringLiteral(" to version 2 (kept ")))
        << restored.out.toStdString();
    EXPECT_TRUE(restored.out.endsWith(QStringLiteral("The content it replaced is now version 1: "
                                                     "'configurator restore ") +
                                      host() + QStringLiteral("' undoes this.\n")))
        << restored.out.toStdString();

    // Version 1 is now what the restore replaced: restoring it undoes it.
    EXPECT_EQ(run(runRestoreCommand, {host()}).status, 0);
    EXPECT_EQ(readFile(file), "[Common]\r\nUnitSystem=2\r\n");
    const CommandRun same = run(runRestoreCommand, {host(), QStringLiteral("--version=2")});
    EXPECT_EQ(same.status, 0);
    EXPECT_TRUE(same.out.endsWith(QStringLiteral("; nothing was changed.\n")))
        << same.out.toStdString();
}

TEST_F(BackupCommands, RestoreRefusesWhatItCannotDo) {
    struct Case {
        const char* name;
        QStringList args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {"no file", {}, 2, "name one FILE to restore"},
        {"two files", {host(), host()}, 2, "name one FILE to restore"},
        {"version not a number",
         {host(), QStringLiteral("--version"), QStringLiteral("x")},
         2,
         "--version needs a number from 1"},
        {"version zero",
         {host(), QStringLiteral("--version=0")},
         2,
         "--version needs a number from 1"},
        {"version beyond the kept ones",
         {host(), QStringLiteral("--version=3")},
         1,
         "has 2 kept version(s); there is no version 3"},
        {"file without backups", {host() + QStringLiteral(".bak")}, 1, "no backups of "},
        {"save zero", {QStringLiteral("--save=0")}, 2, "--save needs a number from 1"},
        {"save and a file",
         {host(), QStringLiteral("--save=1")},
         2,
         "--save puts back whole saves: give it no FILE or --version"},
        {"save beyond the kept ones", {QStringLiteral("--save=3")}, 1, "there is no save 3 in "},
    };
    for (const Case& c : cases) {
        const CommandRun result = run(runRestoreCommand, c.args);
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("configurator restore: ")) &&
                    result.err.contains(QString::fromLatin1(c.says)))
            << c.name << ": " << result.err.toStdString();
        EXPECT_EQ(readFile(file), "[Common]\r\nUnitSystem=2\r\n") << c.name;
    }
    for (Command command : {runBackupsCommand, runRestoreCommand}) {
        const CommandRun help = run(command, {QStringLiteral("--help")});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: configurator ")))
            << help.out.toStdString();
        EXPECT_EQ(run(command, {QStringLiteral("--bogus")}).status, 2);
    }
}

} // namespace
