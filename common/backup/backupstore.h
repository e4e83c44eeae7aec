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
    int save = 0; // the save that kept it, 1 the newest (set by Store::list)
};

class Store {
public:
    explicit Store(QString folder = standardFolder());
    const QString& folder() const { return folder_; }

    // Keeps `bytes` as the newest version of `source` and drops the oldest
    // beyond kVersionsKept. Empty on success, else why, naming the folder.
    // `keptFile`, when given, receives the kept copy's path.
    QString keep(const QString& source, const QByteArray& bytes, QString* keptFile = nullptr) const;

    // Marks versions just kept (their kept copies, as keep() named them) as
    // one save of several files, to be restored together. A version not
    // marked is a save of its own. Empty on success, else why.
    QString recordSave(const QStringList& keptFiles) const;

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
    QString keptFile;         // the copy of that content, when kept
};

// Puts `version` back in place of its file in one replacement, after
// keeping the file's current content as the newest version. A file that is
// there but cannot be read is never replaced, and no folder is created.
RestoreResult restore(const Store& store, const Version& version);

struct SaveRestoreResult {
    // Why nothing was restored: a file of the save that cannot be, named.
    QString refused;
    std::vector<RestoreResult> files; // one per version, in order, once tried
};

// Puts every version of one save back, file by file, once each of them can
// be; the contents they replace are kept as one save, so that restoring
// that undoes this.
SaveRestoreResult restoreSave(const Store& store, const std::vector<Version>& versions);

} // namespace backup
