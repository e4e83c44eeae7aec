#include "common/platform/process.h"
#include "common/platform/hostpath.h"

#include <QProcess>

namespace platform {

int runProgram(const std::filesystem::path& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(pathArgument(program));
    process.setArguments(arguments);
    // Nothing is read from the program: its output goes where ours goes, so
    // a talkative program can never fill a pipe and stall.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    detail::prepareLaunch(process);
    process.start();
    if (!process.waitForStarted(-1))
        return kNotStarted;
    process.waitForFinished(-1);
    if (process.exitStatus() == QProcess::NormalExit)
        return process.exitCode();
    return detail::crashExitCode(process.exitCode());
}

QString pathArgument(const std::filesystem::path& path) {
    return qtPath(path);
}

} // namespace platform
