#include "configurator/cli/backupcommands.h"

#include "common/backup/backupstore.h"
#include "common/platform/programarguments.h"
#include "configurator/cli/backuptext.h"
#include "configurator/cli/simulatorfolder.h"
#include "configurator/session/installpaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using backup_text::bytes;
using backup_text::native;
using backup_text::shownTime;

const cli::CommandSyntax& backupsCommandSyntax() {
    static const QByteArray description =
        QByteArray("Lists the earlier versions of Prefs.cfg and the aircraft.cfg files that were\n"
                   "kept each time the tools replaced them (the newest 20 per file): per file,\n"
                   "version 1 is the newest, with the time it was kept, its size and the save\n"
                   "that kept it. One save of a payload keeps a version of each aircraft file\n"
                   "it writes (the A330-200's two engine variants): they have one save number,\n"
                   "save 1 being the newest. They are kept in the user's data folder, or in\n") +
        platform::shellVariable(backup::kFolderEnv).c_str() + " when it is set.";
    static const cli::CommandSyntax syntax{
        "configurator backups",
        "configurator backups [--json]",
        description.constData(),
        {{"json", nullptr, "print JSON instead of text"}, kFsRootOption},
        nullptr,
        "0 done, 1 the simulator folder is missing, 2 bad arguments",
    };
    return syntax;
}

int runBackupsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = backupsCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    if (const auto missing = refuseMissingSimulatorFolder(syntax, err))
        return *missing;

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
                {QStringLiteral("save"), version.save},
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
            << "  " << bytes(version.size).leftJustified(12) << "  save " << version.save << "\n";
    }
    return cli::kExitOk;
}
