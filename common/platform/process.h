#pragma once
// Starting another program and waiting for its end.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace platform {

// The code runProgram() gives when the program cannot be started.
inline constexpr int kNotStarted = -1;

// Starts `program` with `arguments` passed one by one (never through a
// shell), with this process's environment and working directory, waits for
// its end without a time limit and returns its exit code:
// - kNotStarted (-1) when the program file is missing or cannot be started;
// - Windows: the 32-bit exit code read as signed, so a program ending with
//   exit(-1) gives -1 there, exactly as a launch failure does;
// - elsewhere: the exit status 0 to 255 as the program ended (exit(-1) gives
//   255), and 128 + the signal number when a signal ended it, as shells
//   report it. A program that started can therefore never give -1 on these
//   hosts: -1 always means "not started".
int runProgram(const std::filesystem::path& program, const QStringList& arguments);

// A host path as a program argument.
QString pathArgument(const std::filesystem::path& path);

namespace detail {
// The exit code of a program that crashed, from the code QProcess reports.
int crashExitCode(int reported);
// How the host starts the program beyond what QProcess does by itself.
void prepareLaunch(QProcess& process);
} // namespace detail

} // namespace platform
