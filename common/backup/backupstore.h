#pragma once
// Earlier contents of the files our programs replace (Prefs.cfg,
// aircraft.cfg), kept in the user's data folder and never beside the
// simulator's files: a folder per file, a file per version, the newest
// kVersionsKept of each. Paths here are host paths.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace backup {

inline constexpr int kVersionsKept = 20;
// Overrides where backups are kept (tests, a user who wants them elsewhere).
inline constexpr const char* kFolderEnv = "VOLARO_BACKUP_DIR";

// $VOLARO_BACKUP_DIR, else "backups" in the application-data location.
QString standardFolder();

struct Version {
    QString source; // the file it was kept from
    QString file;   // the kept copy
    QDateTime time; // when it was kept, UTC to the millisecond
    qint64 size = 0;
};

class Store {
public:
    explicit Store(QString folder = standardFolder());
    const QString& folder() const { return folder_; }

    // Keeps `bytes` as the newest version of `source` and drops the oldest
    // beyond kVersionsKept. Empty on success, else why, naming the folder.
    QString keep(const QString& source, const QByteArray& bytes) const;

    // Every version of every file: files in path order, each newest first.
    std::vector<Version> list() const;
    // The versions of `source`, newest first.
    std::vector<Version> versions(const QString& source) const;

private:
    QString folder_;
};

struct RestoreResult {
    bool ok = false;
    bool changed = false;     // false when the file already held that version
    bool keptCurrent = false; // its content before was kept as the newest version
    QString reason;           // why it failed
};

// Puts `version` back in place of its file in one replacement, after
// keeping the file's current content as the newest version. A file that is
// there but cannot be read is never replaced, and no folder is created.
RestoreResult restore(const Store& store, const Version& version);

} // namespace backup
