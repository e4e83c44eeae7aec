#include "common/backup/backupstore.h"

#include "common/backup/atomicreplace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace backup {
namespace {

const QString kSourceRecord = QStringLiteral("source.txt");
const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
// Saves of several files: one record each, a kept copy (relative to the
// store's folder) a line. No file's folder has this name.
const QString kSavesFolder = QStringLiteral("saves");

// "20261210-132725-123-00.cfg": the time it was kept (UTC) and a counter for
// versions kept within the same millisecond, so names sort by age.
const QRegularExpression& versionName() {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{8}-\\d{6}-\\d{3})-(\\d{2})(\\.[^/\\\\]*)?$"));
    return pattern;
}

QString normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool sameFile(const QString& a, const QString& b) {
    if (normalised(a) == normalised(b))
        return true;
    // Another spelling of an existing file (letter case on Windows, links).
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && first == second;
}

// Readable for someone browsing the folder, unique through the hash.
QString folderNameFor(const QString& source) {
    const QFileInfo info(source);
    QString readable = info.dir().dirName().left(40) + u'-' + info.fileName().left(40);
    for (QChar& c : readable) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'.' && c != u'-' && c != u'_')
            c = u'_';
    }
    const QByteArray hash =
        QCryptographicHash::hash(normalised(source).toUtf8(), QCryptographicHash::Sha256);
    return readable + u'-' + QString::fromLatin1(hash.toHex().left(16));
}

// Qt does not say why a folder could not be made: look at the nearest
// existing part of its path.
QString whyNoFolder(const QString& folder) {
    QFileInfo part(folder);
    while (!part.exists() && !part.isRoot() && part.absolutePath() != part.absoluteFilePath())
        part = QFileInfo(part.absolutePath());
    if (part.exists() && !part.isDir())
        return QStringLiteral("%1 is a file, not a folder")
            .arg(QDir::toNativeSeparators(part.absoluteFilePath()));
    if (part.exists() && !part.isWritable())
        return QStringLiteral("no permission to write in %1")
            .arg(QDir::toNativeSeparators(part.absoluteFilePath()));
    return QStringLiteral("the disk refused it");
}

std::optional<QByteArray> readAll(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// Names of the versions in `dir`, newest first.
QStringList versionNames(const QDir& dir) {
    QStringList names;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name | QDir::Reversed)) {
        if (versionName().match(name).hasMatch())
            names << name;
    }
    return names;
}

QString nextVersionName(const QDir& dir, const QString& suffix) {
    QString stamp = QDateTime::currentDateTimeUtc().toString(kStampFormat);
    int counter = 0;
    const QStringList existing = versionNames(dir);
    if (!existing.isEmpty()) {
        // Never older than the newest: a clock set back must not make the
        // pruning drop the version just kept.
        const auto newest = versionName().match(existing.front());
        if (newest.captured(1) >= stamp) {
            stamp = newest.captured(1);
            counter = newest.captured(2).toInt() + 1;
        }
    }
    QString name;
    do {
        name = QStringLiteral("%1-%2%3").arg(stamp).arg(counter++, 2, 10, QChar(u'0')).arg(suffix);
    } while (dir.exists(name) && counter < 100);
    return name;
}

std::vector<Version> versionsIn(const QDir& dir, const QString& source) {
    std::vector<Version> versions;
    for (const QString& name : versionNames(dir)) {
        const auto match = versionName().match(name);
        const QDateTime local = QDateTime::fromString(match.captured(1), kStampFormat);
        const QDateTime time(local.date(), local.time(), Qt::UTC);
        const QFileInfo info(dir.filePath(name));
        versions.push_back(Version{source, info.filePath(), time, info.size()});
    }
    return versions;
}

// A record's members as lines of UTF-8 text.
QStringList recordMembers(const QString& record) {
    QStringList members;
    if (const auto text = readAll(record)) {
        for (const QByteArray& line : text->split('\n')) {
            if (!line.isEmpty())
                members << QString::fromUtf8(line);
        }
    }
    return members;
}

// Numbers the saves that kept `versions`, 1 the newest: the versions of one
// record together, every other version alone. A save is as old as the first
// version it kept.
void numberSaves(const QDir& root, std::vector<Version>& versions) {
    const QDir saves(root.filePath(kSavesFolder));
    QHash<QString, QString> recordOf;
    for (const QString& name : saves.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        for (const QString& member : recordMembers(saves.filePath(name)))
            recordOf.insert(member, QStringLiteral("record:") + name);
    }
    std::vector<QString> saveOf;
    QHash<QString, QDateTime> began;
    for (const Version& version : versions) {
        const QString member = root.relativeFilePath(version.file);
        const QString key = recordOf.value(member, QStringLiteral("version:") + member);
        saveOf.push_back(key);
        if (!began.contains(key) || version.time < began.value(key))
            began.insert(key, version.time);
    }
    QStringList keys = began.keys();
    std::sort(keys.begin(), keys.end(), [&](const QString& a, const QString& b) {
        const QDateTime first = began.value(a), second = began.value(b);
        return first != second ? first > second : a > b;
    });
    for (std::size_t i = 0; i < versions.size(); ++i)
        versions[i].save = static_cast<int>(keys.indexOf(saveOf[i])) + 1;
}

// Why `version` cannot be put back, or empty: checked before anything is
// changed, so that a save of several files is restored whole or not at all.
QString restoreProblem(const Version& version) {
    if (!readAll(version.file))
        return QStringLiteral("the backup %1 cannot be read")
            .arg(QDir::toNativeSeparators(version.file));
    const QFileInfo target(version.source);
    if (!target.dir().exists())
        return QStringLiteral("the folder does not exist");
    if (target.isDir())
        return QStringLiteral("it is a folder, not a file");
    if (target.exists() && !readAll(version.source)) // never replace what could not be read
        return QStringLiteral("the file cannot be read");
    return {};
}

} // namespace

QString standardFolder() {
    const QString overridden = qEnvironmentVariable(kFolderEnv);
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/backups");
}

Store::Store(QString folder)
    : folder_(std::move(folder)) {}

QString Store::keep(const QString& source, const QByteArray& bytes, QString* keptFile) const {
    const QString where = QDir::toNativeSeparators(folder_);
    const QDir dir(folder_ + u'/' + folderNameFor(source));
    if (!QDir().mkpath(dir.path()))
        return QStringLiteral("the backup folder %1 cannot be created: %2")
            .arg(where, whyNoFolder(dir.path()));
    if (!dir.exists(kSourceRecord)) {
        const QString error = replaceFile(dir.filePath(kSourceRecord), normalised(source).toUtf8());
        if (!error.isEmpty())
            return QStringLiteral("the backup folder %1 cannot be written: %2").arg(where, error);
    }
    const QString suffix = QFileInfo(source).suffix();
    const QString name =
        nextVersionName(dir, suffix.isEmpty() ? QString() : QStringLiteral(".") + suffix);
    if (const QString error = replaceFile(dir.filePath(name), bytes); !error.isEmpty())
        return QStringLiteral("the backup folder %1 cannot be written: %2").arg(where, error);
    if (keptFile)
        *keptFile = dir.filePath(name);

    const QStringList names = versionNames(dir);
    for (qsizetype i = kVersionsKept; i < names.size(); ++i)
        QFile::remove(dir.filePath(names[i])); // a leftover is dropped at the next save
    return {};
}

std::vector<Version> Store::list() const {
    std::vector<std::pair<QString, QDir>> files;
    const QDir root(folder_);
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir dir(root.filePath(name));
        const auto source = readAll(dir.filePath(kSourceRecord));
        if (source && !source->isEmpty())
            files.emplace_back(QString::fromUtf8(*source), dir);
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Version> all;
    for (const auto& [source, dir] : files) {
        const std::vector<Version> some = versionsIn(dir, source);
        all.insert(all.end(), some.begin(), some.end());
    }
    numberSaves(root, all);
    return all;
}

QString Store::recordSave(const QStringList& keptFiles) const {
    if (keptFiles.size() < 2)
        return {};
    const QDir root(folder_);
    QByteArray text;
    for (const QString& file : keptFiles)
        text += root.relativeFilePath(file).toUtf8() + '\n';
    const QDir saves(root.filePath(kSavesFolder));
    if (!QDir().mkpath(saves.path()))
        return QStringLiteral("the backup folder %1 cannot be created: %2")
            .arg(QDir::toNativeSeparators(folder_), whyNoFolder(saves.path()));
    const QString name = QString::fromLatin1(
        QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(16) + ".txt");
    if (const QString error = replaceFile(saves.filePath(name), text); !error.isEmpty())
        return QStringLiteral("the backup folder %1 cannot be written: %2")
            .arg(QDir::toNativeSeparators(folder_), error);
    // Records whose versions have all been dropped name nothing any more.
    for (const QString& other : saves.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QStringList members = recordMembers(saves.filePath(other));
        if (std::none_of(members.begin(), members.end(),
                         [&](const QString& member) { return root.exists(member); }))
            QFile::remove(saves.filePath(other));
    }
    return {};
}

std::vector<Version> Store::versions(const QString& source) const {
    std::vector<Version> found;
    for (Version& version : list()) {
        if (sameFile(version.source, source))
            found.push_back(std::move(version));
    }
    return found;
}

RestoreResult restore(const Store& store, const Version& version) {
    RestoreResult result;
    if (const QString problem = restoreProblem(version); !problem.isEmpty()) {
        result.reason = problem;
        return result;
    }
    const auto wanted = readAll(version.file);
    const auto current = readAll(version.source);
    if (!wanted || (QFileInfo::exists(version.source) && !current)) {
        result.reason = QStringLiteral("the file or its backup could no longer be read");
        return result;
    }
    if (current && *current == *wanted) {
        result.ok = true;
        return result;
    }
    if (current) {
        result.reason = store.keep(version.source, *current, &result.keptFile);
        if (!result.reason.isEmpty())
            return result;
        result.keptCurrent = true;
    }
    result.reason = replaceFile(version.source, *wanted);
    result.ok = result.reason.isEmpty();
    result.changed = result.ok;
    return result;
}

SaveRestoreResult restoreSave(const Store& store, const std::vector<Version>& versions) {
    SaveRestoreResult result;
    for (const Version& version : versions) {
        if (const QString problem = restoreProblem(version); !problem.isEmpty()) {
            result.refused =
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(version.source), problem);
            return result;
        }
    }
    QStringList kept;
    for (const Version& version : versions) {
        result.files.push_back(restore(store, version));
        if (!result.files.back().keptFile.isEmpty())
            kept << result.files.back().keptFile;
    }
    // Should the record fail, each kept content can still be restored alone.
    store.recordSave(kept);
    return result;
}

} // namespace backup
