#include "common/backup/backupstore.h"

#include "common/backup/atomicreplace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace backup {
namespace {

const QString kSourceRecord = QStringLiteral("source.txt");
const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

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

QString Store::keep(const QString& source, const QByteArray& bytes) const {
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
    return all;
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
    const auto wanted = readAll(version.file);
    if (!wanted)
        return {false, false, false,
                QStringLiteral("the backup %1 cannot be read")
                    .arg(QDir::toNativeSeparators(version.file))};
    const QFileInfo target(version.source);
    if (!target.dir().exists())
        return {false, false, false, QStringLiteral("the folder does not exist")};
    if (target.isDir())
        return {false, false, false, QStringLiteral("it is a folder, not a file")};
    bool kept = false;
    if (target.exists()) {
        const auto current = readAll(version.source);
        if (!current) // never replace what could not be read
            return {false, false, false, QStringLiteral("the file cannot be read")};
        if (*current == *wanted)
            return {true, false, false, {}};
        if (const QString error = store.keep(version.source, *current); !error.isEmpty())
            return {false, false, false, error};
        kept = true;
    }
    if (const QString error = replaceFile(version.source, *wanted); !error.isEmpty())
        return {false, false, false, error};
    return {true, true, kept, {}};
}

} // namespace backup
