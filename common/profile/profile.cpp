#include "common/profile/profile.h"

#include "common/backup/atomicreplace.h"
#include "common/backup/backupstore.h"
#include "common/platform/hostpath.h"
#include "common/profile/profiledocument.h"
#include "common/text/leadinginteger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <optional>

namespace profile {
namespace {

QString toQt(const std::filesystem::path& path) {
    return platform::qtPath(path);
}

std::string cut(std::string_view text, int capacity) {
    if (capacity <= 0)
        return {};
    return std::string(text.substr(0, static_cast<std::size_t>(capacity - 1)));
}

std::string_view unquote(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readBytes(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    return data.toStdString();
}

std::optional<std::string> readValue(std::string_view section, std::string_view key,
                                     std::string_view path) {
    const auto bytes = readBytes(toQt(platform::hostPath(path)));
    if (!bytes)
        return std::nullopt;
    const ProfileDocument document(std::move(*bytes));
    const auto value = document.find(section, key);
    if (!value)
        return std::nullopt;
    return std::string(unquote(*value));
}

WriteResult failure(const QString& file, QString reason) {
    return WriteResult{false, file.toStdString(), reason.toStdString()};
}

} // namespace

std::string readString(std::string_view section, std::string_view key, std::string_view fallback,
                       int capacity, std::string_view path) {
    const auto value = readValue(section, key, path);
    return cut(value ? std::string_view(*value) : fallback, capacity);
}

int readInt(std::string_view section, std::string_view key, int fallback, std::string_view path) {
    const auto value = readValue(section, key, path);
    if (!value)
        return fallback;
    return text::profileInteger(*value);
}

std::vector<std::string> readKeys(std::string_view section, std::string_view path) {
    const auto bytes = readBytes(toQt(platform::hostPath(path)));
    if (!bytes)
        return {};
    const ProfileDocument document(*bytes);
    std::vector<std::string> names;
    for (const std::string_view name : document.keys(section))
        names.emplace_back(name);
    return names;
}

std::optional<ReadProblem> readProblem(std::string_view path) {
    const QString file = toQt(platform::hostPath(path));
    const QFileInfo info(file);
    if (!info.exists())
        return std::nullopt;
    if (info.isDir())
        return ReadProblem{file.toStdString(), "it is a folder, not a file"};
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return ReadProblem{file.toStdString(), in.errorString().toStdString()};
    return std::nullopt;
}

FileContent readContent(std::string_view path) {
    auto bytes = readBytes(toQt(platform::hostPath(path)));
    if (!bytes)
        return {};
    return FileContent{true, std::move(*bytes)};
}

std::string hostFileName(std::string_view path) {
    return toQt(platform::hostPath(path)).toStdString();
}

WriteResult writeString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view path) {
    WriteBatch batch(path);
    batch.writeString(section, key, value);
    return batch.commit();
}

WriteBatch::WriteBatch(std::string_view path)
    : path_(path) {}

void WriteBatch::writeString(std::string_view section, std::string_view key,
                             std::string_view value) {
    entries_.push_back(Entry{std::string(section), std::string(key), std::string(value)});
}

WriteResult WriteBatch::commit() {
    const QString file = toQt(platform::hostPath(path_));
    for (const Entry& entry : entries_) {
        const std::string problem = invalidWrite(entry.section, entry.key, entry.value);
        if (!problem.empty())
            return failure(file, QString::fromStdString(problem));
    }

    const QFileInfo info(file);
    if (!info.dir().exists())
        return failure(file, QStringLiteral("the folder does not exist"));
    if (info.isDir())
        return failure(file, QStringLiteral("it is a folder, not a file"));

    std::string original;
    const bool existed = info.exists();
    if (existed) {
        auto bytes = readBytes(file);
        if (!bytes) // never replace what could not be read: its lines would be lost
            return failure(file, QStringLiteral("the file cannot be read"));
        original = std::move(*bytes);
    }
    if (required_ && (required_->exists != existed || required_->bytes != original))
        return failure(file, QStringLiteral("another program changed it after it was read"));

    ProfileDocument document(original);
    for (const Entry& entry : entries_)
        document.set(entry.section, entry.key, entry.value);
    if (existed && document.bytes() == original)
        return WriteResult{true, file.toStdString(), {}};

    const QByteArray data = QByteArray::fromStdString(document.bytes());
    if (keepBackup_ && existed) {
        const QString problem = backup::Store().keep(file, QByteArray::fromStdString(original));
        if (!problem.isEmpty())
            return failure(file, problem);
    }
    // The simulator may read this file at any moment: write a temporary file
    // beside it, flush it to disk and replace the old one in one rename.
    if (const QString problem = backup::replaceFile(file, data); !problem.isEmpty())
        return failure(file, problem);
    return WriteResult{true, file.toStdString(), {}};
}

} // namespace profile
