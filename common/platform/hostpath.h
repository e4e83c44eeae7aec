#pragma once
// Windows path text (as the system composes it: backslashes, drive letters,
// any letter case) to the path this host opens.

#include <QString>
#include <filesystem>
#include <string_view>

namespace platform {

// Backslashes become separators, a drive letter maps through the Wine prefix
// when there is one, and each existing component is matched ignoring ASCII
// case, so "Aircraft.cfg" and "aircraft.cfg" name the same file. Components
// that do not exist yet are kept as written. Text is Windows-1252.
std::filesystem::path hostPath(std::string_view windowsPath);

// A host path as Qt names it, for QFile and for program arguments; no byte
// of the host's name is lost on the way.
QString qtPath(const std::filesystem::path& path);

// The Wine prefix in use: $WINEPREFIX, else ~/.wine (it need not exist).
std::filesystem::path winePrefix();

} // namespace platform
