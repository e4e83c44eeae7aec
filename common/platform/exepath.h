#pragma once
// Where the simulator's folder ("EXE Path") comes from, in order: --fs-root,
// the environment, then the registry (on Windows) or the Wine prefix's
// registry file (elsewhere). The user's choice for this run wins over what an
// installer once stored.

#include <optional>
#include <string>

namespace platform {

// Environment variable that supplies the simulator folder.
inline constexpr const char* kFsRootEnv = "VOLARO_FS_ROOT";

struct ExePathSource {
    std::optional<std::string> fsRoot; // --fs-root as given on the command line (UTF-8)
};

// The stored "EXE Path" value as path text (hostpath.h), or nothing when no
// source has one. Values of `capacity` bytes or more do not fit and count as
// absent, as the registry read reports them.
std::optional<std::string> readExePath(const ExePathSource& source, int capacity);

// Where an installer stores the value, as a help text names it.
const char* exePathStoreName();

// The process's working directory as path text.
std::string currentDirectory();

} // namespace platform
