#pragma once
// The external patch program that writes a new gauge from its backup and a
// patch data file.

#include <functional>
#include <string>
#include <vector>

// Paths are Windows path text.
struct PatchLaunch {
    std::string program;       // root\VolaroUpgrade\patch.bin
    std::string backupPath;    // the gauge the patch starts from
    std::string patchDataPath; // with "_" appended for an "MCDU Upgrade" base
    std::string gaugePath;     // where the new gauge is written

    // The seven texts of the command line as the program receives it on
    // Windows, in order: program, "-d", "-f", "-s", backup, patch data,
    // gauge; the paths in double quotes.
    std::vector<std::string> commandLine() const;
};

// Runs the patch program and returns its exit code; -1 when it cannot be
// started (see platform::runProgram for how exit codes map on each host).
using PatchLauncher = std::function<int(const PatchLaunch&)>;

// The real launch: host paths, passed as an argument list.
int launchPatchProgram(const PatchLaunch& launch);
