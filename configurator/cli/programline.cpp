#include "configurator/cli/programline.h"

#include "common/platform/exepath.h"
#include "common/platform/programarguments.h"
#include "configurator/session/installpaths.h"

#include <QByteArray>

namespace {

QByteArray commandList(std::span<const CommandEntry> commands) {
    QByteArray text =
        "Commands (no display needed; 'configurator COMMAND --help' for their options):\n";
    for (const CommandEntry& command : commands)
        text += "  " + QByteArray(command.name).leftJustified(10) + command.synopsis + "\n";
    return text;
}

} // namespace

const cli::CommandSyntax& programSyntax(std::span<const CommandEntry> commands) {
    static const QByteArray fsRootHelp = QByteArray("the simulator folder (else ") +
                                         platform::shellVariable(platform::kFsRootEnv).c_str() +
                                         ", else " + platform::exePathStoreName() +
                                         ", else the working directory + \\..\\..)";
    static const QByteArray epilogue = commandList(commands);
    static const cli::CommandSyntax syntax{
        "configurator",
        "configurator [--fs-root DIR] [COMMAND [OPTIONS]]\n"
        "configurator [--fs-root DIR] --screenshots DIR",
        "Without a command, opens the main menu (needs a display).",
        {{"fs-root", "DIR", fsRootHelp.constData()},
         {"screenshots", "DIR", "render every window to a PNG file in DIR (no display needed)"}},
        "COMMAND",
        "0 done, 1 failed, 2 bad arguments, 3 aircraft not installed",
        epilogue.constData(),
    };
    return syntax;
}

ProgramRequest parseProgramLine(const QStringList& arguments,
                                std::span<const CommandEntry> commands) {
    ProgramRequest request;
    const auto bad = [&](const QString& error) {
        request.action = ProgramRequest::Action::BadArguments;
        request.error = error;
        return request;
    };
    // The program's options stop at the command; the command reads the rest.
    const cli::ParsedLine line = cli::parse(programSyntax(commands), arguments, true);
    if (!line.ok())
        return bad(line.error());
    if (line.helpRequested()) {
        request.action = ProgramRequest::Action::Help;
        return request;
    }
    if (line.isSet(kFsRootOption.name)) {
        if (line.value(kFsRootOption.name).isEmpty())
            return bad(QStringLiteral("--fs-root needs a folder"));
        request.fsRoot = line.value(kFsRootOption.name).toStdString();
    }
    const QStringList words = line.positional();
    if (line.isSet("screenshots")) {
        request.screenshotFolder = line.value("screenshots");
        if (request.screenshotFolder.isEmpty() || !words.isEmpty())
            return bad(QStringLiteral("--screenshots needs one folder"));
        request.action = ProgramRequest::Action::Screenshots;
        return request;
    }
    if (words.isEmpty())
        return request; // the main menu

    for (const CommandEntry& command : commands) {
        if (words[0] == QLatin1String(command.name))
            request.command = &command;
    }
    if (!request.command)
        return bad(QStringLiteral("unknown command '%1'").arg(words[0]));
    request.action = ProgramRequest::Action::Command;
    request.commandArguments = words.mid(1);
    // --fs-root may follow the command's name too; the command itself reports
    // whatever else is wrong with its line.
    const cli::ParsedLine own = cli::parse(request.command->syntax(), request.commandArguments);
    if (own.ok() && own.isSet(kFsRootOption.name)) {
        if (own.value(kFsRootOption.name).isEmpty())
            return bad(QStringLiteral("--fs-root needs a folder"));
        request.fsRoot = own.value(kFsRootOption.name).toStdString();
    }
    return request;
}
