#include "configurator/load/payloadsave.h"

#include "common/backup/backupstore.h"
#include "configurator/load/loadmanager.h"

#include <QStringList>

namespace {

// The newest kept copy of each of `files` (empty when none).
QStringList newestCopies(const backup::Store& store, const std::vector<std::string>& files) {
    QStringList copies;
    for (const std::string& file : files) {
        const std::vector<backup::Version> versions =
            store.versions(QString::fromStdString(profile::hostFileName(file)));
        copies << (versions.empty() ? QString() : versions.front().file);
    }
    return copies;
}

} // namespace

std::vector<profile::WriteResult> savePayload(const CLoadManager& model) {
    const backup::Store store;
    const std::vector<std::string> files = model.filePaths();
    const QStringList before = newestCopies(store, files);
    const std::vector<profile::WriteResult> results = model.save();
    const QStringList after = newestCopies(store, files);
    QStringList kept;
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (!after[i].isEmpty() && after[i] != before[i])
            kept << after[i];
    }
    // The files are saved either way; should the record fail, each kept
    // content can still be restored alone.
    store.recordSave(kept);
    return results;
}
