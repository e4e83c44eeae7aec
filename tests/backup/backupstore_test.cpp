#include "common/backup/backupstore.h"
#include "common/profile/profile.h"
#include "tests/support/backupfolder.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

using testing_support::readFile;
using testing_support::writeFile;

// Every byte kind a user's file may hold: CR LF and LF, a comment, a
// Windows-1252 letter, a duplicate key, no final line end.
const std::string kOriginal =
    "; mine\r\n[Common]\r\nUnitSystem=1\nPilot=Jos\xe9\r\nUnitSystem=7\r\n[Keys]\r\nx=1";

class Backups : public testing::Test {
protected:
    Backups() { writeFile(file, kOriginal); }

    profile::WriteResult save(const std::string& value) {
        profile::WriteBatch batch(file);
        batch.keepBackup();
        batch.writeString("Common", "UnitSystem", value);
        return batch.commit();
    }
    static std::string bytesOf(const backup::Version& version) {
        return readFile(version.file.toStdString());
    }
    QString host() const { return QString::fromStdString(profile::hostFileName(file)); }

    testing_support::TempDir sim;
    testing_support::BackupFolder backups;
    std::string file = sim.file("Prefs.cfg");
    backup::Store store;
};

TEST_F(Backups, SaveThenRestoreGivesBackTheBytesExactly) {
    ASSERT_TRUE(save("0").ok);
    const std::string saved = readFile(file);
    ASSERT_NE(saved, kOriginal);
    const std::vector<backup::Version> kept = store.versions(host());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(bytesOf(kept[0]), kOriginal);
    EXPECT_EQ(kept[0].size, static_cast<qint64>(kOriginal.size()));
    EXPECT_LE(kept[0].time.secsTo(QDateTime::currentDateTimeUtc()), 60);

    const backup::RestoreResult restored = backup::restore(store, kept[0]);
    ASSERT_TRUE(restored.ok) << restored.reason.toStdString();
    EXPECT_TRUE(restored.changed);
    EXPECT_EQ(readFile(file), kOriginal);
    // The restore is undoable: what it replaced is now the newest version.
    const std::vector<backup::Version> after = store.versions(host());
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(bytesOf(after[0]), saved);
    EXPECT_EQ(bytesOf(after[1]), kOriginal);

    // Putting back what the file already holds changes and keeps nothing.
    const backup::RestoreResult again = backup::restore(store, after[1]);
    EXPECT_TRUE(again.ok);
    EXPECT_FALSE(again.changed);
    EXPECT_EQ(store.versions(host()).size(), 2u);
}

TEST_F(Backups, TwentyFirstSaveDropsTheOldestAndNamesNeverCollide) {
    // 21 saves in a few milliseconds: each keeps its own version.
    std::vector<std::string> before;
    for (int i = 1; i <= 21; ++i) {
        before.push_back(readFile(file));
        ASSERT_TRUE(save(std::to_string(100 + i)).ok) << i;
    }
    const std::vector<backup::Version> kept = store.versions(host());
    ASSERT_EQ(kept.size(), 20u);
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(bytesOf(kept[i]), before[20 - i]) << "version " << i + 1;
    for (std::size_t i = 1; i < kept.size(); ++i)
        EXPECT_LE(kept[i].time, kept[i - 1].time);
    EXPECT_EQ(QFile::exists(kept.back().file), true);
    EXPECT_NE(bytesOf(kept.back()), kOriginal) << "the oldest, the original, is gone";
}

TEST_F(Backups, WritesThatReplaceNothingKeepNothing) {
    ASSERT_TRUE(save("1").ok) << "the value the file already holds";
    EXPECT_EQ(readFile(file), kOriginal);
    const std::string created = sim.file("New.cfg");
    profile::WriteBatch batch(created);
    batch.keepBackup();
    batch.writeString("Common", "A", "1");
    ASSERT_TRUE(batch.commit().ok);
    EXPECT_TRUE(store.list().empty());
}

TEST_F(Backups, FolderThatCannotBeWrittenStopsTheSave) {
    // A file where the folder should be: no system can create it.
    const std::filesystem::path blocked = backups.path() / "blocked";
    writeFile(blocked, "x");
    testing_support::ScopedEnv elsewhere("VOLARO_BACKUP_DIR", blocked.string());
    const profile::WriteResult result = save("0");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("backup folder"), std::string::npos) << result.reason;
    EXPECT_NE(result.reason.find("blocked"), std::string::npos) << result.reason;
    EXPECT_EQ(readFile(file), kOriginal);
    EXPECT_EQ(testing_support::entriesIn(sim.path()), 1u) << "no temporary file left";
}

TEST_F(Backups, ChangedContentStopsAWriteThatRequiresWhatWasRead) {
    const profile::FileContent read = profile::readContent(file);
    writeFile(file, kOriginal + "\r\n; theirs");
    profile::WriteBatch batch(file);
    batch.keepBackup();
    batch.requireContent(read);
    batch.writeString("Common", "UnitSystem", "0");
    const profile::WriteResult result = batch.commit();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(readFile(file), kOriginal + "\r\n; theirs");
    EXPECT_TRUE(store.list().empty());
}

TEST_F(Backups, FilesAreListedApartUnderTheirOwnPaths) {
    const std::string other = sim.file("Aircraft/A/aircraft.cfg");
    writeFile(other, "[WEIGHT_AND_BALANCE]\r\nempty_weight=1\r\n");
    ASSERT_TRUE(save("0").ok);
    profile::WriteBatch batch(other);
    batch.keepBackup();
    batch.writeString("WEIGHT_AND_BALANCE", "empty_weight", "2");
    ASSERT_TRUE(batch.commit().ok);

    const QString otherHost = QString::fromStdString(profile::hostFileName(other));
    ASSERT_EQ(store.versions(otherHost).size(), 1u);
    EXPECT_EQ(bytesOf(store.versions(otherHost)[0]), "[WEIGHT_AND_BALANCE]\r\nempty_weight=1\r\n");
    ASSERT_EQ(store.list().size(), 2u);
    EXPECT_TRUE(store.versions(host() + QStringLiteral(".other")).empty());
}

} // namespace
