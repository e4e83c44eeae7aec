#include "common/backup/backupstore.h"
#include "configurator/cli/backupcommands.h"
#include "configurator/cli/backuptext.h"
#include "configurator/cli/simulatorfolder.h"
#include "configurator/session/installpaths.h"

#include <QTextStream>
#include <algorithm>

using backup_text::bytes;
using backup_text::native;
using backup_text::shownTime;

namespace {

// A number option from 1: nothing when not given, 0 when unusable.
std::optional<int> numberFromOne(const cli::ParsedLine& line, const char* option) {
    if (!line.isSet(option))
        return std::nullopt;
    bool ok = false;
    const int number = line.value(option).toInt(&ok);
    return ok && number >= 1 ? number : 0;
}

// Version `version`'s number among the versions of its file (1 the newest).
int versionNumber(const std::vector<backup::Version>& all, const backup::Version& version) {
    int number = 0;
    for (const backup::Version& other : all) {
        if (other.source == version.source) {
            ++number;
            if (other.file == version.file)
                return number;
        }
    }
    return 0;
}

int restoreOneFile(const cli::CommandSyntax& syntax, const QString& file, int number,
                   QTextStream& out, QTextStream& err) {
    const backup::Store store;
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

// Every file of one save back at once, or none when one of them cannot be.
int restoreWholeSave(const cli::CommandSyntax& syntax, int number, QTextStream& out,
                     QTextStream& err) {
    const backup::Store store;
    const std::vector<backup::Version> all = store.list();
    std::vector<backup::Version> versions;
    std::copy_if(all.begin(), all.end(), std::back_inserter(versions),
                 [&](const backup::Version& version) { return version.save == number; });
    if (versions.empty()) {
        return cli::failure(syntax,
                            QStringLiteral("there is no save %1 in %2 (see 'configurator backups')")
                                .arg(number)
                                .arg(native(store.folder())),
                            err);
    }
    const backup::SaveRestoreResult result = backup::restoreSave(store, versions);
    if (!result.refused.isEmpty()) {
        return cli::failure(syntax,
                            QStringLiteral("could not restore save %1: %2; every file has been "
                                           "left as it was")
                                .arg(number)
                                .arg(result.refused),
                            err);
    }

    int status = cli::kExitOk;
    bool changed = false;
    QString keptFile;
    const auto began = std::min_element(
        versions.begin(), versions.end(),
        [](const backup::Version& a, const backup::Version& b) { return a.time < b.time; });
    out << "Save " << number << ", kept " << shownTime(began->time) << ":\n";
    for (std::size_t i = 0; i < versions.size(); ++i) {
        const backup::Version& version = versions[i];
        const backup::RestoreResult& file = result.files[i];
        const QString what = QStringLiteral("version %1, %2")
                                 .arg(versionNumber(all, version))
                                 .arg(bytes(version.size));
        if (!file.ok) {
            err << syntax.program << ": could not restore " << native(version.source) << " ("
                << what << "): " << file.reason << "; that file has been left as it was\n";
            status = cli::kExitFailed;
            continue;
        }
        out << (file.changed ? "  restored " : "  unchanged ") << native(version.source)
            << (file.changed ? " (" : " (it already holds ") << what << ")\n";
        changed = changed || file.changed;
        if (keptFile.isEmpty())
            keptFile = file.keptFile;
    }
    if (!changed && status == cli::kExitOk) {
        out << "Nothing was changed.\n";
        return status;
    }
    // The number the contents replaced have now, as 'backups' lists them.
    for (const backup::Version& version : store.list()) {
        if (!keptFile.isEmpty() && version.file == keptFile) {
            out << "The contents it replaced are now save " << version.save
                << ": 'configurator restore --save " << version.save << "' undoes this.\n";
        }
    }
    return status;
}

} // namespace

const cli::CommandSyntax& restoreCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "configurator restore",
        "configurator restore FILE [--version N]\n"
        "configurator restore --save N",
        "Puts a kept version of FILE back in one replacement of the file, after keeping\n"
        "its current content as the newest version (so a restore can be undone too).\n"
        "FILE is the file as 'configurator backups' names it, its path on this system\n"
        "(for example .../Korvanta/Volaro/Prefs.cfg); version 1 is the newest.\n"
        "With --save, every file of that save is put back at once (a payload save of\n"
        "the A330-200 writes both engine variants), or none when one of them cannot\n"
        "be; what they held is kept as one save again.",
        {{"version", "N", "the version to put back (1, the newest)"},
         {"save", "N", "put back every file of save N, as 'configurator backups' numbers them"},
         kFsRootOption},
        "FILE",
        "0 done, 1 no such version or save, a file could not be written or the simulator "
        "folder is missing, 2 bad arguments",
    };
    return syntax;
}

int runRestoreCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = restoreCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    const QStringList files = line.positional();
    const std::optional<int> version = numberFromOne(line, "version");
    const std::optional<int> save = numberFromOne(line, "save");
    if (version == 0)
        return cli::badArguments(syntax, QStringLiteral("--version needs a number from 1"), err);
    if (save == 0)
        return cli::badArguments(syntax, QStringLiteral("--save needs a number from 1"), err);
    if (save && (!files.isEmpty() || version))
        return cli::badArguments(
            syntax, QStringLiteral("--save puts back whole saves: give it no FILE or --version"),
            err);
    if (!save && (files.size() != 1 || files.front().isEmpty()))
        return cli::badArguments(syntax, QStringLiteral("name one FILE to restore"), err);
    if (const auto missing = refuseMissingSimulatorFolder(syntax, err))
        return *missing;

    if (save)
        return restoreWholeSave(syntax, *save, out, err);
    return restoreOneFile(syntax, files.front(), version.value_or(1), out, err);
}
