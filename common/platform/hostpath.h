#pragma once
// Windows path text (as the system composes it: backslashes, drive letters,
// any letter case) to the path this host opens.
//
// Path text is 8-bit: on Windows Windows-1252, as the system's A-style file
// functions take it; elsewhere the host's own file-name bytes (UTF-8), so that
// a folder such as /home/Иван/FS9 arrives whole where a file is opened. The
// files' contents stay Windows-1252 either way.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Backslashes become separators, a drive letter maps through the Wine prefix
// when there is one, and each existing component is matched ignoring ASCII
// case, so "Aircraft.cfg" and "aircraft.cfg" name the same file. Components
// that do not exist yet are kept as written.
std::filesystem::path hostPath(std::string_view windowsPath);

// A folder or file name from the host (command line, environment, working
// directory) as path text, and back. Characters that Windows-1252 cannot hold
// become '?' on Windows; elsewhere nothing is lost.
std::string pathText(const QString& name);
QString fromPathText(std::string_view text);

// The file that path text names, as the user should see it in a message:
// the host path it maps to ("/home/pilot/fs9/Korvanta/Volaro/Prefs.cfg").
QString displayPath(std::string_view windowsPath);

// A host path as Qt names it, for QFile and for program arguments; no byte
// of the host's name is lost on the way.
QString qtPath(const std::filesystem::path& path);

// The Wine prefix in use: $WINEPREFIX, else ~/.wine (it need not exist).
std::filesystem::path winePrefix();

} // namespace platform
