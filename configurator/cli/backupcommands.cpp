#include "configurator/cli/backupcommands.h"

#include "common/backup/backupstore.h"
#include "common/platform/programarguments.h"
#include "configurator/session/installpaths.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString shownTime(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) + QStringLiteral(" UTC");
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString bytes(qint64 size) {
    return size == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(size);
}

} // namespace

const cli::CommandSyntax& backupsCommandSyntax() {
    static const QByteArray description =
        QByteArray("Lists the earlier versions of Prefs.cfg and the aircraft.cfg files that were\n"
                   "kept each time the tools replaced them (the newest 20 per file): per file,\n"
                   "version 1 is the newest, with the time it was kept and its size. They are\n"
                   "kept in the user's data folder, or in ") +
        platform::shellVariable(backup::kFolderEnv).c_str() + " when it is set.";
    static const cli::CommandSyntax syntax{
        "configurator backups",
        "configurator backups [--json]",
        description.constData(),
        // --fs-root is taken by every command; backups do not depend on it.
        {{"json", nullptr, "print JSON instead of text"}, kFsRootOption},
        nullptr,
        "0 done, 2 bad arguments",
    };
    return syntax;
}

int runBackupsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = backupsCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;

    const backup::Store store;
    const std::vector<backup::Version> versions = store.list();
    if (line.isSet("json")) {
        QJsonArray list;
        QString file;
        int number = 0;
        for (const backup::Version& version : versions) {
            number = version.source == file ? number + 1 : 1;
            file = version.source;
            list.append(QJsonObject{
                {QStringLiteral("file"), native(version.source)},
                {QStringLiteral("version"), number},
                {QStringLiteral("time"), version.time.toString(Qt::ISODateWithMs)},
                {QStringLiteral("size"), version.size},
                {QStringLiteral("backup"), native(version.file)},
            });
        }
        const QJsonObject json{{QStringLiteral("folder"), native(store.folder())},
                               {QStringLiteral("backups"), list}};
        out << QJsonDocument(json).toJson(QJsonDocument::Indented);
        return cli::kExitOk;
    }
    if (versions.empty()) {
        out << "No backups in " << native(store.folder()) << "\n";
        return cli::kExitOk;
    }
    out << "Backups in " << native(store.folder()) << "\n";
    QString file;
    int number = 0;
    for (const backup::Version& version : versions) {
        if (version.source != file) {
            file = version.source;
            number = 0;
            out << "\n" << native(file) << "\n";
        }
        out << QString::number(++number).rightJustified(4) << "  " << shownTime(version.time)
            << "  " << bytes(version.size) << "\n";
    }
    return cli::kExitOk;
}

const cli::CommandSyntax& restoreCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "configurator restore",
        "configurator restore FILE [--version N]",
        "Puts a kept version of FILE back in one replacement of the file, after keeping\n"
        "its current content as the newest version (so a restore can be undone too).\n"
        "FILE is the file as 'configurator backups' names it, its path on this system\n"
        "(for example .../Korvanta/Volaro/Prefs.cfg); version 1 is the newest.",
        {{"version", "N", "the version to put back (1, the newest)"}, kFsRootOption},
        "FILE",
        "0 done, 1 no such version or the file could not be written, 2 bad arguments",
    };
    return syntax;
}

int runRestoreCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = restoreCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    const QStringList files = line.positional();
    if (files.size() != 1 || files.front().isEmpty())
        return cli::badArguments(syntax, QStringLiteral("name one FILE to restore"), err);
    int number = 1;
    if (line.isSet("version")) {
        bool ok = false;
        number = line.value("version").toInt(&ok);
        if (!ok || number < 1)
            return cli::badArguments(syntax, QStringLiteral("--version needs a number from 1"),
                                     err);
    }

    const backup::Store store;
    const QString file = files.front();
    const std::vector<backup::Version> versions = store.versions(file);
    if (versions.empty()) {
        return cli::failure(syntax,
                            QStringLiteral("no backups of %1 in %2 (see 'configurator backups')")
                                .arg(native(file), native(store.folder())),
                            err);
    }
    if (number > static_cast<int>(versions.size())) {
        return cli::failure(syntax,
                            QStringLiteral("%1 has %2 kept version(s); there is no version %3")
                                .arg(native(versions.front().source))
                                .arg(versions.size())
                                .arg(number),
                            err);
    }
    const backup::Version& version = versions[static_cast<std::size_t>(number - 1)];
    const QString what = QStringLiteral("version %1 (kept %2, %3)")
                             .arg(number)
                             .arg(shownTime(version.time), bytes(version.size));
    const backup::RestoreResult result = backup::restore(store, version);
    if (!result.ok) {
        return cli::failure(syntax,
                            QStringLiteral("could not restore %1 to %2: %3; the file has been "
                                           "left as it was")
                                .arg(native(version.source), what, result.reason),
                            err);
    }
    if (!result.changed) {
        out << native(version.source) << " already holds " << what << "; nothing was changed.\n";
        return cli::kExitOk;
    }
    out << "Restored " << native(version.source) << " to " << what << ".\n";
    if (result.keptCurrent)
        out << "The content it replaced is now version 1: 'configurator restore "
            << native(version.source) << "' undoes this.\n";
    return cli::kExitOk;
}
