#include "configurator/cli/prefscommand.h"

#include "common/profile/profile.h"
#include "configurator/cli/simulatorfolder.h"
#include "configurator/prefs/preferences.h"
#include "configurator/session/installpaths.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

const cli::CommandSyntax& prefsCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "configurator prefs",
        "configurator [--fs-root DIR] prefs [--json]",
        "Prints the preferences of section Common of Prefs.cfg as the configuration\n"
        "window reads them (defaults applied to missing or unusable values).",
        {{"json", nullptr, "print JSON instead of text"}, kFsRootOption},
        nullptr,
        "0 done, 1 the simulator folder is missing or Prefs.cfg cannot be read, 2 bad arguments",
    };
    return syntax;
}

int runPrefsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = prefsCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    if (const auto missing = refuseMissingSimulatorFolder(syntax, err))
        return *missing;

    // The window would show the defaults; a terminal user is told why.
    if (const auto problem = profile::readProblem(PrefsPath)) {
        return cli::failure(syntax,
                            QStringLiteral("cannot read %1: %2")
                                .arg(QString::fromStdString(problem->hostPath),
                                     QString::fromStdString(problem->reason)),
                            err);
    }
    prefs::getAll();
    if (line.isSet("json")) {
        QJsonObject json;
        for (const prefs::Setting& setting : prefs::kSettings)
            json.insert(QLatin1String(setting.key), prefs::Working.*setting.value);
        out << QJsonDocument(json).toJson(QJsonDocument::Indented);
        return cli::kExitOk;
    }
    for (const prefs::Setting& setting : prefs::kSettings)
        out << QString::fromLatin1(setting.key).leftJustified(18) << prefs::Working.*setting.value
            << "\n";
    return cli::kExitOk;
}
