#pragma once
// The simulator's folder and the preferences path, resolved once while the
// main menu initialises and read by every tool afterwards.

#include <optional>
#include <string>

#include "common/cli/commandsyntax.h"
#include "common/platform/exepath.h"

inline constexpr int kInstallFolderSize = 500;
inline constexpr int kPrefsPathSize = 1000;

// Path text (common/platform/hostpath.h), terminated; zero until resolved.
extern char InstallFolder[kInstallFolderSize];
extern char PrefsPath[kPrefsPathSize];

inline constexpr const char* kPrefsSuffix = "\\Korvanta\\Volaro\\Prefs.cfg";
inline constexpr const char* kFallbackSuffix = "\\..\\..";

// Fills both buffers from the stored "EXE Path" value, or from the working
// directory when there is none. Never writes past either buffer.
void resolveInstallPaths(const std::optional<std::string>& exePath,
                         const std::string& workingDirectory);

// The same with the host's sources (command line, environment, registry).
void resolveInstallPaths(const platform::ExePathSource& source);

// --fs-root DIR: the simulator folder, before or after any command.
inline const cli::Option kFsRootOption{"fs-root", "DIR",
                                       "the simulator folder (see 'configurator --help')"};
